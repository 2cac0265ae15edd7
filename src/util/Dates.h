#pragma once
// OLE Automation dates: days since 30 December 1899 00:00 local time, the fraction being the time
// of day. 0 stands for a missing or invalid date.
#include <string>

using DATE = double;

struct CDateParts {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

// 0 when the parts do not form a valid date and time.
DATE MakeDate(const CDateParts& parts);
// The parts of a date, rounded to the nearest second.
CDateParts SplitDate(DATE date);

// Six "."-separated integers month.day.year.hour.minute.second; fewer than six parts give
// today at noon, an impossible combination gives 0.
DATE ParseDateText(const std::string& text);
// The same six numbers written back, e.g. "3.27.2002.14.5.0".
std::string FormatDateText(DATE date);

DATE TodayAtNoon();
DATE NowToMinute();
