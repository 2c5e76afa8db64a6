#include "AppearanceChoices.h"

#include "AppearanceImages.h"
#include "TChessBrd.h"

#include <optional>

namespace tablerix {

namespace {

QString Pick(int index, std::initializer_list<const char*> names) {
    if (index < 0 || index >= static_cast<int>(names.size())) return {};
    return QString::fromLatin1(names.begin()[index]);
}

}  // namespace

QString AppearanceChoices::PieceSetResource(int index) {
    return Pick(index, {"", ":/pieces/ImageFr40.png", ":/pieces/ImageCm36.png", ":/pieces/SetGen40.png"});
}

QString AppearanceChoices::DarkResource(int index) {
    return Pick(index,
                {":/textures/MarronOscuro2.png", ":/textures/MarronOscuro1.png", ":/textures/MarronOscuro3.png"});
}

QString AppearanceChoices::LightResource(int index) {
    return Pick(index, {":/textures/MarronClaro2.png", ":/textures/MarronClaro1.png", ":/textures/MarronClaro3.png"});
}

void AppearanceChoices::ApplyPieceSet(TChessBrd& board, AppearanceImages& images, int index) {
    if (index < 0 || index > 3) return;
    // No picture at all brings back the board's built-in set.
    board.SetCustomPieceSet(index == 0 ? std::nullopt : std::optional<QImage>(images.Picture(PieceSetResource(index))));
}

void AppearanceChoices::ApplyDark(TChessBrd& board, AppearanceImages& images, int index) {
    if (const QString r = DarkResource(index); !r.isEmpty()) board.SetSquareDark(images.Picture(r));
}

void AppearanceChoices::ApplyLight(TChessBrd& board, AppearanceImages& images, int index) {
    if (const QString r = LightResource(index); !r.isEmpty()) board.SetSquareLight(images.Picture(r));
}

void AppearanceChoices::ApplyLines(TChessBrd& board, int index) {
    if (index == 0 || index == 1) board.SetBoardLines(index == 1);
}

}  // namespace tablerix
