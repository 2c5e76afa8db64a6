#pragma once
// Whether bytes are well-formed UTF-8: no overlong forms, no surrogates,
// nothing above U+10FFFF, no sequence cut short. Game files and PGN text
// both decide by it between UTF-8 and Windows-1252. Pure; any thread.

#include <string_view>

namespace tablerix {

class Utf8Check {
public:
    static bool IsValid(std::string_view bytes) noexcept;
    // Valid and holding at least one byte above 0x7F.
    static bool IsValidWithNonAscii(std::string_view bytes) noexcept;
};

}  // namespace tablerix
