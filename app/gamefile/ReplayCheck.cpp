#include "ReplayCheck.h"

#include "ScratchReplay.h"

namespace tablerix {

std::vector<ReplayCheck::Accepted> ReplayCheck::Run(const std::vector<Move>& moves) {
    ScratchReplay scratch;
    std::vector<Accepted> accepted;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move& m = moves[i];
        // Malformed squares are refused by the board anyway; skipping them
        // here keeps a file of junk lines quick.
        if (m.From == Square::None || m.To == Square::None) continue;
        if (scratch.Play(m)) accepted.push_back({i, m});
    }
    return accepted;
}

}  // namespace tablerix
