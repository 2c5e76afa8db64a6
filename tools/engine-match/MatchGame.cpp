#include "MatchGame.h"

#include <sstream>

namespace tablerix {

namespace {

using std::chrono::milliseconds;

// An engine that has not answered this long after its clock ran out has
// lost anyway; waiting longer would only hold up the match.
constexpr milliseconds kGrace{2000};
constexpr milliseconds kReadyPatience{10000};

// The words of a "bestmove" line: the move and, when given, the ponder move.
std::pair<std::string, std::string> BestMoveWords(const std::string& line) {
    std::istringstream in(line);
    std::string word, best, ponder;
    in >> word >> best;
    if (in >> word && word == "ponder") in >> ponder;
    return {best, ponder};
}

}  // namespace

MatchGame::MatchGame(EngineChild& white, EngineChild& black, TimeControl control, std::vector<std::string> opening,
                     bool ponder)
    : control_(control), opening_(std::move(opening)), ponder_(ponder) {
    sides_[0].Engine = &white;
    sides_[1].Engine = &black;
}

std::string MatchGame::PositionCommand(const std::string& extra) const {
    std::string text = "position startpos";
    if (!moves_.empty() || !extra.empty()) text += " moves";
    for (const auto& m : moves_) text += ' ' + m;
    if (!extra.empty()) text += ' ' + extra;
    return text;
}

std::string MatchGame::ClockArguments() const {
    const auto ms = [](auto t) { return std::to_string(std::chrono::floor<milliseconds>(t).count()); };
    return "wtime " + ms(sides_[0].Left) + " btime " + ms(sides_[1].Left) + " winc " + ms(control_.Increment) +
           " binc " + ms(control_.Increment);
}

void MatchGame::EndPondering(Side& side) {
    if (!side.Pondering) return;
    side.Pondering = false;
    side.Engine->Send("stop");
    side.Engine->WaitFor("bestmove", EngineChild::Clock::now() + kReadyPatience);
}

void MatchGame::StartPondering(Side& side, const std::string& ponderMove) {
    if (ponderMove.empty() || !board_.IsLegal(ponderMove)) return;
    side.Engine->Send(PositionCommand(ponderMove));
    side.Engine->Send("go ponder " + ClockArguments());
    side.Pondering = true;
    side.PonderMove = ponderMove;
}

std::optional<std::string> MatchGame::AskMove(Side& side) {
    EngineChild& engine = *side.Engine;
    EngineChild::Clock::time_point start;
    const bool hit = side.Pondering && !moves_.empty() && moves_.back() == side.PonderMove;
    if (hit) {
        side.Pondering = false;
        start = EngineChild::Clock::now();
        engine.Send("ponderhit");
    } else {
        EndPondering(side);
        engine.Send(PositionCommand());
        start = EngineChild::Clock::now();
        engine.Send("go " + ClockArguments());
    }
    const auto line = engine.WaitFor("bestmove", start + side.Left + kGrace);
    const auto used = std::chrono::duration_cast<std::chrono::microseconds>(EngineChild::Clock::now() - start);
    if (log_) {
        *log_ << moves_.size() + 1 << (board_.WhiteToMove() ? " white " : " black ") << (hit ? "ponderhit" : "go")
              << " left " << side.Left.count() / 1000.0 << " ms, used " << used.count() / 1000.0 << " ms\n";
    }
    side.Left -= used;
    return line;
}

GameResult MatchGame::Play() {
    GameResult result;
    for (Side& side : sides_) {
        side.Left = control_.Base;
        side.Engine->Send("ucinewgame");
        side.Engine->Send("isready");
        if (!side.Engine->WaitFor("readyok", EngineChild::Clock::now() + kReadyPatience)) {
            result.Fault = true;
            result.Reason = "an engine is not ready";
            return result;
        }
    }
    for (const auto& move : opening_) {
        if (!board_.Play(move)) {
            result.Fault = true;
            result.Reason = "illegal opening move " + move;
            return result;
        }
        moves_.push_back(move);
    }

    for (;;) {
        if (const std::string ending = board_.Ending(); !ending.empty()) {
            result.Reason = ending;
            result.Score = board_.EndingScore();
            break;
        }
        if (result.Plies >= kMaxPlies) {
            result.Reason = "ply limit";
            break;
        }
        const int mover = board_.WhiteToMove() ? 0 : 1;
        const int loserScore = mover == 0 ? -1 : 1;
        Side& side = sides_[mover];
        const auto line = AskMove(side);
        result.LeastLeft[mover] = std::min(result.LeastLeft[mover], std::chrono::floor<milliseconds>(side.Left));
        if (side.Left < milliseconds(0)) {
            result.Score = loserScore;
            result.LostOnTime = true;
            result.Reason = "loss on time";
            break;
        }
        if (!line) {
            result.Score = loserScore;
            result.Fault = true;
            result.Reason = "no answer";
            break;
        }
        side.Left += control_.Increment;
        const auto [best, ponderMove] = BestMoveWords(*line);
        if (!board_.Play(best)) {
            result.Score = loserScore;
            result.Fault = true;
            result.Reason = "illegal move '" + best + "'";
            break;
        }
        moves_.push_back(best);
        ++result.Plies;
        if (ponder_) StartPondering(side, ponderMove);
    }
    for (Side& side : sides_) EndPondering(side);
    result.Moves = moves_;
    return result;
}

}  // namespace tablerix
