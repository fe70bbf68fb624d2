#pragma once

#include <QDate>

namespace kalmora::calendar
{

// Whether `date` is a Japanese public holiday. Up to 2002 the fixed rule table the programs have
// always used; from 2003 on the holiday law as in force today (moved holidays, the Olympic years,
// substitute days, days between holidays). With `substitute` false, substitute days are not
// holidays. Dates before 1948 and invalid dates are never holidays.
bool CheckHoliday(QDate date, bool substitute);

} // namespace kalmora::calendar
