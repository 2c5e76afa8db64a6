#include "Utf8Text.h"

#include "Cp1252Table.h"
#include "Utf8Check.h"

#include <cstdint>

namespace tablerix {

namespace {

void Append(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

bool Utf8Text::IsValid(std::string_view bytes) noexcept { return Utf8Check::IsValid(bytes); }

std::string Utf8Text::FromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    for (char c : bytes) Append(out, Cp1252Table::CharOf(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8Text::Printable(std::string_view text) {
    std::string shown(text);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    return shown;
}

}  // namespace tablerix
