#include "Timer.h"

#include "Clock.h"

TTimer::TTimer(TComponent *owner)
    : TComponent(owner)
{
    DeclareEvent("OnTimer");
}

TTimer::~TTimer()
{
    TClock::Current()->Stop(this);
}

void TTimer::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    UpdateTimer();
}

void TTimer::SetInterval(int interval)
{
    if (interval == interval_)
        return;
    interval_ = interval;
    UpdateTimer();
}

void TTimer::Loaded()
{
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    if (Loading())
        return;
    TClock *clock = TClock::Current();
    clock->Stop(this);
    if (enabled_ && interval_ > 0 && Event("OnTimer")) {
        if (!clock->Start(this, unsigned(interval_)))
            throw EOutOfResources(u"Not enough timers available");
    }
}

void TTimer::Tick()
{
    if (enabled_)
        FireEvent("OnTimer");
}
