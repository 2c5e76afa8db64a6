#include "ArtCatalog.h"

#include "ContactSheet.h"
#include "GlyphPieces.h"
#include "WoodTexture.h"

#include <QDir>
#include <QImage>

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
    {"MarronOscuro1", wood(128, 11, 0x8c5a34, 0x4a2c16, 5, 1.1, 2.5, 0.22, 0.08, true)},
    {"MarronOscuro2", wood(160, 12, 0x9a6840, 0x5c381c, 7, 1.3, 3.0, 0.25, 0.07, false)},
    {"MarronOscuro3", wood(128, 13, 0xa05a3a, 0x62291a, 4, 0.9, 2.0, 0.20, 0.09, false)},
    {"MarronClaro1", wood(128, 21, 0xf0d8ae, 0xd0aa74, 5, 1.1, 2.5, 0.18, 0.06, true)},
    {"MarronClaro2", wood(160, 22, 0xeccb98, 0xc8985e, 7, 1.3, 3.0, 0.20, 0.06, false)},
    {"MarronClaro3", wood(128, 23, 0xe8d6ae, 0xbea072, 4, 0.9, 3.5, 0.16, 0.07, false)},
    {"MaderaBorde", wood(128, 31, 0x4c2c18, 0x22120a, 6, 1.4, 2.2, 0.25, 0.08, false)},
};

bool save(const QImage& img, const QString& file, QString& error) {
    if (!QDir().mkpath(QFileInfo(file).path()) || !img.save(file, "PNG")) {
        error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    return true;
}

bool writeDefaultSet(const QString& dir, QString& error) {
    GlyphPieces g;
    if (!GlyphPieces::load(kFontDir + QStringLiteral("dejavu/DejaVuSans.ttf"), 40, 1.5, 2.0, g, error))
        return false;
    const PieceStyle white{QColor(0xfffdf6), QColor(0xe8e0cc), QColor(0x141414), QColor(0x141414), 2.0};
    const PieceStyle black{QColor(0x3a3a3a), QColor(0x101010), QColor(0xe4e4e4), QColor(0xe4e4e4), 2.0};
    return save(PieceSheet::render(40, g.white, white, g.black, black), dir + "/pieces/SETORVANE40.png", error);
}

} // namespace

bool ArtCatalog::writeAll(const QString& resourcesDir, QString& error) {
    for (const TextureSpec& t : kTextures)
        if (!save(WoodTexture::render(t.style), resourcesDir + "/textures/" + t.name + ".png", error)) return false;
    return writeDefaultSet(resourcesDir, error);
}

bool ArtCatalog::writeContactSheet(const QString& resourcesDir, const QString& file, QString& error) {
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
    for (const char* name : {"salvar", "cargar_con", "cargar_sin", "imprimir", "nueva", "acerca", "salir"}) {
        const QImage icon = load(QStringLiteral("icons/%1.png").arg(name));
        if (!icon.isNull()) icons.append(icon);
    }
    const QImage sheet = ContactSheet::render(sets, woods, load("textures/MaderaBorde.png"), icons, 40);
    // A threefold enlargement of the first two wood rows of each set, to judge edges pixel by pixel.
    QImage closeUp(sheet.width(), static_cast<int>(sets.size()) * 80, QImage::Format_RGB32);
    for (int i = 0; i < sets.size(); ++i)
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < sheet.width(); ++x) closeUp.setPixel(x, i * 80 + y, sheet.pixel(x, i * (7 * 40 + 20) + y));
    QString zoomFile = file;
    zoomFile.replace(QLatin1String(".png"), QLatin1String("-x3.png"));
    return save(sheet, file, error) &&
           save(closeUp.scaled(closeUp.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation), zoomFile, error);
}
