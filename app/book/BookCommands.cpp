#include "app/book/BookCommands.h"

#include "framework/core/Exception.h"

namespace {

void CopyEntry(EntryTable& table, int from, int to) {
    table.UserName[static_cast<size_t>(to)] = table.UserName[static_cast<size_t>(from)];
    table.Password[static_cast<size_t>(to)] = table.Password[static_cast<size_t>(from)];
    table.UpdateTime[static_cast<size_t>(to)] = table.UpdateTime[static_cast<size_t>(from)];
}

void CheckRange(int first, int last) {
    if (first < 0 || last >= EntryTable::Size)
        throw fw::Exception(fw::Format("Entries %d to %d lie outside the table", first, last));
}

} // namespace

bool HoldsPlaceholders(const std::string& userName, const std::string& password) {
    return userName == PlaceholderUserName && password == PlaceholderPassword;
}

bool CanAddChild(int level, int count, const std::string& userName, const std::string& password, bool hasChildren) {
    if (level > 1 || count >= EntryBook::MaxNodes)
        return false;
    // A record that already holds credentials cannot become a folder of sub-records.
    const bool credentialsOfItsOwn = userName != PlaceholderUserName || password != PlaceholderPassword;
    return !(credentialsOfItsOwn && !hasChildren && level != 0);
}

void ShiftEntriesUp(EntryTable& table, int first, int last) {
    if (last < first)
        return;
    CheckRange(first, last + 1);
    for (int j = last; j >= first; --j)
        CopyEntry(table, j, j + 1);
}

void ShiftEntriesDown(EntryTable& table, int first, int count) {
    if (count <= first)
        return;
    CheckRange(first, count);
    for (int j = first; j < count; ++j)
        CopyEntry(table, j + 1, j);
}
