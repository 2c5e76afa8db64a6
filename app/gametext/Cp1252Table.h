#pragma once
// The Windows-1252 code page as one table: the 8-bit encoding game files were
// always written in, and the one PGN files from other programs often use.
// Qt 6 core has no codec for it. The five bytes the code page leaves
// undefined map to the C1 control characters of the same value, so every
// byte round-trips. Pure functions; any thread.

namespace tablerix {

class Cp1252Table {
public:
    // Character of one byte; every byte has one.
    static char16_t CharOf(unsigned char b) noexcept;
    // Byte for one character, or -1 when the code page has none. Takes a
    // whole code point, so a UTF-16 unit and a decoded character both fit.
    static int ByteOf(char32_t c) noexcept;
};

}  // namespace tablerix
