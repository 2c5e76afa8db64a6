#include "GoParameters.h"

#include "EngineMove.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <string_view>

namespace tablerix {

namespace {

constexpr std::string_view kNumberWords[] = {"depth", "movetime",  "wtime", "btime", "winc",
                                             "binc",  "movestogo", "nodes", "mate",  "perft"};
constexpr std::size_t kMaxComplaints = 8;
constexpr std::string_view kFlagWords[] = {"infinite", "ponder", "searchmoves"};

bool IsKeyword(std::string_view word) {
    return std::find(std::begin(kNumberWords), std::end(kNumberWords), word) != std::end(kNumberWords) ||
           std::find(std::begin(kFlagWords), std::end(kFlagWords), word) != std::end(kFlagWords);
}

// A whole number; one out of range reads as the nearest representable one.
template <typename Int>
bool ParseWhole(const std::string& text, Int& value) {
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ptr != end || text.empty()) return false;
    if (ec == std::errc::result_out_of_range) {
        value = text[0] == '-' ? std::numeric_limits<Int>::min() : std::numeric_limits<Int>::max();
        return true;
    }
    return ec == std::errc();
}

}  // namespace

GoParameters GoParameters::Read(const std::vector<std::string>& words) {
    GoParameters go;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "infinite") {
            go.Infinite = true;
        } else if (word == "ponder") {
            go.Ponder = true;
        } else if (word == "searchmoves") {
            while (i + 1 < words.size() && !IsKeyword(words[i + 1])) go.SearchMoves.push_back(words[++i]);
            if (go.SearchMoves.empty()) go.Complaints.push_back("go searchmoves names no move");
        } else if (std::find(std::begin(kNumberWords), std::end(kNumberWords), word) != std::end(kNumberWords)) {
            if (word == "perft") go.Perft = true;
            // The value is taken unless it is the next keyword, so that one
            // missing number does not swallow the next parameter.
            std::int64_t n = 0;
            const bool hasValue = i + 1 < words.size() && !IsKeyword(words[i + 1]);
            const bool whole = hasValue && ParseWhole(words[i + 1], n);
            if (hasValue) ++i;
            if (!whole) {
                go.Complaints.push_back("go " + word + " needs a whole number");
                continue;
            }
            const int clipped = static_cast<int>(
                std::clamp<std::int64_t>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
            const int time = std::max(clipped, 0);
            if (word == "depth") go.Depth = clipped;
            else if (word == "perft") go.PerftDepth = clipped;
            else if (word == "movetime") go.MoveTime = time;
            else if (word == "wtime") go.Time[kWhite] = time;
            else if (word == "btime") go.Time[kBlack] = time;
            else if (word == "winc") go.Increment[kWhite] = time;
            else if (word == "binc") go.Increment[kBlack] = time;
            else if (word == "nodes") go.Nodes = static_cast<std::uint64_t>(std::max<std::int64_t>(n, 0));
            else if (clipped < 1) go.Complaints.push_back("go " + word + " needs a number of at least 1");
            else if (word == "movestogo") go.MovesToGo = clipped;
            else go.Mate = clipped;
        } else {
            go.Complaints.push_back("go ignores '" + word + "'");
        }
    }
    // Hostile input must not turn one line into thousands.
    if (go.Complaints.size() > kMaxComplaints) {
        const std::size_t more = go.Complaints.size() - kMaxComplaints;
        go.Complaints.resize(kMaxComplaints);
        go.Complaints.push_back("go: " + std::to_string(more) + " more words ignored");
    }
    return go;
}

}  // namespace tablerix
