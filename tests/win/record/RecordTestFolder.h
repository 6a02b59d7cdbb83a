#pragma once
// A fresh temporary folder as the working directory of one test; removed afterwards.

#include <windows.h>

#include <string>

class RecordTestFolder {
public:
    RecordTestFolder() {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        path_ = std::wstring(temp) + L"vornik-record-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(++counter);
        CreateDirectoryW(path_.c_str(), nullptr);
        wchar_t saved[MAX_PATH];
        GetCurrentDirectoryW(MAX_PATH, saved);
        saved_ = saved;
        SetCurrentDirectoryW(path_.c_str());
    }
    ~RecordTestFolder() {
        SetCurrentDirectoryW(saved_.c_str());
        WIN32_FIND_DATAW found;
        HANDLE h = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring file = path_ + L"\\" + found.cFileName;
                SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryW(file.c_str()); // only the empty ones tests make; "." and ".." stay
                else
                    DeleteFileW(file.c_str());
            } while (FindNextFileW(h, &found));
            FindClose(h);
        }
        RemoveDirectoryW(path_.c_str());
    }
    RecordTestFolder(const RecordTestFolder&) = delete;
    RecordTestFolder& operator=(const RecordTestFolder&) = delete;

    static bool Exists(const wchar_t* name) { return GetFileAttributesW(name) != INVALID_FILE_ATTRIBUTES; }

    static std::string Read(const wchar_t* name) {
        std::string bytes;
        HANDLE h = CreateFileW(name, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            return bytes;
        char chunk[4096];
        DWORD got = 0;
        while (ReadFile(h, chunk, sizeof chunk, &got, nullptr) && got > 0)
            bytes.append(chunk, got);
        CloseHandle(h);
        return bytes;
    }

    static void Write(const wchar_t* name, const std::string& bytes) {
        HANDLE h = CreateFileW(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(h);
    }

private:
    std::wstring path_;
    std::wstring saved_;
};
