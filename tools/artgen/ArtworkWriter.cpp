#include "ArtworkWriter.h"

#include "ButtonIcons.h"
#include "ContactSheet.h"
#include "GlyphPieces.h"
#include "VectorPieces.h"
#include "WoodTexture.h"

#include <QDir>
#include <QImage>
#include <QPainter>

namespace {

const QString kFontDir = QStringLiteral("/usr/share/fonts/truetype/");

struct TextureSpec {
    const char* name;
    WoodStyle style;
};

WoodStyle wood(int size, std::uint32_t seed, QRgb early, QRgb late, int rings, double warp, double sharpness,
               double fibre, double blotch, bool vertical) {
    WoodStyle s;
    s.size = size;
    s.seed = seed;
    s.early = QColor(early);
    s.late = QColor(late);
    s.rings = rings;
    s.warp = warp;
    s.sharpness = sharpness;
    s.fibre = fibre;
    s.blotch = blotch;
    s.vertical = vertical;
    return s;
}

const TextureSpec kTextures[] = {
    {"MarronOscuro1", wood(128, 11, 0x8e5c36, 0x4a2c16, 5, 0.45, 2.5, 0.22, 0.07, true)},
    {"MarronOscuro2", wood(160, 12, 0x9c6a42, 0x5a361a, 7, 0.55, 3.0, 0.24, 0.06, false)},
    {"MarronOscuro3", wood(128, 13, 0xa45c3c, 0x62291a, 4, 0.40, 2.2, 0.20, 0.08, false)},
    {"MarronClaro1", wood(128, 21, 0xf2dab0, 0xd0aa74, 5, 0.45, 2.5, 0.18, 0.05, true)},
    {"MarronClaro2", wood(160, 22, 0xeecd9a, 0xc8985e, 7, 0.55, 3.0, 0.20, 0.05, false)},
    {"MarronClaro3", wood(128, 23, 0xeadab4, 0xbea072, 4, 0.40, 3.5, 0.16, 0.06, false)},
    {"MaderaBorde", wood(128, 31, 0x4a2a16, 0x22120a, 6, 0.50, 2.2, 0.25, 0.07, false)},
};

const char* const kIcons[] = {"salvar", "cargar_con", "cargar_sin", "imprimir", "nueva", "acerca", "salir"};

bool save(const QImage& img, const QString& file, QString& error) {
    if (!QDir().mkpath(QFileInfo(file).path()) || !img.save(file, "PNG")) {
        error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    return true;
}

struct GlyphSetRecipe {
    const char* name;
    const char* fontFile;  // under kFontDir
    int cell;
    double margin;
    PieceStyle white;
    PieceStyle black;
};

PieceStyle style(QRgb top, QRgb bottom, QRgb outline, QRgb detail, double band) {
    return {QColor(top), QColor(bottom), QColor(outline), QColor(detail), band};
}

const GlyphSetRecipe kGlyphSets[] = {
    // Ivory and ebony with a thin rim.
    {"SETORVANE40", "dejavu/DejaVuSans.ttf", 40, 1.5, style(0xfffdf6, 0xe8e0cc, 0x141414, 0x141414, 2.0),
     style(0x3a3a3a, 0x101010, 0xe4e4e4, 0xe4e4e4, 2.0)},
    // Serif outlines in cream and chocolate.
    {"ImageFr40", "freefont/FreeSerif.ttf", 40, 1.0, style(0xfff4d8, 0xe6cc96, 0x2a1608, 0x2a1608, 1.6),
     style(0x5a3620, 0x1e0e05, 0xf2dfb4, 0xf2dfb4, 1.6)},
    // Heavy outlines in silver and slate, for the smaller cells.
    {"ImageCm36", "noto/NotoSansSymbols2-Regular.ttf", 36, 1.0, style(0xffffff, 0xc8d0dc, 0x0a1424, 0x0a1424, 2.6),
     style(0x343c4c, 0x080a10, 0xfafafa, 0xfafafa, 2.6)},
};

bool writeGlyphSet(const QString& dir, const GlyphSetRecipe& recipe, QString& error) {
    GlyphPieces g;
    if (!GlyphPieces::load(kFontDir + QLatin1String(recipe.fontFile), recipe.cell, recipe.margin,
                           recipe.white.outlineWidth, g, error))
        return false;
    return save(PieceSheet::render(recipe.cell, g.white, recipe.white, g.black, recipe.black),
                dir + "/pieces/" + recipe.name + ".png", error);
}

// Flat vector pieces: white and charcoal with a crisp black outline.
bool writeVectorSet(const QString& dir, QString& error) {
    const PieceShapes shapes = VectorPieces::build(40, 1.0, 2.4, 1.4);
    const PieceStyle white = style(0xf6f6f2, 0xf6f6f2, 0x000000, 0x000000, 2.4);
    const PieceStyle black = style(0x262626, 0x262626, 0xf6f6f2, 0xf6f6f2, 2.4);
    return save(PieceSheet::render(40, shapes, white, shapes, black), dir + "/pieces/SetGen40.png", error);
}

}  // namespace

bool ArtworkWriter::writeAll(const QString& resourcesDir, QString& error) {
    for (const TextureSpec& t : kTextures)
        if (!save(WoodTexture::render(t.style), resourcesDir + "/textures/" + t.name + ".png", error)) return false;
    for (const char* name : kIcons)
        if (!save(ButtonIcons::render(QLatin1String(name)), resourcesDir + "/icons/" + name + ".png", error))
            return false;
    for (const GlyphSetRecipe& g : kGlyphSets)
        if (!writeGlyphSet(resourcesDir, g, error)) return false;
    return writeVectorSet(resourcesDir, error);
}

bool ArtworkWriter::writeContactSheet(const QString& resourcesDir, const QString& file, QString& error) {
    const auto load = [&](const QString& rel) { return QImage(resourcesDir + "/" + rel); };
    QList<QImage> sets;
    for (const char* name : {"SETORVANE40", "ImageFr40", "ImageCm36", "SetGen40"}) {
        const QImage set = load(QStringLiteral("pieces/%1.png").arg(name));
        if (!set.isNull()) sets.append(set);
    }
    QList<ContactSheet::WoodPair> woods;
    for (int i : {2, 1, 3})
        woods.append({load(QStringLiteral("textures/MarronOscuro%1.png").arg(i)),
                      load(QStringLiteral("textures/MarronClaro%1.png").arg(i))});
    QList<QImage> icons;
    for (const char* name : kIcons) {
        const QImage icon = load(QStringLiteral("icons/%1.png").arg(name));
        if (!icon.isNull()) icons.append(icon);
    }
    const QImage sheet = ContactSheet::render(sets, woods, load("textures/MaderaBorde.png"), icons, 40);
    const auto sibling = [&](const char* suffix) {
        QString name = file;
        return name.replace(QLatin1String(".png"), QLatin1String(suffix));
    };
    const int setCount = static_cast<int>(sets.size());
    // Whole boards: set i on wood pair i (the last set again on the first pair).
    QImage boards(2 * 368, ((setCount + 1) / 2) * 368, QImage::Format_RGB32);
    boards.fill(Qt::gray);
    {
        QPainter p(&boards);
        for (int i = 0; i < setCount; ++i)
            p.drawImage((i % 2) * 368, (i / 2) * 368,
                        ContactSheet::board(sets[i], woods[i % woods.size()], load("textures/MaderaBorde.png")));
    }
    return save(sheet, file, error) &&
           save(ContactSheet::closeUp(sheet, setCount, static_cast<int>(woods.size()), 40, 3), sibling("-x3.png"),
                error) &&
           save(boards, sibling("-boards.png"), error);
}
