#pragma once
// The board component: a Qt control over the rules core. It draws the board
// (view/), takes mouse moves (view/) and runs the engine on a worker thread
// (engine/). All members are for the user-interface thread.

#include "ChessBrdCore.h"

#include <QWidget>

namespace tablerix {

class TChessBrd : public QWidget, public ChessBrdCore {
    Q_OBJECT
public:
    explicit TChessBrd(QWidget* parent = nullptr);
    ~TChessBrd() override;

    // View seams.
    void Paint() override;
    void RepaintSquare(Square sq) override;
    void DrawPiece(Square sq, char letter) override;
    void DrawGrid() override;
    void AnimateMove(Square fromSq, Square toSq, int delay) override;

    // Engine seams.
    void StopThinking() override;
    void StartThinking() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace tablerix
