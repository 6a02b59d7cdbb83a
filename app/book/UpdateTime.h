#pragma once
// The update time an entry records: the user's short date, a blank and the long time, or the
// date alone at exactly midnight. The record file keeps 20 bytes of it; when the user's formats
// give a longer text ("12/8/2026 12:34:56 AM"), it is written as "yyyy-mm-dd hh:nn:ss" instead,
// so that no save cuts it.

#include <string>

struct LocalDateTime {
    int Year = 0;
    int Month = 0;
    int Day = 0;
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    int Milliseconds = 0;
};

// `date` and `time` are `when` in the user's short date and long time formats (GBK).
std::string UpdateTimeText(const LocalDateTime& when, const std::string& date, const std::string& time);
