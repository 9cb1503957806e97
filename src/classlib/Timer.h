// The message timer: fires its OnTimer handler on the interface thread every
// Interval ms while Enabled, counting from the moment it was armed.
#pragma once

#include "Component.h"

class TTimer : public TComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
    Q_PROPERTY(int Interval READ Interval WRITE SetInterval)
public:
    explicit TTimer(TComponent *owner);
    ~TTimer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int interval);

    void Loaded() override;
    // Called by the clock when the timer falls due.
    void Tick();

private:
    void UpdateTimer();

    bool enabled_ = true;
    int interval_ = 1000;
};
