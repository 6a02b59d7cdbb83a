#include "app/book/UpdateTime.h"

#include "app/record/EntryRecord.h"

#include <cstdio>

std::string UpdateTimeText(const LocalDateTime& when, const std::string& date, const std::string& time) {
    const bool midnight = when.Hour == 0 && when.Minute == 0 && when.Second == 0 && when.Milliseconds == 0;
    const std::string text = midnight ? date : date + " " + time;
    if (text.size() <= EntryRecord::Capacity(RecordField::UpdateTime))
        return text;
    char iso[64];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d %02d:%02d:%02d", when.Year, when.Month, when.Day, when.Hour,
                  when.Minute, when.Second);
    return iso;
}
