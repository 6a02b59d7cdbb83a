#include "app/record/RecordFile.h"

#include "app/record/CipherLibrary.h"
#include "framework/core/Exception.h"
#include "framework/core/WideText.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

// Enough to see a 51st node record: the loader refuses more than 50, so nothing after it matters.
constexpr DWORD ReadLimit = (1 + EntryBook::MaxNodes + 1) * EntryRecord::Size;

EntryRecord& SharedBuffer() {
    static EntryRecord buffer;
    return buffer;
}

// Full path of a record file that could not be read at start-up and is not yet kept elsewhere.
std::wstring& UnreadablePending() {
    static std::wstring path;
    return path;
}

std::wstring FullPath(const std::wstring& name) {
    const DWORD n = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return name;
    std::wstring full(n, L'\0');
    const DWORD written = GetFullPathNameW(name.c_str(), n, full.data(), nullptr);
    full.resize(written < n ? written : 0);
    return full.empty() ? name : full;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

[[noreturn]] void ThrowIo(DWORD error) { throw fw::Exception(RecordIoMessage(error)); }

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return h_; }
    bool Valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool Close() {
        const bool ok = !Valid() || CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

// Reads at most ReadLimit bytes; a file that ends early simply gives fewer bytes. 0 or an error code.
DWORD ReadStart(HANDLE file, std::string& bytes) {
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size))
        return GetLastError();
    bytes.resize(static_cast<size_t>(std::min<LONGLONG>(size.QuadPart, ReadLimit)));
    size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        if (!ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr))
            return GetLastError();
        if (got == 0)
            break;
        done += got;
    }
    bytes.resize(done);
    return 0;
}

// Copies `path` to the first free name of "<path>.unreadable", "<path>.unreadable.2", ...; gives the
// name used (without folder), or the error that stopped it. A missing source counts as kept.
DWORD KeepUnreadable(const std::wstring& path, std::wstring& keptName) {
    for (int n = 1; n < 1000; ++n) {
        std::wstring target = path + L".unreadable";
        if (n > 1)
            target += L"." + std::to_wstring(n);
        if (CopyFileW(path.c_str(), target.c_str(), TRUE)) {
            keptName = target.substr(target.find_last_of(L"\\/") + 1);
            return 0;
        }
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS)
            continue;
        return error == ERROR_FILE_NOT_FOUND ? 0 : error;
    }
    return ERROR_FILE_EXISTS;
}

// Appends to `error` what became of the unreadable file; remembers it if it could not be kept yet.
void KeepForError(const std::wstring& path, std::string& error) {
    std::wstring keptName;
    const DWORD failure = KeepUnreadable(path, keptName);
    if (failure == 0 && !keptName.empty()) {
        error += fw::Format("\nThe unreadable file was kept as \"%s\".", fw::WideToGbk(keptName).c_str());
    } else if (failure != 0) {
        UnreadablePending() = path;
        error += fw::Format("\nThe unreadable file could not be kept (%s); it will not be overwritten until it is.",
                            RecordIoMessage(failure).c_str());
    }
}

// Before the first save over a record file that could not be read, keeps it under a free name.
void KeepIfPending(const std::wstring& path) {
    std::wstring& pending = UnreadablePending();
    if (pending.empty() || !SamePath(pending, path))
        return;
    std::wstring keptName;
    const DWORD failure = KeepUnreadable(path, keptName);
    if (failure != 0)
        throw fw::Exception(fw::Format("%s\nThe unreadable record file could not be kept, so it was not overwritten.",
                                       RecordIoMessage(failure).c_str()));
    pending.clear();
}

// Replaces the contents of `path` in one step: a flushed temporary file in the same folder is moved
// over it. The read-only attribute is honoured as the user's protection.
void ReplaceContents(const std::wstring& path, const std::string& bytes) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        ThrowIo(ERROR_ACCESS_DENIED);

    // A temporary file left behind by an interrupted save is ours to replace, even if marked read-only.
    const std::wstring temporary = path + L".tmp";
    SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        ThrowIo(GetLastError());
    auto fail = [&](DWORD error) {
        file.Close();
        DeleteFileW(temporary.c_str());
        ThrowIo(error);
    };
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        fail(GetLastError());
    if (written != bytes.size())
        fail(ERROR_DISK_FULL);
    if (!FlushFileBuffers(file.Get()) || !file.Close())
        fail(GetLastError());
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        fail(GetLastError());
}

} // namespace

std::string RecordIoMessage(unsigned long error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
        return "File access denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return "Disk full";
    default:
        return fw::Format("I/O error %d", static_cast<int>(error));
    }
}

RecordLoadResult LoadRecordFile(EntryBook& book) {
    const std::wstring path = FullPath(fw::GbkToWide(RecordFileName));
    RecordLoadResult result;
    Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr));
    if (!file.Valid()) {
        // A file that exists but is locked or denied is not lost by a later save: it is kept first.
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND)
            UnreadablePending() = path;
        book.StyleNumber = 1;
        result.FirstStart = true;
        result.StyleNumber = 1;
        return result;
    }

    std::string bytes;
    const DWORD readError = ReadStart(file.Get(), bytes);
    file.Close();
    if (readError != 0) {
        result.Error = RecordIoMessage(readError);
    } else {
        try {
            result = DecodeRecordFile(bytes, CipherLibrary::Instance(), SharedBuffer(), book);
        } catch (const fw::Exception& e) {
            // Without the cipher nothing can be saved either, so the file is safe as it is.
            result.Error = e.Message();
            return result;
        }
    }
    if (!result.Error.empty())
        KeepForError(path, result.Error);
    return result;
}

namespace {

// Lays `fields` into the shared buffer and replaces the file `name` with them.
void WriteEnciphered(const std::string& name, const EncipheredBook& fields) {
    const std::wstring path = FullPath(fw::GbkToWide(name));
    const std::string bytes = LayRecordFile(fields, SharedBuffer());
    KeepIfPending(path);
    ReplaceContents(path, bytes);
}

} // namespace

void WriteRecordFile(const std::string& name, EntryBook& book) {
    WriteEnciphered(name, EncipherBook(book, CipherLibrary::Instance()));
}

void SaveRecordFiles(EntryBook& book) {
    // Enciphered once: both files hold the same fields.
    const EncipheredBook fields = EncipherBook(book, CipherLibrary::Instance());
    WriteEnciphered(RecordFileName, fields);
    WriteEnciphered(BackupFileName, fields);
}
