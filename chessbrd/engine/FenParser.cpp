#include "FenParser.h"

#include "SearchBoard.h"

#include <array>
#include <sstream>
#include <utility>
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

bool Fail(std::string& error, std::string reason) {
    error = std::move(reason);
    return false;
}

// Where the placement field has got to: rank 0 is the eighth.
struct PlacementCursor {
    int Rank = 0;
    int File = 0;
    std::array<int, 2> Kings{};  // White's, Black's

    std::string RankName() const { return "FEN rank " + std::to_string(8 - Rank); }
};

bool EndRank(PlacementCursor& at, std::string& error) {
    if (at.File != 8 || at.Rank == 7) return Fail(error, at.RankName() + " is not 8 squares");
    ++at.Rank;
    at.File = 0;
    return true;
}

bool SkipEmptySquares(char digit, PlacementCursor& at, std::string& error) {
    at.File += digit - '0';
    if (at.File > 8) return Fail(error, at.RankName() + " is longer than 8 squares");
    return true;
}

bool PutPiece(char letter, PlacementCursor& at, PositionSnapshot& pos, std::string& error) {
    if (at.File >= 8) return Fail(error, at.RankName() + " is longer than 8 squares");
    if ((letter == 'P' || letter == 'p') && (at.Rank == 0 || at.Rank == 7))
        return Fail(error, "FEN has a pawn on the first or last rank");
    if (letter == 'K') ++at.Kings[0];
    if (letter == 'k') ++at.Kings[1];
    pos.Squares[at.Rank * 8 + at.File] = letter;
    ++at.File;
    return true;
}

bool ReadPlacementCharacter(char c, PlacementCursor& at, PositionSnapshot& pos, std::string& error) {
    if (c == '/') return EndRank(at, error);
    if (c >= '1' && c <= '8') return SkipEmptySquares(c, at, error);
    if (std::string_view("PNBRQKpnbrqk").find(c) != std::string_view::npos) return PutPiece(c, at, pos, error);
    return Fail(error, std::string("FEN has an unknown piece letter '") + c + "'");
}

bool ReadPlacement(const std::string& field, PositionSnapshot& pos, std::string& error) {
    pos.Squares.fill(' ');
    PlacementCursor at;
    for (char c : field)
        if (!ReadPlacementCharacter(c, at, pos, error)) return false;
    if (at.Rank != 7 || at.File != 8) return Fail(error, "FEN placement does not describe 8 ranks of 8 squares");
    if (at.Kings[0] != 1 || at.Kings[1] != 1) return Fail(error, "FEN must have exactly one king of each colour");
    return true;
}

bool ReadSideToMove(const std::string& field, PositionSnapshot& pos, std::string& error) {
    if (field != "w" && field != "b") return Fail(error, "FEN side to move must be w or b");
    pos.WhiteToMove = field == "w";
    return true;
}

bool ReadCastling(const std::string& field, PositionSnapshot& pos, std::string& error) {
    if (field == "-") return true;
    for (char c : field) {
        CanStillCastle right{};
        switch (c) {
        case 'K': right = CanStillCastle::WhiteKingSide; break;
        case 'Q': right = CanStillCastle::WhiteQueenSide; break;
        case 'k': right = CanStillCastle::BlackKingSide; break;
        case 'q': right = CanStillCastle::BlackQueenSide; break;
        default: return Fail(error, "FEN castling field must be - or letters from KQkq");
        }
        if (pos.Castling.Contains(right)) return Fail(error, "FEN castling field repeats a letter");
        pos.Castling.Add(right);
    }
    return true;
}

bool ReadEnPassant(const std::string& field, PositionSnapshot& pos, std::string& error) {
    if (field == "-") return true;
    if (field.size() != 2 || field[0] < 'a' || field[0] > 'h' || field[1] < '1' || field[1] > '8')
        return Fail(error, "FEN en passant square must be - or a square");
    pos.EnPassant = ToSquare((8 - (field[1] - '0')) * 8 + (field[0] - 'a') + 1);
    return true;
}

// The side that has just moved cannot have left its king attacked. An en
// passant square that no pawn can just have passed over means nothing: the
// engine drops it on loading, and so does the position read.
bool CheckPlausible(PositionSnapshot& pos, std::string& error) {
    SearchBoard board;
    board.Load(pos);
    if (board.InCheck(board.Opponent)) return Fail(error, "FEN leaves the side not to move in check");
    if (board.EnPassantSquare < 0) pos.EnPassant = Square::None;
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
    if (f.size() != 4 && f.size() != 6) return Fail(error, "FEN needs 4 or 6 fields");
    PositionSnapshot result;
    if (!ReadPlacement(f[0], result, error) || !ReadSideToMove(f[1], result, error) ||
        !ReadCastling(f[2], result, error) || !ReadEnPassant(f[3], result, error))
        return false;
    if (f.size() == 6 && (!IsCount(f[4]) || !IsCount(f[5]))) return Fail(error, "FEN move counters must be numbers");
    if (!CheckPlausible(result, error)) return false;
    pos = result;
    return true;
}

}  // namespace tablerix
