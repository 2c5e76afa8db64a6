#pragma once
// A move typed at the board: coordinates ("e2e4", "E2-E4", "e7e8q", with a
// Spanish promotion letter too: "e7e8d"), in any case, or SAN with English
// or Spanish piece letters ("Nf3", "Cf3", "Dxd7+", "O-O", "0-0-0", "exd5").
// Blanks around it are ignored. Pure functions; any thread.

#include "BoardPosition.h"
#include "San.h"

#include <string>
#include <string_view>

namespace tablerix {

class TypedMove {
public:
    // The move text names in position, or why it names none (San's faults;
    // an empty text is Unreadable). Promotion is set for a promoting move.
    static San::Reading Read(const BoardPosition& position, std::string_view text);
    // A short Spanish sentence for a refused entry: "e2e5: jugada ilegal".
    static std::string Refusal(std::string_view text, San::Error fault);
};

}  // namespace tablerix
