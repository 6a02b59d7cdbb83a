#pragma once
// An ordered list of GBK strings (radio items, memo lines, a theme manager's names) with a
// change notice. IndexOf ignores ASCII letter case; Text joins the lines with CRLF.

#include "framework/core/Persistent.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace fw {

class StringList : public Persistent {
public:
    StringList() = default;
    StringList(std::initializer_list<std::string> lines);
    // Copies the lines only; the copy has no OnChange.
    StringList(const StringList& other);
    // Same as Assign: keeps this list's OnChange and calls it.
    StringList& operator=(const StringList& other);
    ~StringList() override = default;

    static const ClassInfo& StaticClass();
    const ClassInfo& ClassType() const override { return StaticClass(); }

    void Assign(const StringList& other);

    int Count() const { return static_cast<int>(lines_.size()); }
    // Index out of range raises fw::Exception.
    const std::string& Get(int index) const;
    const std::string& operator[](int index) const { return Get(index); }
    void Put(int index, const std::string& line);
    const std::vector<std::string>& Lines() const { return lines_; }

    int Add(const std::string& line);
    void Insert(int index, const std::string& line);
    void Delete(int index);
    void Clear();
    // First line equal to `text` ignoring ASCII letter case, or -1.
    int IndexOf(std::string_view text) const;

    // Lines joined with CRLF (no line break after the last one).
    std::string Text() const;
    // Splits at CRLF, LF or CR; a line break at the very end does not start another line.
    void SetText(std::string_view text);

    bool operator==(const StringList& other) const { return lines_ == other.lines_; }

    // Changes between BeginUpdate and the matching EndUpdate give one OnChange at the end.
    void BeginUpdate();
    void EndUpdate();

    std::function<void()> OnChange;

private:
    void Changed();

    std::vector<std::string> lines_;
    int updateCount_ = 0;
    bool changedWhileUpdating_ = false;
};

} // namespace fw
