#pragma once
// The PGN result of the position a board shows: "1-0" or "0-1" after a mate,
// "1/2-1/2" after stalemate, insufficient material or a threefold
// repetition, otherwise "*". The same conditions and the same material
// weights as the board's own end-of-game tests, so the result agrees with
// what the window announced. Pure functions; the board's thread.

#include "ChessBrdCore.h"

#include <string>
#include <string_view>

namespace tablerix {

class GameResult {
public:
    static constexpr const char* kWhiteWins = "1-0";
    static constexpr const char* kBlackWins = "0-1";
    static constexpr const char* kDraw = "1/2-1/2";
    static constexpr const char* kUnfinished = "*";

    // Result of the shown position (works after stepping back too).
    static std::string Of(const ChessBrdCore& core);
    // One of the four result tokens.
    static bool IsResult(std::string_view text);
};

}  // namespace tablerix
