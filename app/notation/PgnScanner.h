#pragma once
// A cursor over PGN text for the reader: blanks, comments, variations, tag
// pairs and symbols, each read in one step. It never looks past `limit`
// bytes, so a game that does not end there is recognised without reading
// the rest of a large file. Returned views point into the caller's text.
// Owned by the reader; one thread.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

class PgnScanner {
public:
    // Reads text[0, min(limit, size)).
    PgnScanner(std::string_view text, std::size_t limit) noexcept;

    std::size_t Pos() const noexcept { return pos_; }
    bool AtEnd() const noexcept { return pos_ >= end_; }
    // At the end of what may be read while the text goes on past it.
    bool Cut() const noexcept { return AtEnd() && end_ < text_.size(); }
    char Peek() const noexcept { return AtEnd() ? '\0' : text_[pos_]; }
    bool AtLineStart() const noexcept { return pos_ == begin_ || text_[pos_ - 1] == '\n'; }

    void Advance(std::size_t n) noexcept;
    void SkipByteOrderMark() noexcept;
    void SkipBlanks() noexcept;
    void SkipLine() noexcept;  // past the next LF

    // At "{": the comment's text; the closing "}" is consumed when present.
    std::string_view BraceComment() noexcept;
    // At ";": the rest of the line, without its line end.
    std::string_view LineComment() noexcept;
    // At "(": skips the variation with those nested in it, and the comments
    // inside them (whose parentheses do not count).
    void SkipVariation() noexcept;

    struct RawTag {
        std::string Name;
        std::string Value;  // escapes resolved, not yet decoded
    };
    // At "[": a tag pair; nothing for a malformed one. Either way the cursor
    // ends past its "]" (or at its line end when there is none).
    std::optional<RawTag> TagPair();

    // A symbol: the bytes up to a blank or one of the self-delimiting
    // characters { } ( ) [ ] ; $ * < >.
    std::string_view Symbol() noexcept;

private:
    std::string_view text_;
    std::size_t end_;
    std::size_t begin_ = 0;  // past a byte-order mark
    std::size_t pos_ = 0;
};

}  // namespace tablerix
