// encrypt.dll: JM enciphers, UJM deciphers one zero-terminated byte string (exported by encrypt.def).
//
// Both return a pointer into one buffer of the library that stays valid until the next call of
// either function; the caller copies the text and never frees it. A null or empty argument has no
// cipher text and gives null. Nothing may leave these functions as an exception: a failure gives null.

#include "cipher/CipherCore.h"

#include <cstring>
#include <string>

namespace {

std::string resultBuffer;

using Transform = void (*)(unsigned char*, std::size_t);

const char* Apply(const char* text, Transform transform) {
    if (text == nullptr || *text == '\0')
        return nullptr;
    try {
        resultBuffer.assign(text, std::strlen(text));
        transform(reinterpret_cast<unsigned char*>(resultBuffer.data()), resultBuffer.size());
        return resultBuffer.c_str();
    } catch (...) {
        return nullptr;
    }
}

} // namespace

extern "C" {

const char* __stdcall JM(const char* text) {
    return Apply(text, cipher::EncipherBytes);
}

const char* __stdcall UJM(const char* text) {
    return Apply(text, cipher::DecipherBytes);
}

} // extern "C"
