// The platform's notices to the whole application, as a test gives them: the end of the
// session, a change of the monitors and their work areas, a drive letter's volume coming or
// going.
#include "ui/headless/headless_backend.h"

bool HeadlessBackend::QueryEndSession()
{
    return FAppHandler == nullptr || FAppHandler->AppQueryEndSession();
}

void HeadlessBackend::EndSession()
{
    if (FAppHandler != nullptr)
        FAppHandler->AppEndSession();
}

void HeadlessBackend::ChangeDisplay(std::vector<TRect> workAreas)
{
    FWorkAreas = std::move(workAreas);
    if (FAppHandler != nullptr)
        FAppHandler->AppDisplayChanged();
}

void HeadlessBackend::ChangeWorkAreas(std::vector<TRect> workAreas)
{
    FWorkAreas = std::move(workAreas);
    if (FAppHandler != nullptr)
        FAppHandler->AppWorkAreaChanged();
}

void HeadlessBackend::VolumeChange(bool arrival, const std::string& letters)
{
    if (FAppHandler != nullptr)
        FAppHandler->AppVolumeChanged(arrival, letters);
}

std::vector<TRect> HeadlessBackend::WorkAreas()
{
    if (!FWorkAreas.empty())
        return FWorkAreas;
    return {Rect(0, 0, FScreenSize.cx, FScreenSize.cy)};
}
