#include "TypedMove.h"

#include "Utf8Text.h"

namespace tablerix {

namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }
bool IsFile(char c) { return Lower(c) >= 'a' && Lower(c) <= 'h'; }
bool IsRank(char c) { return c >= '1' && c <= '8'; }

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// "E2-E4", "e7e8D" -> "e2-e4", "e7e8q": coordinates in lower case, a Spanish
// promotion letter as its English one. Anything else is left as typed, as
// SAN's piece letters depend on their case.
std::string Normalised(std::string_view text) {
    std::string s(text);
    std::size_t i = 0;
    const auto square = [&] {
        if (i + 1 >= s.size() || !IsFile(s[i]) || !IsRank(s[i + 1])) return false;
        i += 2;
        return true;
    };
    if (s.size() < 4 || !square()) return s;
    if (i < s.size() && s[i] == '-') ++i;
    if (!square()) return s;
    if (i + 1 < s.size()) return s;
    for (char& c : s) c = Lower(c);
    if (i < s.size()) {
        switch (s[i]) {
        case 'd': s[i] = 'q'; break;
        case 't': s[i] = 'r'; break;
        case 'a': s[i] = 'b'; break;
        case 'c': s[i] = 'n'; break;
        default: break;
        }
    }
    return s;
}

}  // namespace

San::Reading TypedMove::Read(const BoardPosition& position, std::string_view text) {
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.empty()) return {San::Error::Unreadable, {}};
    return San::Read(position, Normalised(trimmed));
}

std::string TypedMove::Refusal(std::string_view text, San::Error fault) {
    const std::string_view trimmed = Trimmed(text);
    const std::string shown = Utf8Text::Printable(trimmed);
    if (shown.empty()) return "Jugada vacía";
    return shown + ": " + San::Describe(fault);
}

}  // namespace tablerix
