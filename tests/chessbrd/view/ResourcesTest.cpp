// The built-in artwork: present, of the right size and layout, masks usable,
// textures seamless. Links nothing but tablerix_resources, which proves that
// the images register themselves without an initialisation call.
#include "ArtCatalogue.h"

#include <QDirIterator>
#include <QImage>
#include <QSet>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

using tablerix::ArtFile;
using tablerix::ArtKind;

namespace {

QImage load(const ArtFile& f) { return QImage(QString::fromLatin1(f.path)); }

int channelDistance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// Mean colour distance between pixel lines x0 and x1 (columns) of img.
double columnDistance(const QImage& img, int x0, int x1) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y) sum += channelDistance(img.pixel(x0, y), img.pixel(x1, y));
    return sum / img.height();
}

double meanLuminance(const QImage& img) {
    double sum = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) sum += qGray(img.pixel(x, y));
    return sum / (img.width() * img.height());
}

double textureLuminance(const char* name) {
    return meanLuminance(QImage(QStringLiteral(":/textures/%1.png").arg(QLatin1String(name))));
}

// Statistics of one masked piece: mask row `row`, picture in the row above.
struct CellStats {
    int clear = 0;
    int solid = 0;
    int whiteEdges = 0;        // opaque edge pixels showing the sheet's pure white
    double coreLuminance = 0;  // mean over pixels at least 3 pixels inside the mask
};

CellStats cellStats(const QImage& set, int k, int row, int col) {
    CellStats s;
    int cores = 0;
    const auto opaque = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= k || y >= k) return false;
        return (set.pixel(col * k + x, row * k + y) & 0xFFFFFF) != 0xFFFFFF;
    };
    for (int y = 0; y < k; ++y) {
        for (int x = 0; x < k; ++x) {
            if (!opaque(x, y)) {
                ++s.clear;
                continue;
            }
            ++s.solid;
            const QRgb pic = set.pixel(col * k + x, (row - 1) * k + y);
            bool core = true;
            for (int dy = -3; dy <= 3 && core; ++dy)
                for (int dx = -3; dx <= 3 && core; ++dx) core = opaque(x + dx, y + dy);
            if (core) {
                s.coreLuminance += qGray(pic);
                ++cores;
            }
            const bool edge = !opaque(x - 1, y) || !opaque(x + 1, y) || !opaque(x, y - 1) || !opaque(x, y + 1);
            if (edge && (pic & 0xFFFFFF) == 0xFFFFFF) ++s.whiteEdges;
        }
    }
    if (cores > 0) s.coreLuminance /= cores;
    return s;
}

}  // namespace

TEST(ResourcesTest, EveryImageLoadsWithItsSize) {
    ASSERT_FALSE(tablerix::artCatalogue().empty());
    for (const ArtFile& f : tablerix::artCatalogue()) {
        SCOPED_TRACE(f.path);
        const QImage img = load(f);
        ASSERT_FALSE(img.isNull());
        EXPECT_EQ(img.width(), f.width);
        EXPECT_EQ(img.height(), f.height);
    }
    EXPECT_FALSE(QImage(QStringLiteral(":/pieces/SETORVANE40.png")).isNull());
}

TEST(ResourcesTest, CatalogueListsExactlyTheBuiltInImages) {
    QSet<QString> listed;
    for (const ArtFile& f : tablerix::artCatalogue()) listed.insert(QString::fromLatin1(f.path));
    QSet<QString> present;
    for (const char* dir : {":/pieces", ":/textures", ":/icons", ":/appicon"}) {
        QDirIterator it(QString::fromLatin1(dir), QDir::Files);
        while (it.hasNext()) present.insert(it.next());
    }
    EXPECT_EQ(listed, present);
}

TEST(ResourcesTest, PieceSetsHaveTheBoardLayoutAndUsableMasks) {
    for (const ArtFile& f : tablerix::artCatalogue()) {
        if (f.kind != ArtKind::PieceSet) continue;
        SCOPED_TRACE(f.path);
        const QImage set = load(f);
        ASSERT_EQ(set.width() * 2, set.height() * 3);
        const int k = set.height() / 4;
        for (int col = 0; col < 6; ++col) {
            SCOPED_TRACE(testing::Message() << "col " << col);
            const CellStats white = cellStats(set, k, 1, col);
            const CellStats black = cellStats(set, k, 3, col);
            for (const CellStats* s : {&white, &black}) {
                EXPECT_GT(s->clear, k * k / 4);
                EXPECT_GT(s->solid, k * k / 10);
                EXPECT_EQ(s->whiteEdges, 0);
            }
            // Rows in the wrong order would swap the armies.
            EXPECT_GT(white.coreLuminance, black.coreLuminance + 20.0);
            // A clean cell keeps its top row and left column transparent so
            // that neighbouring cells never bleed into each other.
            for (int row : {1, 3}) {
                for (int i = 0; i < k; ++i) {
                    EXPECT_EQ(set.pixel(col * k + i, row * k) & 0xFFFFFF, 0xFFFFFFu);
                    EXPECT_EQ(set.pixel(col * k, row * k + i) & 0xFFFFFF, 0xFFFFFFu);
                }
            }
        }
    }
}

TEST(ResourcesTest, TexturesTileWithoutSeams) {
    for (const ArtFile& f : tablerix::artCatalogue()) {
        if (f.kind != ArtKind::Texture) continue;
        SCOPED_TRACE(f.path);
        const QImage img = load(f).convertToFormat(QImage::Format_RGB32);
        const QImage turned = img.transformed(QTransform().rotate(90));
        for (const QImage* t : {&img, &turned}) {
            const int w = t->width();
            // The wrap-around step may be no rougher than an ordinary step inside.
            double inner = 0;
            for (int x = 0; x + 1 < w; ++x) inner += columnDistance(*t, x, x + 1);
            inner /= w - 1;
            EXPECT_LE(columnDistance(*t, w - 1, 0), 1.5 * inner + 4.0);
        }
    }
}

TEST(ResourcesTest, IconsStandOnATransparentBackground) {
    for (const ArtFile& f : tablerix::artCatalogue()) {
        if (f.kind != ArtKind::Icon) continue;
        SCOPED_TRACE(f.path);
        const QImage icon = load(f);
        ASSERT_TRUE(icon.hasAlphaChannel());
        int clear = 0, solid = 0;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const int a = qAlpha(icon.pixel(x, y));
                clear += a == 0;
                solid += a == 255;
            }
        EXPECT_GT(clear, 0);
        EXPECT_GT(solid, 40);
    }
}

TEST(ResourcesTest, WoodsKeepPiecesAndCoordinatesReadable) {
    for (const char* dark : {"MarronOscuro1", "MarronOscuro2", "MarronOscuro3"}) {
        SCOPED_TRACE(dark);
        EXPECT_GT(textureLuminance(dark), 70.0);
        EXPECT_LT(textureLuminance(dark), 140.0);
    }
    for (const char* light : {"MarronClaro1", "MarronClaro2", "MarronClaro3"}) {
        SCOPED_TRACE(light);
        EXPECT_GT(textureLuminance(light), 165.0);
        EXPECT_LT(textureLuminance(light), 235.0);
    }
    // White coordinates are written on the border.
    EXPECT_LT(textureLuminance("MaderaBorde"), 75.0);
}
