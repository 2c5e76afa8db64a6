// The window's pictures for its appearance lists: decoded on first use only,
// once, and the start screen asks for nothing but the board's first textures.
#include "AppearanceChoices.h"
#include "AppearanceImages.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFileDialog>

#include "FormControls.h"

namespace tablerix {
namespace {

TEST(AppearanceImagesTest, DecodesEachPictureOnceWhenFirstAskedFor) {
    AppearanceImages images;
    const QString dark = AppearanceChoices::DarkResource(2);
    EXPECT_FALSE(images.IsDecoded(dark));
    const QImage first = images.Picture(dark);
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first, QImage(dark));
    EXPECT_TRUE(images.IsDecoded(dark));
    // The same decoded pixels again, not a second decode.
    EXPECT_EQ(images.Picture(dark).cacheKey(), first.cacheKey());
    EXPECT_EQ(images.DecodedCount(), 1);
    // A path without a picture gives a null image and is not tried again.
    const QString missing = QStringLiteral(":/textures/Ninguna.png");
    EXPECT_TRUE(images.Picture(missing).isNull());
    EXPECT_TRUE(images.IsDecoded(missing));
    EXPECT_EQ(images.DecodedCount(), 2);
}

TEST(AppearanceImagesTest, ACopyGivenAwayDoesNotChangeTheKeptPicture) {
    AppearanceImages images;
    const QString set = AppearanceChoices::PieceSetResource(2);
    QImage copy = images.Picture(set);
    ASSERT_FALSE(copy.isNull());
    copy.fill(Qt::red);
    EXPECT_EQ(images.Picture(set), QImage(set));
}

TEST(AppearanceImagesTest, TheStartScreenDecodesOnlyWhatItShows) {
    TForm1 form;
    const AppearanceImages& images = form.Images();
    EXPECT_EQ(images.DecodedCount(), 3);
    EXPECT_TRUE(images.IsDecoded(AppearanceChoices::DarkResource(0)));
    EXPECT_TRUE(images.IsDecoded(AppearanceChoices::LightResource(0)));
    EXPECT_TRUE(images.IsDecoded(AppearanceImages::kBorderResource));
    // The board starts with those very pictures.
    EXPECT_EQ(Board(form)->SquareDark(),
              QImage(AppearanceChoices::DarkResource(0)).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(Board(form)->BorderBitmap(),
              QImage(AppearanceImages::kBorderResource).convertToFormat(QImage::Format_RGB32));
    // No file dialog yet.
    EXPECT_TRUE(form.findChildren<QFileDialog*>().isEmpty());

    // A piece set is decoded when it is chosen, and the first texture
    // choice reuses the picture the board started with.
    Control<QComboBox>(form, "ComboPiezas")->setCurrentIndex(3);
    form.ComboPiezasChange();
    Control<QComboBox>(form, "ComboOscuro")->setCurrentIndex(0);
    form.ComboOscuroChange();
    EXPECT_TRUE(images.IsDecoded(AppearanceChoices::PieceSetResource(3)));
    EXPECT_FALSE(images.IsDecoded(AppearanceChoices::PieceSetResource(1)));
    EXPECT_EQ(images.DecodedCount(), 4);
    EXPECT_EQ(Board(form)->PieceCellSize(), 40);
    EXPECT_FALSE(Board(form)->CustomPieceSet().isNull());
}

}  // namespace
}  // namespace tablerix
