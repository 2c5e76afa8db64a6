#include "ArtCatalogue.h"

namespace tablerix {

namespace {

constexpr ArtFile kFiles[] = {
    {":/pieces/SETORVANE40.png", 240, 160, ArtKind::PieceSet},
    {":/pieces/ImageFr40.png", 240, 160, ArtKind::PieceSet},
    {":/pieces/ImageCm36.png", 216, 144, ArtKind::PieceSet},
    {":/pieces/SetGen40.png", 240, 160, ArtKind::PieceSet},
    {":/textures/MarronOscuro1.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronOscuro2.png", 160, 160, ArtKind::Texture},
    {":/textures/MarronOscuro3.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronClaro1.png", 128, 128, ArtKind::Texture},
    {":/textures/MarronClaro2.png", 160, 160, ArtKind::Texture},
    {":/textures/MarronClaro3.png", 128, 128, ArtKind::Texture},
    {":/textures/MaderaBorde.png", 128, 128, ArtKind::Texture},
    {":/icons/salvar.png", 16, 16, ArtKind::Icon},
    {":/icons/cargar_con.png", 16, 16, ArtKind::Icon},
    {":/icons/cargar_sin.png", 16, 16, ArtKind::Icon},
    {":/icons/imprimir.png", 16, 16, ArtKind::Icon},
    {":/icons/nueva.png", 16, 16, ArtKind::Icon},
    {":/icons/acerca.png", 16, 16, ArtKind::Icon},
    {":/icons/salir.png", 16, 16, ArtKind::Icon},
};

} // namespace

std::span<const ArtFile> artCatalogue() { return kFiles; }

} // namespace tablerix
