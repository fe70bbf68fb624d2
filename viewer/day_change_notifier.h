#pragma once
// Tells when the local date may have changed: at every local midnight, after the machine wakes from
// sleep past a midnight, and whenever the system clock is set.
//
// A timerfd on the wall clock (CLOCK_REALTIME) armed for the next local midnight with an absolute
// deadline fires at that moment even when the machine slept through it (a timer counting elapsed
// time would stop during the sleep and fire hours late), and with TFD_TIMER_CANCEL_ON_SET it also
// wakes when the clock is set. Between those moments the program does nothing: no polling.
// The notifier says only "look again"; the receiver compares the date itself, from its own clock.

#include <QDateTime>
#include <QObject>

class QSocketNotifier;

namespace kalmora::viewer
{

// The first moment of the day after the date of `now`, in the time zone of `now`.
QDateTime NextMidnight(const QDateTime &now);

class DayChangeNotifier : public QObject
{
    Q_OBJECT
public:
    explicit DayChangeNotifier(QObject *parent = nullptr);
    ~DayChangeNotifier() override;

    // False when the timer could not be made (the notifier then never fires).
    bool isActive() const { return m_fd >= 0; }
    // The moment the timer is armed for: the next local midnight after the last arming.
    QDateTime deadline() const { return m_deadline; }

signals:
    void mayHaveChanged();

private:
    void arm();
    void onReadable();

    int m_fd = -1;
    QSocketNotifier *m_notifier = nullptr;
    QDateTime m_deadline;
};

} // namespace kalmora::viewer
