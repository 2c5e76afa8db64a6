#include "GameFileFormat.h"

#include <algorithm>

namespace tablerix {

namespace {

constexpr std::u16string_view kCrLf = u"\r\n";

bool AllDigits(std::u16string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
}

std::u16string ClockText(std::u16string_view text, bool hours) {
    if (hours && text.size() > 2 && AllDigits(text)) return u"99";
    std::u16string out(text.substr(0, 2));
    out.insert(0, 2 - out.size(), u'0');
    return out;
}

// Any mix of CR LF, LF and CR (and the editor's paragraph and line
// separators) becomes CR LF.
void AppendWithCrLf(std::u16string& out, std::u16string_view text) {
    out.reserve(out.size() + text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r') {
            if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            out += kCrLf;
        } else if (c == u'\n' || c == u'\u2029' || c == u'\u2028') {
            out += kCrLf;
        } else {
            out += c;
        }
    }
}

// Up to n units from pos; nothing when the line ends before pos.
std::u16string_view Mid(std::u16string_view s, std::size_t pos, std::size_t n) {
    return pos > s.size() ? std::u16string_view() : s.substr(pos, n);
}

}  // namespace

std::u16string GameFileFormat::SettingsLine(const std::array<std::u16string, kClockFields>& clocks,
                                            const std::array<int, kChoiceCount>& choices) {
    std::u16string line;
    line.reserve(kSettingsWidth);
    for (int k = 0; k < kClockFields; ++k) line += ClockText(clocks[static_cast<std::size_t>(k)], k % 3 == 0);
    for (int v : choices) line += static_cast<char16_t>(u'0' + ((v >= 0 && v <= 9) ? v : 0));
    return line;
}

std::u16string GameFileFormat::Compose(const GameFileRecord& game) {
    std::u16string text;
    const auto add = [&text](std::u16string_view line) {
        text += line;
        text += kCrLf;
    };
    for (const std::u16string& line : game.MoveLines) add(line);
    add(kTimesMarker);
    add(SettingsLine(game.ClockTexts, game.Choices));
    add(kEntriesMarker);
    for (const std::u16string& entry : game.Entries) add(entry);
    add(kNotesMarker);
    AppendWithCrLf(text, game.Notes);
    return text;
}

bool GameFileFormat::IsMarkerLine(std::u16string_view line) noexcept {
    return line.starts_with(kNotesMarker) || line.starts_with(kTimesMarker) || line.starts_with(kEntriesMarker);
}

LineMove GameFileFormat::MoveOfLine(std::u16string_view line, int index) noexcept {
    if (!line.empty() && line.front() == u' ') return {Mid(line, 14, 2), Mid(line, 17, 2)};
    const std::size_t w = index < 18 ? 0 : (index < 198 ? 1 : 2);
    return {Mid(line, 3 + w, 2), Mid(line, 6 + w, 2)};
}

std::u16string GameFileFormat::Cut(std::u16string_view s, std::size_t n) {
    const auto highSurrogate = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    if (s.size() > n && n > 0 && highSurrogate(s[n - 1])) --n;
    return std::u16string(s.substr(0, n));
}

}  // namespace tablerix
