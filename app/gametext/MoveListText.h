#pragma once
// Text rules of the window's two move lists: the visible entry made from a
// line of the board's move list, its check/mate/draw annotation, and reading
// an annotation back. Plain C++ without Qt.

#include <string>
#include <string_view>

namespace tablerix {

class MoveListText {
public:
    // Annotation words as the user sees them.
    static constexpr std::string_view kJaque = "Jaque";
    static constexpr std::string_view kJaqueMate = "Jaque Mate";
    static constexpr std::string_view kTablas = "Tablas";

    // A fresh visible entry: the board's line cut to 40 characters.
    static std::string VisibleEntry(std::string_view boardLine);
    // The first 20 characters of the board's line, three blanks and the word,
    // the whole cut to 50 characters.
    static std::string Annotated(std::string_view boardLine, std::string_view word);
    // The text after the move (after its destination square), at most 20
    // characters, trimmed of surrounding blanks; empty when there is none.
    // The move is found by its hyphen, so three-digit move numbers and
    // Black's indented lines read alike.
    static std::string AnnotationOf(std::string_view entry);
    // Surrounding blanks removed.
    static std::string Trim(std::string_view text);
};

}  // namespace tablerix
