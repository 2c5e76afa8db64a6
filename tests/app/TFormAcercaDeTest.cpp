// The about window: layout, texts, the two addresses and closing.
#include "HilightLabel.h"
#include "Mylabel.h"
#include "TFormAcercaDe.h"

#include <gtest/gtest.h>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using tablerix::TFormAcercaDe;

TEST(TFormAcercaDe, LayoutAndTexts) {
    TFormAcercaDe form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral(" Tablerix   Acerca de...."));
    EXPECT_EQ(form.size(), QSize(243, 209));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());  // not resizable
    EXPECT_EQ(form.Panel1->geometry(), QRect(10, 9, 225, 160));
    EXPECT_EQ(form.Label1->text(), QStringLiteral("Tablerix"));
    EXPECT_EQ(form.Label1->pos(), QPoint(26, 14));
    EXPECT_TRUE(form.Label1->font().bold());
    EXPECT_EQ(form.Label2->text(), QStringLiteral("Versión . 1.0"));
    EXPECT_EQ(form.Label2->palette().color(QPalette::WindowText), QColor(0, 0, 128));
    EXPECT_EQ(form.myLabel3d2->text(), QStringLiteral("Velmora Software"));
    // Centred on x 110: to the pixel for an odd width, to half a pixel for
    // an even one (the width follows the face in use).
    const QRect maker = form.myLabel3d2->geometry();
    EXPECT_NEAR(maker.left() + maker.right(), 2 * 110, 1);
    EXPECT_GE(form.myLabel3d2->width(), std::max(89, form.myLabel3d2->sizeHint().width()));
    EXPECT_EQ(form.myLabel3d2->AStyle3D(), tablerix::T3DEffect::Resit3d);
    EXPECT_EQ(form.myLabel3d2->AShadeRightBottom(), QColor(192, 192, 192));
    EXPECT_EQ(form.myLabel3d2->AHShadeOffSet(), 0);
    EXPECT_EQ(form.myLabel3d2->AVShadeOffSet(), 0);
    EXPECT_EQ(form.myLabel3d2->font().pixelSize(), 13);
    EXPECT_EQ(form.HWeb->text(), QStringLiteral("https://tablerix.example.org"));
    EXPECT_EQ(form.HCorreo->text(), QStringLiteral("tablerix@example.org"));
    for (const tablerix::THilightLabel* l : {form.HWeb, form.HCorreo}) {
        EXPECT_TRUE(l->font().bold() && l->font().underline());
        EXPECT_EQ(l->HiLightColor(), QColor(0, 0, 128));
        EXPECT_EQ(l->HiLightCursor().shape(), Qt::PointingHandCursor);
        // The whole address is readable inside the panel.
        EXPECT_GE(l->width(), l->sizeHint().width());
        EXPECT_TRUE(form.Panel1->rect().contains(l->geometry()));
    }
    EXPECT_EQ(form.HWeb->y(), 107);
    EXPECT_EQ(form.HCorreo->y(), 129);
    EXPECT_EQ(form.BOkDatos->text(), QStringLiteral("Aceptar"));
    EXPECT_EQ(form.BOkDatos->geometry(), QRect(86, 179, 75, 25));
    EXPECT_EQ(form.BOkDatos->cursor().shape(), Qt::PointingHandCursor);
    // TABLERIX_SHOTS=<dir> keeps a picture of the window for a look by eye.
    if (const QString dir = qEnvironmentVariable("TABLERIX_SHOTS"); !dir.isEmpty()) {
        form.show();
        form.grab().save(dir + QStringLiteral("/acercade.png"));
        QTest::mouseMove(form.HWeb);
        form.grab().save(dir + QStringLiteral("/acercade_hover.png"));
    }
}

TEST(TFormAcercaDe, AddressesOpenAndFailuresAreIgnored) {
    TFormAcercaDe form;
    QList<QUrl> opened;
    form.OpenAddress = [&](const QUrl& url) {
        opened << url;
        return false;  // the desktop could not open it: nothing happens
    };
    form.show();
    QTest::mouseClick(form.HWeb, Qt::LeftButton);
    QTest::mouseClick(form.HCorreo, Qt::LeftButton);
    QTest::mouseClick(form.HCorreo, Qt::RightButton);
    ASSERT_EQ(opened.size(), 2);
    EXPECT_EQ(opened[0], QUrl(QStringLiteral("https://tablerix.example.org")));
    EXPECT_EQ(opened[1], QUrl(QStringLiteral("mailto:tablerix@example.org")));
    EXPECT_TRUE(form.isVisible());
}

TEST(TFormAcercaDe, AceptarClosesTheModalWindow) {
    TFormAcercaDe form;
    QTimer::singleShot(0, &form, [&form] { QTest::mouseClick(form.BOkDatos, Qt::LeftButton); });
    EXPECT_EQ(form.exec(), QDialog::Accepted);
    EXPECT_FALSE(form.isVisible());
}
