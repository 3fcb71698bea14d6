#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace bitloom {

// A timer with an Enabled switch and an Interval that may be changed at any
// time. An interval of 0 never fires, where Qt's would fire continuously.
class Timer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Timer)

public:
    explicit Timer(QObject* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    void SetOnTimer(std::function<void()> handler) { onTimer_ = std::move(handler); }

    // Runs the handler as one tick would; for tests that step a run.
    void Tick();

private:
    void Restart();

    QTimer timer_;
    bool enabled_ = false;
    int interval_ = 1000;
    std::function<void()> onTimer_;
};

} // namespace bitloom
