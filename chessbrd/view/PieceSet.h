#pragma once
// The piece pictures of the board. A set is one bitmap of 6 x 4 square cells:
// columns pawn, knight, bishop, rook, queen, king; row 0 the white pieces,
// row 1 their masks, row 2 the black pieces, row 3 their masks. A pure white
// mask pixel is transparent, any other colour opaque. PieceSet keeps the
// built-in set, an optional custom set (its own copies), and the twelve
// images cut from the active one. Owned by TChessBrd; user-interface thread.

#include "PieceLetters.h"

#include <QImage>

#include <optional>
#include <vector>

namespace tablerix {

class PieceSet {
public:
    // Built-in set compiled into the program (240 x 160, 40-pixel cells).
    static constexpr const char* kDefaultResource = ":/pieces/SETORVANE40.png";
    static constexpr const char* kLetters = kPieceLetters;

    // Present with a width and height above zero.
    static bool IsUsableBitmap(const QImage& bitmap) noexcept;
    // Usable and exactly one and a half times as wide as high.
    static bool IsPieceSetShape(const QImage& bitmap) noexcept;

    // Loads the built-in set; a missing resource leaves it empty (no pieces).
    void LoadDefaultPieceSet();
    // No bitmap (nullopt) brings back the built-in set; a bitmap of the wrong
    // shape, an empty one included, is refused (false) and changes nothing.
    // Does not rebuild the images.
    bool SetCustomPieceSet(const std::optional<QImage>& set);
    const QImage& CustomPieceSet() const noexcept { return custom_; }
    const QImage& DefaultPieceSet() const noexcept { return default_; }
    // The custom set if it has the right shape, else the built-in one.
    const QImage& ActiveSet() const noexcept;

    // Rebuilds the twelve images and the cell size from the active set,
    // always from an empty list.
    void PreparePieceImages();
    int PieceCellSize() const noexcept { return cell_; }
    // k by k images in the order P N B R Q K p n b r q k, alpha from the masks.
    const std::vector<QImage>& PieceImages() const noexcept { return images_; }
    // Index of a piece letter's image (its place in kLetters); -1 for anything
    // that is not a piece, and for every letter before the first
    // PreparePieceImages.
    int ImageIndexOf(char letter) const noexcept;
    // The image of a piece letter; a null image for anything else.
    QImage ImageOf(char letter) const;

private:
    QImage default_;
    QImage custom_;
    int cell_ = 0;
    std::vector<QImage> images_;
};

}  // namespace tablerix
