#include "viewer/day_change_notifier.h"

#include <QSocketNotifier>
#include <QTimeZone>

#include <cerrno>
#include <cstdint>
#include <sys/timerfd.h>
#include <unistd.h>

namespace kalmora::viewer
{

DayChangeNotifier::DayChangeNotifier(QObject *parent)
    : QObject(parent)
{
    m_fd = ::timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DayChangeNotifier::onReadable);
    arm();
}

DayChangeNotifier::~DayChangeNotifier()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

QDateTime NextMidnight(const QDateTime &now)
{
    // The start of the next day in the zone of `now`: 00:00, or the first moment after a gap when
    // the clocks jump forward at midnight.
    return now.date().addDays(1).startOfDay(now.timeZone());
}

void DayChangeNotifier::arm()
{
    // The next local midnight, from the system's own wall clock (the timer runs on it).
    m_deadline = NextMidnight(QDateTime::currentDateTime());
    itimerspec deadline {};
    deadline.it_value.tv_sec = time_t(m_deadline.toSecsSinceEpoch());
    if (::timerfd_settime(m_fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &deadline, nullptr) != 0)
        ::timerfd_settime(m_fd, TFD_TIMER_ABSTIME, &deadline, nullptr); // a kernel without the flag: midnight only
}

void DayChangeNotifier::onReadable()
{
    std::uint64_t expirations = 0;
    // ECANCELED: the clock was set. Either way the date may be another now, and the next midnight
    // is to be found anew.
    const ssize_t n = ::read(m_fd, &expirations, sizeof expirations);
    if (n < 0 && errno == EAGAIN)
        return;
    arm();
    emit mayHaveChanged();
}

} // namespace kalmora::viewer
