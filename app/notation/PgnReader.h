#pragma once
// Reads the first game of a PGN text and stops at its end, so a database of
// any size opens at once: nothing past the first game is looked at, and a
// first game longer than kMaxGameBytes is refused without reading further.
// Tolerant of users' files: any tags, brace and line comments, NAGs and
// annotation glyphs, variations nested to any depth, move numbers written
// "12." "12..." or "12 ...", "%" escape lines, a byte-order mark, CR LF or
// LF, text in Windows-1252 instead of UTF-8. The game must start from the
// standard position (FEN and SetUp tags). The moves are checked against
// the rules only by PgnReplay. Pure functions; any thread.

#include "PgnTypes.h"

#include <cstddef>
#include <string_view>

namespace tablerix {

class PgnReader {
public:
    static constexpr std::size_t kMaxGameBytes = std::size_t{1} << 20;

    enum class Error {
        None,
        NoGame,        // not one well-formed tag pair and not one move
        NotText,       // NUL bytes or a UTF-16 byte-order mark: binary, UTF-16 or UTF-32
        TooLong,       // the first game does not end within kMaxGameBytes
        NotFromStart,  // a FEN (or SetUp without FEN) other than the standard start
    };
    struct Result {
        Error Fault = Error::None;
        PgnGameText Game;  // filled when Fault is None
        bool Ok() const noexcept { return Fault == Error::None; }
    };

    // text: the whole file, or at least its first kMaxGameBytes + 1 bytes.
    static Result ReadFirstGame(std::string_view text);

    // The message for a refusal, in the window's language.
    static const char* Describe(Error fault) noexcept;
};

}  // namespace tablerix
