// Registration of change links and the walk that tells them of a change.
#include "controls/shared_component.h"

#include <algorithm>

TChangeLink::~TChangeLink()
{
    if (FSender)
        FSender->RemoveLink(*this);
}

TSharedComponent::~TSharedComponent()
{
    while (!FLinks.empty())
        RemoveLink(*FLinks.back());
}

void TSharedComponent::InsertLink(TChangeLink& link)
{
    link.FSender = this;
    FLinks.push_back(&link);
}

void TSharedComponent::RemoveLink(TChangeLink& link)
{
    const auto found = std::find(FLinks.begin(), FLinks.end(), &link);
    if (found == FLinks.end())
        return;
    link.FSender = nullptr;
    FLinks.erase(found);
}

void TSharedComponent::NotifyLinks()
{
    // A handler may unregister its link, so walk a copy.
    const std::vector<TChangeLink*> links = FLinks;
    for (TChangeLink* link : links)
        if (link->OnChange)
            link->OnChange(link->FSender);
}
