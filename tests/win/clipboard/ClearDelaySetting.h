#pragma once
// The user's ClipboardClearSeconds value under HKEY_CURRENT_USER\Software\Vornik, replaced for
// one test and put back (or removed again) afterwards.

#include <windows.h>

#include <string>
#include <vector>

class ClearDelaySetting {
public:
    ClearDelaySetting() {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Vornik", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr);
        DWORD size = 0;
        if (RegQueryValueExW(key_, kName, nullptr, &savedType_, nullptr, &size) != ERROR_SUCCESS) return;
        saved_.resize(size);
        had_ = RegQueryValueExW(key_, kName, nullptr, &savedType_, saved_.data(), &size) == ERROR_SUCCESS;
    }
    ~ClearDelaySetting() {
        if (had_)
            RegSetValueExW(key_, kName, 0, savedType_, saved_.data(), static_cast<DWORD>(saved_.size()));
        else
            Remove();
        RegCloseKey(key_);
    }
    ClearDelaySetting(const ClearDelaySetting&) = delete;
    ClearDelaySetting& operator=(const ClearDelaySetting&) = delete;

    void Set(DWORD seconds) { Write(REG_DWORD, &seconds, sizeof(seconds)); }
    void Write(DWORD type, const void* bytes, DWORD size) {
        RegSetValueExW(key_, kName, 0, type, static_cast<const BYTE*>(bytes), size);
    }
    void Remove() { RegDeleteValueW(key_, kName); }

private:
    static constexpr const wchar_t* kName = L"ClipboardClearSeconds";
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD savedType_ = 0;
    std::vector<BYTE> saved_;
};
