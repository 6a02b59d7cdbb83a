// Median time to save a full 50-node book (both files) and to load it, in a temporary folder, with
// the encoding and deciphering measured apart from the file system's own cost.

#include "RecordTestFolder.h"
#include "app/record/CipherLibrary.h"
#include "app/record/RecordFile.h"
#include "framework/core/Exception.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 201;

EntryBook FullBook() {
    EntryBook book = EntryBook::Designed();
    book.StyleNumber = 2;
    book.Nodes.clear();
    const char* groups[] = {"网络", "软件", "生活"};
    for (int g = 0; g < 3; ++g) {
        book.Nodes.push_back({groups[g], 0, g + 1});
        while (book.Count() < (g + 1) * 50 / 3 && book.Count() < EntryBook::MaxNodes) {
            const bool sub = book.Count() % 4 == 3;
            book.Nodes.push_back({sub ? "子账号" + std::to_string(book.Count()) : "邮箱账号" + std::to_string(book.Count()),
                                  sub ? 2 : 1, sub ? 0 : 4});
        }
    }
    while (book.Count() < EntryBook::MaxNodes)
        book.Nodes.push_back({"记录" + std::to_string(book.Count()), 1, 0});
    for (int i = 0; i < book.Count(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        book.Table.UserName[k] = "user" + std::to_string(i) + "@example.cn";
        book.Table.Password[k] = "Pa55-word-" + std::to_string(i * 7919);
        book.Table.UpdateTime[k] = "2024-12-31 23:59:" + std::to_string(10 + i % 50);
    }
    return book;
}

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

double MedianMicroseconds(const std::function<void()>& run) {
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        const double start = Now();
        run();
        times.push_back(Now() - start);
    }
    std::nth_element(times.begin(), times.begin() + Runs / 2, times.end());
    return times[Runs / 2];
}

// What the file system alone costs for one file: a flushed temporary file moved over the old one.
void WriteAlone(const wchar_t* name, const std::string& bytes) {
    const std::wstring temporary = std::wstring(name) + L".tmp";
    HANDLE h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    FlushFileBuffers(h);
    CloseHandle(h);
    MoveFileExW(temporary.c_str(), name, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

} // namespace

int main() {
    RecordTestFolder folder;
    EntryBook book = FullBook();
    try {
        SaveRecordFiles(book); // loads encrypt.dll
    } catch (const fw::Exception& e) {
        std::printf("bench_record: %s\n", e.Message().c_str());
        return 1;
    }
    const std::string bytes = RecordTestFolder::Read(L"record.lzw");
    EntryRecord buffer;
    RecordCipher& cipher = CipherLibrary::Instance();

    const double save = MedianMicroseconds([&] { SaveRecordFiles(book); });
    const double encode = MedianMicroseconds([&] {
        const EncipheredBook fields = EncipherBook(book, cipher);
        LayRecordFile(fields, buffer);
        LayRecordFile(fields, buffer);
    });
    const double writeAlone = MedianMicroseconds([&] {
        WriteAlone(L"record.lzw", bytes);
        WriteAlone(L"BackUp.lzw", bytes);
    });
    const double load = MedianMicroseconds([&] {
        EntryBook loaded = EntryBook::Designed();
        LoadRecordFile(loaded);
    });
    const double decode = MedianMicroseconds([&] {
        EntryBook loaded = EntryBook::Designed();
        DecodeRecordFile(bytes, cipher, buffer, loaded);
    });

    std::printf("bench_record: full %d-node book, %zu bytes per file, median of %d runs\n", book.Count(), bytes.size(),
                Runs);
    std::printf("  save both files   %8.1f us  (encoding and cipher %.1f us; file system alone %.1f us)\n", save, encode,
                writeAlone);
    std::printf("  load record.lzw   %8.1f us  (decoding and cipher %.1f us)\n", load, decode);
    return 0;
}
