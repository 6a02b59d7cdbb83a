#include "app/record/CipherLibrary.h"

#include "framework/core/Exception.h"

#include <windows.h>

namespace {

const char* const LibraryName = "encrypt.dll";

} // namespace

CipherLibrary& CipherLibrary::Instance() {
    static CipherLibrary library = [] {
        HMODULE module = LoadLibraryW(L"encrypt.dll");
        if (module == nullptr)
            throw fw::Exception(fw::Format("Cannot load %s (error %d)", LibraryName, static_cast<int>(GetLastError())));
        auto find = [module](const char* name) {
            FARPROC address = GetProcAddress(module, name);
            if (address == nullptr)
                throw fw::Exception(fw::Format("%s has no function %s", LibraryName, name));
            return reinterpret_cast<Function>(reinterpret_cast<void*>(address));
        };
        return CipherLibrary(find("JM"), find("UJM"));
    }();
    return library;
}

// The result points into the library's own buffer: it is copied before the next call.
std::optional<std::string> CipherLibrary::Call(Function function, const std::string& text) {
    const char* result = function(text.empty() ? nullptr : text.c_str());
    if (result == nullptr)
        return std::nullopt;
    return std::string(result);
}

std::optional<std::string> CipherLibrary::Encipher(const std::string& plain) { return Call(jm_, plain); }

std::optional<std::string> CipherLibrary::Decipher(const std::string& cipherText) { return Call(ujm_, cipherText); }
