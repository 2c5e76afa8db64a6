#include "MoveListText.h"

namespace tablerix {

std::string MoveListText::VisibleEntry(std::string_view boardLine) { return std::string(boardLine.substr(0, 40)); }

std::string MoveListText::Annotated(std::string_view boardLine, std::string_view word) {
    std::string entry(boardLine.substr(0, 20));
    entry += "   ";
    entry += word;
    if (entry.size() > 50) entry.resize(50);
    return entry;
}

std::string MoveListText::AnnotationOf(std::string_view entry) {
    const auto dash = entry.find('-');
    // The destination square is the two characters after the hyphen.
    if (dash == std::string_view::npos || dash + 3 > entry.size()) return {};
    return Trim(entry.substr(dash + 3, 20));
}

std::string MoveListText::Trim(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return std::string(text.substr(first, last - first + 1));
}

}  // namespace tablerix
