#pragma once
// Helpers for the rules-core tests: a FEN reader that sets a board through its
// properties, and a board that logs its events and view/engine seam calls.

#include "ChessBrdCore.h"
#include "support/Squares.h"

#include <string>
#include <vector>

namespace tablerix::test {

inline std::string Name(Square sq) {
    if (!IsOnBoard(sq)) return "--";
    return {static_cast<char>('a' + ChessBrdCore::FileOf(sq) - 1), static_cast<char>('0' + ChessBrdCore::RankOf(sq))};
}

// "rnbqkbnr/pppppppp/8/... w KQkq e3" -> Position, WhiteToMove,
// CastlingAllowed, EnPassant (after a ResetGame, so the record starts afresh).
inline void SetFen(ChessBrdCore& board, const std::string& fen) {
    board.ResetGame();
    std::string squares;
    std::size_t i = 0;
    for (; i < fen.size() && fen[i] != ' '; ++i) {
        const char c = fen[i];
        if (c >= '1' && c <= '8') squares.append(static_cast<std::size_t>(c - '0'), ' ');
        else if (c != '/') squares += c;
    }
    board.SetPosition(squares);
    const bool white = i + 1 >= fen.size() || fen[i + 1] != 'b';
    board.SetWhiteToMove(white);
    CastleSet castling;
    std::size_t j = fen.find(' ', i + 1);
    std::size_t k = j == std::string::npos ? std::string::npos : fen.find(' ', j + 1);
    const std::string rights = j == std::string::npos ? "" : fen.substr(j + 1, k - j - 1);
    for (char c : rights) {
        if (c == 'K') castling.Add(CanStillCastle::WhiteKingSide);
        if (c == 'Q') castling.Add(CanStillCastle::WhiteQueenSide);
        if (c == 'k') castling.Add(CanStillCastle::BlackKingSide);
        if (c == 'q') castling.Add(CanStillCastle::BlackQueenSide);
    }
    board.SetCastlingAllowed(castling);
    if (k != std::string::npos) board.SetEnPassant(Sq(fen.substr(k + 1, 2).c_str()));
}

// Logs every event as "Name(a,b)" and, when asked, every seam call.
class RecordingBoard : public ChessBrdCore {
public:
    explicit RecordingBoard(bool logSeams = false) : logSeams_(logSeams) {
        OnCapture = [this](ChessBrdCore&, Square a, Square b, char c) {
            log.push_back("Capture(" + Name(a) + "," + Name(b) + "," + std::string(1, c) + ")");
        };
        OnCastle = Move("Castle");
        OnCheck = Move("Check");
        OnDraw = Notify("Draw");
        OnLegalMove = Move("LegalMove");
        OnMate = Move("Mate");
        OnNoMatingMaterial = Notify("NoMatingMaterial");
        OnPaint = Notify("Paint");
        OnStaleMate = Move("StaleMate");
        OnThreefoldPosition = Notify("ThreefoldPosition");
        OnPromotion = [this](ChessBrdCore&, Square a, Square b, char& piece) {
            log.push_back("Promotion(" + Name(a) + "," + Name(b) + "," + std::string(1, piece) + ")");
            if (promoteTo != '\0') piece = promoteTo;
        };
    }

    // Plays "e2e4" style moves; stops at the first refusal.
    bool Play(std::initializer_list<const char*> moves) {
        for (const char* m : moves) {
            const std::string s(m);
            if (!PerformMove(Sq(s.substr(0, 2).c_str()), Sq(s.substr(2, 2).c_str()))) return false;
        }
        return true;
    }

    void Paint() override { Seam("Paint"); }
    void RepaintSquare(Square s) override { Seam("RepaintSquare(" + Name(s) + ")"); }
    void DrawPiece(Square s, char c) override { Seam("DrawPiece(" + Name(s) + "," + std::string(1, c) + ")"); }
    void DrawGrid() override { Seam("DrawGrid"); }
    void SlidePiece(Square a, Square b) override { Seam("SlidePiece(" + Name(a) + "," + Name(b) + ")"); }
    void StopThinking() override { Seam("StopThinking"); }
    void StartThinking() override { Seam("StartThinking"); }

    std::vector<std::string> log;
    char promoteTo = '\0';
    bool gameOverSeenInHandler = false;

private:
    TMoveEvent Move(const char* name) {
        return [this, name](ChessBrdCore& b, Square a, Square c) {
            if (b.GameOver()) gameOverSeenInHandler = true;
            log.push_back(std::string(name) + "(" + Name(a) + "," + Name(c) + ")");
        };
    }
    TNotifyEvent Notify(const char* name) {
        return [this, name](ChessBrdCore& b) {
            if (b.GameOver()) gameOverSeenInHandler = true;
            log.push_back(name);
        };
    }
    void Seam(const std::string& s) {
        if (logSeams_) log.push_back(s);
    }
    bool logSeams_;
};

}  // namespace tablerix::test
