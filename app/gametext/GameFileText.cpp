#include "GameFileText.h"

#include <algorithm>
#include <utility>

namespace tablerix {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

GameFileText::GameFileText(std::u16string text) : text_(std::move(text)) {
    SplitLines();
    FindSections();
}

void GameFileText::SplitLines() {
    const std::size_t n = text_.size();
    std::size_t start = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t c = text_[i];
        if (c != u'\r' && c != u'\n') continue;
        lines_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(i - start)});
        if (c == u'\r' && i + 1 < n && text_[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    if (start < n) lines_.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(n - start)});
}

void GameFileText::FindSections() {
    replayEnd_ = LineCount();
    for (int i = 0; i < LineCount(); ++i) {
        if (GameFileFormat::IsMarkerLine(Line(i))) {
            replayEnd_ = i;
            break;
        }
    }

    const int times = FindFirst(GameFileFormat::kTimesMarker, 0);
    if (times >= 0 && times + 1 < LineCount()) settingsLine_ = times + 1;

    const int entries = FindFirst(GameFileFormat::kEntriesMarker, 0);
    if (entries >= 0) {
        entriesBegin_ = entries + 1;
        const int end = FindFirst(GameFileFormat::kNotesMarker, entriesBegin_);
        entriesEnd_ = end >= 0 ? end : LineCount();
    }

    const int notes = FindFirst(GameFileFormat::kNotesMarker, 0);
    if (notes >= 0) notesBegin_ = notes + 1;
}

std::u16string_view GameFileText::Line(int i) const {
    if (i < 0 || i >= LineCount()) return {};
    const Span s = lines_[static_cast<std::size_t>(i)];
    return std::u16string_view(text_).substr(s.Pos, s.Len);
}

int GameFileText::FindFirst(std::u16string_view marker, int from) const {
    for (int i = std::max(from, 0); i < LineCount(); ++i) {
        if (Line(i).starts_with(marker)) return i;
    }
    return -1;
}

std::optional<std::u16string_view> GameFileText::ClockField(int k) const {
    if (!HasSettings() || k < 0 || k >= GameFileFormat::kClockFields) return std::nullopt;
    const std::u16string_view line = Line(settingsLine_);
    const auto col = static_cast<std::size_t>(2 * k);
    if (col + 2 > line.size() || !IsDigit(line[col]) || !IsDigit(line[col + 1])) return std::nullopt;
    return line.substr(col, 2);
}

std::optional<int> GameFileText::Choice(int k) const {
    if (!HasSettings() || k < 0 || k >= GameFileFormat::kChoiceCount) return std::nullopt;
    const std::u16string_view line = Line(settingsLine_);
    const auto col = static_cast<std::size_t>(2 * GameFileFormat::kClockFields + k);
    if (col >= line.size() || !IsDigit(line[col])) return std::nullopt;
    const int v = line[col] - u'0';
    if (v >= GameFileFormat::kChoiceItems[static_cast<std::size_t>(k)]) return std::nullopt;
    return v;
}

bool GameFileText::SettingsComplete() const {
    for (int k = 0; k < GameFileFormat::kClockFields; ++k) {
        if (!ClockField(k)) return false;
    }
    for (int k = 0; k < GameFileFormat::kChoiceCount; ++k) {
        if (!Choice(k)) return false;
    }
    return true;
}

std::vector<std::u16string> GameFileText::CutLines(int begin, int end, int width) const {
    std::vector<std::u16string> out;
    if (begin < 0) return out;
    out.reserve(static_cast<std::size_t>(std::max(end - begin, 0)));
    for (int i = begin; i < end; ++i) out.push_back(GameFileFormat::Cut(Line(i), static_cast<std::size_t>(width)));
    return out;
}

std::vector<std::u16string> GameFileText::Entries() const {
    return CutLines(entriesBegin_, entriesEnd_, GameFileFormat::kEntryWidth);
}

std::vector<std::u16string> GameFileText::NotesLines() const {
    return CutLines(notesBegin_, LineCount(), GameFileFormat::kNotesLineWidth);
}

}  // namespace tablerix
