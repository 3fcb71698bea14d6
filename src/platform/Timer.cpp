#include "platform/Timer.h"

namespace bitloom {

Timer::Timer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::Tick);
}

void Timer::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    Restart();
}

void Timer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    Restart();
}

void Timer::Tick()
{
    if (onTimer_)
        onTimer_();
}

void Timer::Restart()
{
    timer_.stop();
    if (enabled_ && interval_ > 0)
        timer_.start(interval_);
}

} // namespace bitloom
