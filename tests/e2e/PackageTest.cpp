// The release as a user gets it: the zip's vornik.exe started from the folder it was unpacked
// into, in an empty working folder, and the version resources and manifest of both binaries.
// scripts/lib/package-test unpacks the zip and names the folder in VORNIK_PACKAGE_DIR.

#include "E2ETestSupport.h"
#include "VornikVersion.h"

#include <cstdlib>
#include <vector>

namespace {

std::wstring PackageFolder() {
    const wchar_t* folder = _wgetenv(L"VORNIK_PACKAGE_DIR");
    return folder ? folder : L"";
}

class Package : public VornikTest {
protected:
    void SetUp() override {
        package_ = PackageFolder();
        ASSERT_FALSE(package_.empty()) << "VORNIK_PACKAGE_DIR names no unpacked package";
    }
    std::wstring package_;
};

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length) || value == nullptr)
        return L"(none)";
    return std::wstring(value, wcsnlen(value, length));
}

void ExpectVersion(const std::wstring& file, DWORD fileType) {
    SCOPED_TRACE(desktop::ToGbk(file));
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource";
    std::vector<BYTE> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(file.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    const DWORD ms = MAKELONG(VORNIK_VERSION_MINOR, VORNIK_VERSION_MAJOR);
    const DWORD ls = MAKELONG(0, VORNIK_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileVersionMS, ms);
    EXPECT_EQ(fixed->dwFileVersionLS, ls);
    EXPECT_EQ(fixed->dwProductVersionMS, ms);
    EXPECT_EQ(fixed->dwProductVersionLS, ls);
    EXPECT_EQ(fixed->dwFileType, fileType);

    const std::wstring version = desktop::FromGbk(VORNIK_VERSION_TEXT);
    EXPECT_EQ(VersionString(info, L"FileVersion"), version);
    EXPECT_EQ(VersionString(info, L"ProductVersion"), version);
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Vornik");
    EXPECT_NE(VersionString(info, L"FileDescription").find(L"Vornik"), std::wstring::npos);
}

TEST_F(Package, BothBinariesCarryTheBuildsVersion) {
    ExpectVersion(package_ + L"\\vornik.exe", VFT_APP);
    ExpectVersion(package_ + L"\\encrypt.dll", VFT_DLL);
}

TEST_F(Package, TheProgramsManifestRunsAsInvokerOnWindows7To11DpiUnaware) {
    HMODULE exe = LoadLibraryExW((package_ + L"\\vornik.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr) << "no manifest";
    const char* text = static_cast<const char*>(LockResource(LoadResource(exe, found)));
    const std::string manifest(text, SizeofResource(exe, found));
    FreeLibrary(exe);
    for (const char* expected : {"level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                                 "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                                 "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">false</dpiAware>",
                                 ">unaware</dpiAwareness>"})
        EXPECT_NE(manifest.find(expected), std::string::npos) << expected;
}

TEST_F(Package, UnpackedProgramSavesBothRecordFilesInAnEmptyWorkingFolder) {
    program_ = package_ + L"\\vornik.exe";
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_FALSE(Record().Exists);
    Select(TopLevel(0));
    Press(L"新建");
    const StoredBook record = Record();
    ASSERT_TRUE(record.Exists);
    ASSERT_EQ(record.Nodes.size(), 4u);
    EXPECT_EQ(record.Nodes[1].Caption, "新建记录");
    ExpectBothFilesEqual();
    Exit();
    // Nothing was written beside the unpacked program.
    EXPECT_EQ(GetFileAttributesW((package_ + L"\\record.lzw").c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
