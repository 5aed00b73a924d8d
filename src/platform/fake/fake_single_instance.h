// One claim shared by every start that a test makes with this object: the first start wins, a
// later one's request runs the first one's handler at once.
#pragma once

#include <functional>
#include <utility>

#include "platform/single_instance.h"

namespace sw {

class FakeSingleInstance : public ISingleInstance {
public:
    int ShowRequests = 0;

    bool ClaimFirst() override
    {
        const bool first = !FClaimed;
        FClaimed = true;
        return first;
    }
    void AskFirstToShow() override
    {
        ++ShowRequests;
        if (FShow)
            FShow();
    }
    void OnShowRequest(std::function<void()> show) override { FShow = std::move(show); }

private:
    bool FClaimed = false;
    std::function<void()> FShow;
};

}  // namespace sw
