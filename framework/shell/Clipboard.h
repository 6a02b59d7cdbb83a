#pragma once
// The clipboard as plain text. The model's GBK text goes onto the clipboard as Unicode text
// (CF_UNICODETEXT), so every program reads it right whatever its code page; the system offers
// the other text formats from it. Reading takes the Unicode text back to GBK (characters GBK
// lacks become '?').

#include <windows.h>

#include <string>

namespace fw {

class Clipboard {
public:
    // Empties the clipboard and puts `gbk` on it (up to a NUL byte, which ends text there).
    // Raises fw::Exception when the clipboard cannot be opened or written.
    static void SetAsText(const std::string& gbk);
    // The text on the clipboard, empty when there is none.
    static std::string AsText();
    static bool HasText();
    // Empties the clipboard.
    static void Clear();

private:
    // Opens the clipboard, retrying briefly while another program holds it.
    static void Open();
};

} // namespace fw
