#include "Clock.h"

#include "Timer.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimerEvent>

#include <algorithm>
#include <chrono>

namespace {
TClock *installed = nullptr;

std::int64_t MonotonicMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
} // namespace

TClock *TClock::Current()
{
    if (!installed) {
        static TMessageClock messageClock;
        installed = &messageClock;
    }
    return installed;
}

void TClock::Install(TClock *clock)
{
    installed = clock;
}

TMessageClock::TMessageClock()
    : origin_(MonotonicMs())
{
}

bool TMessageClock::Start(TTimer *timer, unsigned interval)
{
    Stop(timer);
    const int id = startTimer(std::chrono::milliseconds(interval), Qt::CoarseTimer);
    if (id == 0)
        return false;
    byId_.insert(id, timer);
    ids_.insert(timer, id);
    return true;
}

void TMessageClock::Stop(TTimer *timer)
{
    const auto it = ids_.find(timer);
    if (it == ids_.end())
        return;
    killTimer(it.value());
    byId_.remove(it.value());
    ids_.erase(it);
}

void TMessageClock::Sleep(unsigned ms)
{
    QThread::msleep(ms);
}

std::int64_t TMessageClock::Now() const
{
    return MonotonicMs() - origin_;
}

void TMessageClock::timerEvent(QTimerEvent *event)
{
    // Like a timer message, a tick is queued and handled by whichever loop runs
    // next, a modal box's included, so a handler that is still running does not
    // hold up its own next tick. At most one tick of a timer waits at a time.
    const int id = event->timerId();
    if (!byId_.contains(id) || pending_.contains(id))
        return;
    pending_.insert(id);
    QMetaObject::invokeMethod(
        this,
        [this, id] {
            pending_.remove(id);
            if (TTimer *timer = byId_.value(id))
                timer->Tick();
        },
        Qt::QueuedConnection);
}

bool TVirtualClock::Start(TTimer *timer, unsigned interval)
{
    Stop(timer);
    if (capacity_ == 0)
        return false;
    if (capacity_ > 0)
        --capacity_;
    armed_.push_back({timer, std::int64_t(interval), now_ + std::int64_t(interval), sequence_++});
    return true;
}

void TVirtualClock::Stop(TTimer *timer)
{
    const auto it = std::find_if(armed_.begin(), armed_.end(), [&](const Armed &a) { return a.timer == timer; });
    if (it == armed_.end())
        return;
    armed_.erase(it);
    if (capacity_ >= 0)
        ++capacity_;
}

void TVirtualClock::Sleep(unsigned ms)
{
    now_ += ms;
}

bool TVirtualClock::IsArmed(const TTimer *timer) const
{
    return std::any_of(armed_.begin(), armed_.end(), [&](const Armed &a) { return a.timer == timer; });
}

void TVirtualClock::Advance(std::int64_t ms)
{
    const std::int64_t until = now_ + ms;
    for (;;) {
        const auto next = std::min_element(armed_.begin(), armed_.end(), [](const Armed &a, const Armed &b) {
            return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
        if (next == armed_.end() || next->due > until)
            break;
        now_ = std::max(now_, next->due);
        // The next tick counts from this one; ticks missed during a pause are not made up.
        next->due = std::max(next->due + next->interval, now_ + 1);
        TTimer *timer = next->timer;
        timer->Tick();
    }
    now_ = std::max(now_, until);
}
