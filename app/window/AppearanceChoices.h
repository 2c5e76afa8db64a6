#pragma once
// The four appearance lists of the main window and what each item hands to
// the board: piece set, dark and light square textures, and lines between the
// squares. The pictures come from the program's built-in artwork through
// the window's AppearanceImages. User-interface thread only.

#include <QString>

namespace tablerix {

class AppearanceImages;
class TChessBrd;

class AppearanceChoices {
public:
    // Item index -> resource of its picture. "Piezas 1" is the board's own
    // set (no picture). The first texture item uses picture 2, the second
    // picture 1: the board's initial textures come first.
    static QString PieceSetResource(int index);  // empty for 0 and outside 0..3
    static QString DarkResource(int index);      // empty outside 0..2
    static QString LightResource(int index);

    // Each applies the selected index to the board, taking the picture from
    // images; any other index (no selection) changes nothing.
    static void ApplyPieceSet(TChessBrd& board, AppearanceImages& images, int index);
    static void ApplyDark(TChessBrd& board, AppearanceImages& images, int index);
    static void ApplyLight(TChessBrd& board, AppearanceImages& images, int index);
    static void ApplyLines(TChessBrd& board, int index);
};

}  // namespace tablerix
