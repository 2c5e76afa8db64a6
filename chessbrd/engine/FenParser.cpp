#include "FenParser.h"

#include "SearchBoard.h"

#include <sstream>
#include <vector>

namespace tablerix {

namespace {

std::vector<std::string> Fields(std::string_view text) {
    std::vector<std::string> fields;
    std::istringstream in{std::string(text)};
    for (std::string word; in >> word;) fields.push_back(word);
    return fields;
}

bool IsCount(const std::string& s) {
    if (s.empty() || s.size() > 6) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace

PositionSnapshot FenParser::StartPosition() {
    PositionSnapshot pos;
    for (int s = 0; s < 64; ++s) pos.Squares[s] = kStartPosition[s];
    pos.WhiteToMove = true;
    pos.Castling = CastleSet::All();
    pos.EnPassant = Square::None;
    return pos;
}

bool FenParser::Parse(std::string_view fen, PositionSnapshot& pos, std::string& error) {
    const std::vector<std::string> f = Fields(fen);
    if (f.size() != 4 && f.size() != 6) {
        error = "FEN needs 4 or 6 fields";
        return false;
    }

    PositionSnapshot result;
    result.Squares.fill(' ');
    int rank = 0;
    int file = 0;
    int kings[2] = {0, 0};
    for (char c : f[0]) {
        if (c == '/') {
            if (file != 8 || rank == 7) {
                error = "FEN rank " + std::to_string(8 - rank) + " is not 8 squares";
                return false;
            }
            ++rank;
            file = 0;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
            if (file > 8) {
                error = "FEN rank " + std::to_string(8 - rank) + " is longer than 8 squares";
                return false;
            }
        } else if (std::string_view("PNBRQKpnbrqk").find(c) != std::string_view::npos) {
            if (file >= 8) {
                error = "FEN rank " + std::to_string(8 - rank) + " is longer than 8 squares";
                return false;
            }
            if ((c == 'P' || c == 'p') && (rank == 0 || rank == 7)) {
                error = "FEN has a pawn on the first or last rank";
                return false;
            }
            if (c == 'K') ++kings[0];
            if (c == 'k') ++kings[1];
            result.Squares[rank * 8 + file] = c;
            ++file;
        } else {
            error = std::string("FEN has an unknown piece letter '") + c + "'";
            return false;
        }
    }
    if (rank != 7 || file != 8) {
        error = "FEN placement does not describe 8 ranks of 8 squares";
        return false;
    }
    if (kings[0] != 1 || kings[1] != 1) {
        error = "FEN must have exactly one king of each colour";
        return false;
    }

    if (f[1] != "w" && f[1] != "b") {
        error = "FEN side to move must be w or b";
        return false;
    }
    result.WhiteToMove = f[1] == "w";

    if (f[2] != "-") {
        for (char c : f[2]) {
            CanStillCastle right{};
            switch (c) {
                case 'K': right = CanStillCastle::WhiteKingSide; break;
                case 'Q': right = CanStillCastle::WhiteQueenSide; break;
                case 'k': right = CanStillCastle::BlackKingSide; break;
                case 'q': right = CanStillCastle::BlackQueenSide; break;
                default: error = "FEN castling field must be - or letters from KQkq"; return false;
            }
            if (result.Castling.Contains(right)) {
                error = "FEN castling field repeats a letter";
                return false;
            }
            result.Castling.Add(right);
        }
    }

    if (f[3] != "-") {
        const std::string& ep = f[3];
        if (ep.size() != 2 || ep[0] < 'a' || ep[0] > 'h' || ep[1] < '1' || ep[1] > '8') {
            error = "FEN en passant square must be - or a square";
            return false;
        }
        result.EnPassant = ToSquare((8 - (ep[1] - '0')) * 8 + (ep[0] - 'a') + 1);
    }

    if (f.size() == 6 && (!IsCount(f[4]) || !IsCount(f[5]))) {
        error = "FEN move counters must be numbers";
        return false;
    }

    // The side that has just moved cannot have left its king attacked.
    SearchBoard board;
    board.Load(result);
    if (board.InCheck(board.Opponent)) {
        error = "FEN leaves the side not to move in check";
        return false;
    }
    // An en passant square that no pawn can just have passed over means
    // nothing: the engine has dropped it, and so does the position read.
    if (board.EnPassantSquare < 0) result.EnPassant = Square::None;

    pos = result;
    return true;
}

}  // namespace tablerix
