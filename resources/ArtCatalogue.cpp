#include "ArtCatalogue.h"

namespace tablerix {

namespace {

constexpr ArtFile kFiles[] = {
    {":/pieces/SETORVANE40.png", 240, 160, ArtKind::PieceSet},
    {":/textures/MarronOscuro1.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronOscuro2.png", 160, 160, ArtKind::Texture},
    {":/textures/MarronOscuro3.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronClaro1.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronClaro2.png", 160, 160, ArtKind::Texture},
    {":/textures/MarronClaro3.png", 128, 128, ArtKind::Texture},
    {":/textures/MaderaBorde.png", 128, 128, ArtKind::Texture},
};

} // namespace

std::span<const ArtFile> artCatalogue() { return kFiles; }

} // namespace tablerix
