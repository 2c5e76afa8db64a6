// The path label: the whole text kept, the middle left out when painted,
// the file name kept whole, the whole path as tooltip.
#include "ElidedLabel.h"

#include <gtest/gtest.h>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <algorithm>

using tablerix::ElidedLabel;

namespace {

const QString kPath = QStringLiteral("/home/usuario/partidas/guardadas/de/2024/Partida.Chess");

QFont PinnedFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

TEST(ElidedLabelTest, KeepsTheWholeTextAndPaintsItsMiddleLeftOut) {
    ElidedLabel label(kPath);
    label.setFont(PinnedFont());
    const QFontMetrics fm(label.font());
    const QString wanted = QStringLiteral("/home/…/Partida.Chess");
    label.resize(fm.horizontalAdvance(wanted), 20);
    EXPECT_EQ(label.text(), kPath);
    EXPECT_EQ(label.ShownText(), wanted);
    // Every leading folder that fits stays.
    EXPECT_EQ(label.ElidedText(fm.horizontalAdvance(QStringLiteral("/home/usuario/partidas/…/Partida.Chess"))),
              QStringLiteral("/home/usuario/partidas/…/Partida.Chess"));
    // A file name that does not fit on its own: cut in the middle of all.
    const QString narrow = label.ElidedText(fm.horizontalAdvance(QStringLiteral("Partida")));
    EXPECT_TRUE(narrow.contains(QChar(0x2026)));
    EXPECT_LE(fm.horizontalAdvance(narrow), fm.horizontalAdvance(QStringLiteral("Partida")));
    // Wide enough, or a short text: as it stands.
    label.resize(fm.horizontalAdvance(kPath) + 10, 20);
    EXPECT_EQ(label.ShownText(), kPath);
    label.setText(QStringLiteral("/Partida.Chess"));
    label.resize(20, 20);
    EXPECT_LE(fm.horizontalAdvance(label.ShownText()), 20);
    label.clear();
    EXPECT_TRUE(label.ShownText().isEmpty());
}

TEST(ElidedLabelTest, PaintsNoMoreThanItsWidth) {
    QWidget window;
    window.resize(400, 40);
    auto* label = new ElidedLabel(kPath, &window);
    label->setFont(PinnedFont());
    label->setGeometry(10, 10, 150, 20);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(pal);
    window.setAutoFillBackground(true);
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int right = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (qGray(shot.pixel(x, y)) < 128) right = std::max(right, x);
    EXPECT_GT(right, 10);
    EXPECT_LT(right, 160);  // a QLabel would cut the text only at the window's edge
}

TEST(ElidedLabelTest, TheWholePathIsTheTooltip) {
    ElidedLabel label(kPath);
    label.resize(80, 20);
    label.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&label));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&label, &help);
    EXPECT_EQ(QToolTip::text(), kPath);
    QToolTip::hideText();
    label.clear();
    QHelpEvent again(QEvent::ToolTip, QPoint(5, 5), label.mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(&label, &again);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));  // it fades
    EXPECT_FALSE(QToolTip::isVisible());
}

}  // namespace
