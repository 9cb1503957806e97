// Time for message timers and pauses. The program runs on the message clock;
// tests install a virtual clock and advance it by hand.
#pragma once

#include <QHash>
#include <QSet>
#include <QObject>

#include <cstdint>
#include <vector>

class TTimer;

class TClock
{
public:
    virtual ~TClock() = default;
    // Arms a timer to fire every `interval` ms from now; false when none is left.
    virtual bool Start(TTimer *timer, unsigned interval) = 0;
    virtual void Stop(TTimer *timer) = 0;
    // Blocks the interface thread.
    virtual void Sleep(unsigned ms) = 0;
    // Milliseconds since the clock was made.
    virtual std::int64_t Now() const = 0;

    // The clock in force; the message clock unless a test installed another.
    static TClock *Current();
    static void Install(TClock *clock);
};

// Timers on the interface thread's message loop.
class TMessageClock : public QObject, public TClock
{
public:
    TMessageClock();
    bool Start(TTimer *timer, unsigned interval) override;
    void Stop(TTimer *timer) override;
    void Sleep(unsigned ms) override;
    std::int64_t Now() const override;

protected:
    void timerEvent(QTimerEvent *event) override;

private:
    QHash<int, TTimer *> byId_;
    QHash<TTimer *, int> ids_;
    QSet<int> pending_;
    std::int64_t origin_;
};

// A clock that moves only when told. Timers fire in the order they fall due,
// those due together in the order they were armed;
// a pause moves the clock on without firing anything, and timers that fell due
// meanwhile fire late, once, as message timers do.
class TVirtualClock : public TClock
{
public:
    bool Start(TTimer *timer, unsigned interval) override;
    void Stop(TTimer *timer) override;
    void Sleep(unsigned ms) override;
    std::int64_t Now() const override { return now_; }

    // Runs the clock `ms` on, firing every timer that falls due.
    void Advance(std::int64_t ms);
    // How many timers it can still arm; negative for no limit.
    void SetCapacity(int timers) { capacity_ = timers; }
    bool IsArmed(const TTimer *timer) const;

private:
    struct Armed {
        TTimer *timer;
        std::int64_t interval;
        std::int64_t due;
        std::uint64_t order;
    };
    std::vector<Armed> armed_;
    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
    int capacity_ = -1;
};
