#pragma once
// Bytes of a PGN file as UTF-8. Files from other programs are often in an
// 8-bit code page; a text that is not valid UTF-8 is read as Windows-1252
// (Latin-1 with printable characters in 0x80..0x9F). Pure functions; any thread.

#include <string>
#include <string_view>

namespace tablerix {

class Utf8Text {
public:
    // Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
    static bool IsValid(std::string_view bytes) noexcept;
    // Every byte one character of Windows-1252; the five bytes it leaves
    // undefined become the C1 control characters of the same value.
    static std::string FromCp1252(std::string_view bytes);
    // bytes unchanged when valid UTF-8, else read as Windows-1252.
    static std::string Decode(std::string_view bytes) {
        return IsValid(bytes) ? std::string(bytes) : FromCp1252(bytes);
    }
    // text with every ASCII control character (NUL, ESC, DEL ...) shown as
    // "?", so a message never echoes one.
    static std::string Printable(std::string_view text);
};

}  // namespace tablerix
