#pragma once
// Writes a game in PGN export format: the Seven Tag Roster in order, the
// further tags in ASCII order of their names, a blank line, the notes as
// one comment, the moves in SAN with move numbers, the result, and a blank
// line at the end. UTF-8 without a byte-order mark, LF line ends, movetext
// lines shorter than 80 columns (a notes line longer than that is kept
// whole, so the notes come back as they were). Pure functions; any thread.

#include "PgnTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace tablerix {

class PgnWriter {
public:
    static constexpr const char* kEvent = "Partida de Tablerix";
    static constexpr std::size_t kMaxLine = 79;  // columns of a movetext line

    // The game's text; nothing when one of its moves is not legal in turn
    // from the starting position (as the board judges it), or when the text
    // would be longer than the reader takes (PgnReader::kMaxGameBytes).
    static std::optional<std::string> Write(const PgnExport& game);

    // A tag value between its quotes: backslash and quote escaped, line
    // breaks made blanks.
    static std::string EscapeTagValue(std::string_view value);
    // Notes as the text of a brace comment: "{" and "}" become "(" and ")",
    // line ends become LF.
    static std::string CommentText(std::string_view notes);
};

}  // namespace tablerix
