#include "util/Dates.h"

#include <chrono>
#include <cmath>
#include <ctime>

#include "util/Text.h"

namespace {

constexpr std::chrono::sys_days kEpoch = std::chrono::year{1899} / 12 / 30;

CDateParts LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

}  // namespace

DATE MakeDate(const CDateParts& p) {
    using namespace std::chrono;
    // Month and day are range-checked before they reach the calendar types, which keep only
    // their low bits (month 259 would otherwise pass as March).
    if (p.year < 100 || p.year > 9999 || p.month < 1 || p.month > 12 || p.day < 1 || p.day > 31 ||
        p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 || p.second < 0 ||
        p.second > 59) {
        return 0;
    }
    const year_month_day ymd{year{p.year}, month{static_cast<unsigned>(p.month)},
                             day{static_cast<unsigned>(p.day)}};
    if (!ymd.ok()) {
        return 0;
    }
    const double days = static_cast<double>((sys_days{ymd} - kEpoch).count());
    const double fraction = (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
    // Before the epoch the whole part counts backwards while the time still counts forwards.
    return days >= 0 ? days + fraction : days - fraction;
}

CDateParts SplitDate(DATE date) {
    using namespace std::chrono;
    if (!(date > -700000 && date < 3000000)) {
        date = 0;  // outside the years 100 to 9999 (or not a number): the zero date
    }
    double whole = std::trunc(date);
    double fraction = std::fabs(date - whole);
    long seconds = std::lround(fraction * 86400.0);
    if (seconds >= 86400) {
        // Rounded up to midnight: the next day, also before the epoch where the whole part
        // counts backwards.
        seconds -= 86400;
        whole += 1;
    }
    const year_month_day ymd{kEpoch + days{static_cast<long>(whole)}};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(seconds / 3600),
            static_cast<int>(seconds / 60 % 60),
            static_cast<int>(seconds % 60)};
}

DATE ParseDateText(const std::string& text) {
    CStringList parts;
    if (SplitFields(text, ".", parts, 0, true) < 6) {
        return TodayAtNoon();
    }
    auto n = [&](int i) { return static_cast<int>(ParseLeadingInt(parts[i])); };
    return MakeDate({n(2), n(0), n(1), n(3), n(4), n(5)});
}

std::string FormatDateText(DATE date) {
    const CDateParts p = SplitDate(date);
    return std::to_string(p.month) + "." + std::to_string(p.day) + "." + std::to_string(p.year) +
           "." + std::to_string(p.hour) + "." + std::to_string(p.minute) + "." +
           std::to_string(p.second);
}

DATE TodayAtNoon() {
    CDateParts now = LocalNow();
    now.hour = 12;
    now.minute = 0;
    now.second = 0;
    return MakeDate(now);
}

DATE NowToMinute() {
    CDateParts now = LocalNow();
    now.second = 0;
    return MakeDate(now);
}
