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
    // The window's icon, one picture per size of the desktop's icon theme.
    {":/appicon/16.png", 16, 16, ArtKind::ProgramIcon},
    {":/appicon/24.png", 24, 24, ArtKind::ProgramIcon},
    {":/appicon/32.png", 32, 32, ArtKind::ProgramIcon},
    {":/appicon/48.png", 48, 48, ArtKind::ProgramIcon},
    {":/appicon/64.png", 64, 64, ArtKind::ProgramIcon},
    {":/appicon/128.png", 128, 128, ArtKind::ProgramIcon},
    {":/appicon/256.png", 256, 256, ArtKind::ProgramIcon},
};

}  // namespace

std::span<const ArtFile> artCatalogue() { return kFiles; }

}  // namespace tablerix
