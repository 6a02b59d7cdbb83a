#include "framework/core/StringList.h"

#include "framework/core/ClassBuilder.h"
#include "framework/core/Exception.h"
#include "framework/core/GbkText.h"

namespace fw {

namespace {

StringList& Itself(StringList& s) { return s; }

} // namespace

StringList::StringList(std::initializer_list<std::string> lines) : lines_(lines) {}

StringList::StringList(const StringList& other) : Persistent(other), lines_(other.lines_) {}

StringList& StringList::operator=(const StringList& other) {
    Assign(other);
    return *this;
}

const ClassInfo& StringList::StaticClass() {
    static const ClassInfo& info = ClassBuilder<StringList>("TStrings", Persistent::StaticClass())
                                       .AddStrings("Strings", &Itself)
                                       .AddText("Text", &StringList::Text, &StringList::SetText)
                                       .Register();
    return info;
}

void StringList::Assign(const StringList& other) {
    if (&other == this) return;
    lines_ = other.lines_;
    Changed();
}

const std::string& StringList::Get(int index) const {
    if (index < 0 || index >= Count()) throw Exception(Format("List index out of bounds (%d)", index));
    return lines_[static_cast<size_t>(index)];
}

void StringList::Put(int index, const std::string& line) {
    Get(index);
    lines_[static_cast<size_t>(index)] = line;
    Changed();
}

int StringList::Add(const std::string& line) {
    lines_.push_back(line);
    Changed();
    return Count() - 1;
}

void StringList::Insert(int index, const std::string& line) {
    if (index < 0 || index > Count()) throw Exception(Format("List index out of bounds (%d)", index));
    lines_.insert(lines_.begin() + index, line);
    Changed();
}

void StringList::Delete(int index) {
    Get(index);
    lines_.erase(lines_.begin() + index);
    Changed();
}

void StringList::Clear() {
    if (lines_.empty()) return;
    lines_.clear();
    Changed();
}

int StringList::IndexOf(std::string_view text) const {
    for (size_t i = 0; i < lines_.size(); ++i)
        if (GbkSameText(lines_[i], text)) return static_cast<int>(i);
    return -1;
}

std::string StringList::Text() const {
    std::string out;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (i > 0) out += "\r\n";
        out += lines_[i];
    }
    return out;
}

void StringList::SetText(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    lines_ = std::move(lines);
    Changed();
}

void StringList::BeginUpdate() { ++updateCount_; }

void StringList::EndUpdate() {
    if (updateCount_ == 0) return;
    if (--updateCount_ == 0 && changedWhileUpdating_) {
        changedWhileUpdating_ = false;
        if (OnChange) OnChange();
    }
}

void StringList::Changed() {
    if (updateCount_ > 0) {
        changedWhileUpdating_ = true;
        return;
    }
    if (OnChange) OnChange();
}

} // namespace fw
