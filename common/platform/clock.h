#pragma once
// The source of 'now'. Programs use SystemClock; tests pin a moment with FixedClock.

#include <QDateTime>

namespace kalmora::platform
{

class Clock
{
public:
    virtual ~Clock() = default;
    // Local date and time.
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(QDateTime moment)
        : m_moment(std::move(moment))
    {
    }
    QDateTime now() const override { return m_moment; }
    void set(QDateTime moment) { m_moment = std::move(moment); }

private:
    QDateTime m_moment;
};

} // namespace kalmora::platform
