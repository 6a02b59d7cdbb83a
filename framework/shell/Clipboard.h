#pragma once
// The clipboard as plain text. The model's GBK text goes onto the clipboard as Unicode text
// (CF_UNICODETEXT), so every program reads it right whatever its code page; the system offers
// the other text formats from it. Reading takes the Unicode text back to GBK (characters GBK
// lacks become '?').

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

class Clipboard {
public:
    // Data of a format registered by name (RegisterClipboardFormat), put next to the text.
    struct NamedData {
        std::string Name;
        std::vector<std::uint8_t> Bytes;
    };

    // Empties the clipboard and puts `gbk` on it (up to a NUL byte, which ends text there).
    // Raises fw::Exception when the clipboard cannot be opened or written.
    static void SetAsText(const std::string& gbk);
    // The same, with `extra` formats set in the same transaction: other programs see the text
    // and the extra formats together or not at all (a failure leaves the clipboard empty).
    static void SetAsText(const std::string& gbk, const std::vector<NamedData>& extra);
    // The text on the clipboard, empty when there is none.
    static std::string AsText();
    static bool HasText();
    // Empties the clipboard.
    static void Clear();

    // The system's count of clipboard changes; reading the clipboard leaves it as it is.
    static DWORD SequenceNumber();
    // Empties the clipboard only if its sequence number is still `sequence`, compared while
    // the clipboard is held open so that nobody writes in between. Returns whether it did.
    static bool ClearIfUnchanged(DWORD sequence);

private:
    // Opens the clipboard, retrying briefly while another program holds it.
    static void Open();
};

} // namespace fw
