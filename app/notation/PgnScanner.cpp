#include "PgnScanner.h"

#include <algorithm>

namespace tablerix {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
bool Delimits(char c) { return IsBlank(c) || std::string_view("{}()[];$*<>").find(c) != std::string_view::npos; }

}  // namespace

PgnScanner::PgnScanner(std::string_view text, std::size_t limit) noexcept
    : text_(text), end_(std::min(limit, text.size())) {}

void PgnScanner::Advance(std::size_t n) noexcept { pos_ = std::min(pos_ + n, end_); }

void PgnScanner::SkipByteOrderMark() noexcept {
    if (pos_ == 0 && end_ >= 3 && text_.substr(0, 3) == "\xEF\xBB\xBF") begin_ = pos_ = 3;
}

void PgnScanner::SkipBlanks() noexcept {
    while (!AtEnd() && IsBlank(text_[pos_])) ++pos_;
}

void PgnScanner::SkipLine() noexcept {
    while (!AtEnd() && text_[pos_] != '\n') ++pos_;
    Advance(1);
}

std::string_view PgnScanner::BraceComment() noexcept {
    const std::size_t start = pos_ + 1;
    std::size_t close = text_.substr(0, end_).find('}', start);
    if (close == std::string_view::npos) {
        pos_ = end_;
        return text_.substr(std::min(start, end_), end_ - std::min(start, end_));
    }
    pos_ = close + 1;
    return text_.substr(start, close - start);
}

std::string_view PgnScanner::LineComment() noexcept {
    const std::size_t start = pos_ + 1;
    SkipLine();
    std::string_view line = text_.substr(start, pos_ - std::min(start, pos_));
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

void PgnScanner::SkipVariation() noexcept {
    int depth = 0;
    while (!AtEnd()) {
        const char c = text_[pos_];
        if (c == '{') {
            BraceComment();
            continue;
        }
        if (c == ';') {
            SkipLine();
            continue;
        }
        ++pos_;
        if (c == '(') ++depth;
        if (c == ')' && --depth == 0) return;
    }
}

std::optional<PgnScanner::RawTag> PgnScanner::TagPair() {
    ++pos_;  // "["
    const auto skipSpaces = [this] {
        while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    };
    const auto finish = [this] {
        while (!AtEnd() && text_[pos_] != ']' && text_[pos_] != '\n') ++pos_;
        if (!AtEnd() && text_[pos_] == ']') ++pos_;
    };
    skipSpaces();
    RawTag tag;
    while (!AtEnd() && !IsBlank(text_[pos_]) && text_[pos_] != '"' && text_[pos_] != ']') tag.Name += text_[pos_++];
    skipSpaces();
    if (tag.Name.empty() || Peek() != '"') {
        finish();
        return std::nullopt;
    }
    ++pos_;
    while (!AtEnd() && text_[pos_] != '"' && text_[pos_] != '\n' && text_[pos_] != '\r') {
        if (text_[pos_] == '\\' && pos_ + 1 < end_ && (text_[pos_ + 1] == '"' || text_[pos_ + 1] == '\\')) ++pos_;
        tag.Value += text_[pos_++];
    }
    finish();
    return tag;
}

std::string_view PgnScanner::Symbol() noexcept {
    const std::size_t start = pos_;
    while (!AtEnd() && !Delimits(text_[pos_])) ++pos_;
    return text_.substr(start, pos_ - start);
}

}  // namespace tablerix
