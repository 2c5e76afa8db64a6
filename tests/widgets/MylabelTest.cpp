#include "Mylabel.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include <ostream>
#include <utility>
#include <vector>

using tablerix::T3DEffect;
using tablerix::TmyLabel3d;

// Sizes read as sizes in failure messages (found by argument lookup).
void PrintTo(const QSize& s, std::ostream* os) { *os << s.width() << "x" << s.height(); }

namespace {

const QColor kBackground(0, 160, 0);
const QColor kCaption(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kSilver(0xC0, 0xC0, 0xC0);

// A large bold caption without antialiasing on an opaque green label, so that
// every pixel is exactly the background, the caption or one copy.
void Prepare(TmyLabel3d& label, const QString& text = QStringLiteral("HE")) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(40);
    f.setBold(true);
    f.setStyleStrategy(QFont::NoAntialias);
    label.setFont(f);
    QPalette pal = label.palette();
    pal.setColor(QPalette::Window, kBackground);
    pal.setColor(QPalette::WindowText, kCaption);
    label.setPalette(pal);
    label.setAutoFillBackground(true);
    label.setAlignment(Qt::AlignCenter);
    label.setMargin(10);  // the caption sits at the top: keep its copies inside
    label.setText(text);
    label.resize(160, 90);
}

QImage Render(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

using Copy = std::pair<QPoint, QColor>;

// What a 3-D render must look like: the copies of the plain caption's pixels
// shifted and coloured, in order, and the caption on top.
QImage Expected(const QImage& plain, const std::vector<Copy>& copies, const QColor& caption) {
    QImage out(plain.size(), QImage::Format_RGB32);
    out.fill(kBackground);
    const auto stamp = [&](QPoint off, const QColor& c) {
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x)
                if (plain.pixelColor(x, y) == kCaption && out.rect().contains(x + off.x(), y + off.y()))
                    out.setPixelColor(x + off.x(), y + off.y(), c);
    };
    for (const auto& [off, c] : copies) stamp(off, c);
    stamp({0, 0}, caption);
    return out;
}

// Number of differing pixels, with the first one described in `where`.
int Differences(const QImage& a, const QImage& b, std::string* where) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && n++ == 0)
                *where = "at " + std::to_string(x) + "," + std::to_string(y) + ": " +
                         a.pixelColor(x, y).name().toStdString() + " vs " + b.pixelColor(x, y).name().toStdString();
    return n;
}

QImage PlainRender(const QString& text = QStringLiteral("HE")) {
    TmyLabel3d plain;
    Prepare(plain, text);
    QImage img = Render(plain);
    // The caption must sit well inside so that no copy is clipped differently.
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == kCaption) box |= QRect(x, y, 1, 1);
    EXPECT_FALSE(box.isEmpty());
    EXPECT_TRUE(img.rect().adjusted(8, 8, -8, -8).contains(box));
    return img;
}

void ExpectRender(TmyLabel3d& label, const std::vector<Copy>& copies, const QColor& caption) {
    const QImage plain = PlainRender();
    std::string where;
    EXPECT_EQ(Differences(Render(label), Expected(plain, copies, caption), &where), 0) << where;
}

}  // namespace

TEST(Label3dTest, RaisedDrawsWhiteUpLeftAndGreyDownRightUnderTheCaption) {
    TmyLabel3d label;
    Prepare(label);
    label.SetAStyle3D(T3DEffect::Raised3d);
    ExpectRender(label, {{{1, 1}, kGrey}, {{-1, -1}, kWhite}}, kCaption);
}

TEST(Label3dTest, SunkenSwapsTheTwoShades) {
    TmyLabel3d label;
    Prepare(label);
    label.SetAStyle3D(T3DEffect::Resit3d);
    ExpectRender(label, {{{1, 1}, kWhite}, {{-1, -1}, kGrey}}, kCaption);
    // As the start panel has it.
    label.SetAShadeRightBottom(kSilver);
    ExpectRender(label, {{{1, 1}, kWhite}, {{-1, -1}, kSilver}}, kCaption);
}

TEST(Label3dTest, ShadowedDrawsOneCopyAtTheOffsets) {
    TmyLabel3d label;
    Prepare(label);
    label.SetAStyle3D(T3DEffect::Shadowed3d);
    ExpectRender(label, {{{5, -5}, kGrey}}, kCaption);  // right and up
    label.SetAHShadeOffSet(-3);
    label.SetAVShadeOffSet(4);
    label.SetAShadeRightBottom(Qt::blue);
    ExpectRender(label, {{{-3, 4}, Qt::blue}}, kCaption);
}

TEST(Label3dTest, DisabledCaptionIsSystemGreyOverUnchangedCopies) {
    TmyLabel3d label;
    Prepare(label);
    label.SetAStyle3D(T3DEffect::Raised3d);
    label.SetAShadeRightBottom(Qt::red);
    label.SetAShadeLeftTop(Qt::blue);
    label.setEnabled(false);
    const QColor grey = QGuiApplication::palette().color(QPalette::Disabled, QPalette::WindowText);
    ASSERT_NE(grey, kCaption);
    ExpectRender(label, {{{1, 1}, Qt::red}, {{-1, -1}, Qt::blue}}, grey);
}

// The caption's pixels in a rendered label.
QRect CaptionBox(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) == kCaption) box |= QRect(x, y, 1, 1);
    return box;
}

TEST(Label3dTest, OnlyTheHorizontalAlignmentReachesTheCaption) {
    TmyLabel3d label;
    Prepare(label);  // centred both ways
    label.setMargin(0);
    const int lineHeight = QFontMetrics(label.font()).height();
    const QRect low = CaptionBox(Render(label));
    label.resize(160, 200);
    const QRect tall = CaptionBox(Render(label));
    EXPECT_EQ(tall.top(), low.top());  // at the top, however tall the label
    EXPECT_LT(low.bottom(), lineHeight);
    EXPECT_NEAR(tall.center().x(), 80, 2);  // still centred across
    label.setAlignment(Qt::AlignRight | Qt::AlignBottom);
    const QRect right = CaptionBox(Render(label));
    EXPECT_EQ(right.top(), low.top());
    EXPECT_GT(right.left(), tall.left());

    TmyLabel3d plain(QStringLiteral("HE"));  // as constructed: left, at the top
    Prepare(plain);
    plain.setMargin(0);
    plain.setAlignment(TmyLabel3d().alignment());
    plain.resize(160, 200);
    const QRect box = CaptionBox(Render(plain));
    EXPECT_EQ(box.top(), low.top());
    EXPECT_LT(box.left(), 8);
}

TEST(Label3dTest, LeftTopShadeHeldWhileSetAndRestoredAfter) {
    TmyLabel3d label;
    EXPECT_FALSE(label.autoFillBackground());  // transparent
    EXPECT_EQ(label.SavedShadeLeftTop(), kWhite);
    label.SetAShadeLeftTop(Qt::yellow);
    label.SetAShadeLTSet(true);
    EXPECT_EQ(label.AShadeLeftTop(), kWhite);
    EXPECT_EQ(label.SavedShadeLeftTop(), QColor(Qt::yellow));
    label.SetAShadeLeftTop(Qt::cyan);  // ignored while held
    EXPECT_EQ(label.AShadeLeftTop(), kWhite);
    label.SetAShadeLTSet(true);  // again: nothing saved over the kept value
    label.SetAShadeLTSet(false);
    EXPECT_EQ(label.AShadeLeftTop(), QColor(Qt::yellow));
    label.SetAShadeLeftTop(Qt::cyan);
    EXPECT_EQ(label.AShadeLeftTop(), QColor(Qt::cyan));
}

TEST(Label3dTest, CopiesNeverEnlargeTheMeasuredSize) {
    TmyLabel3d label;
    Prepare(label);
    label.setMargin(0);
    const QSize plain = label.sizeHint();
    for (T3DEffect s : {T3DEffect::Raised3d, T3DEffect::Resit3d, T3DEffect::Shadowed3d}) {
        label.SetAStyle3D(s);
        EXPECT_EQ(label.sizeHint(), plain);
    }
    // The unshifted caption alone, measured as the label measures.
    const QFontMetrics fm(label.font());
    EXPECT_EQ(plain, fm.boundingRect(QRect(0, 0, 1000, 1000), Qt::TextWordWrap, QStringLiteral("HE")).size());
    // Wrapped at the width of one word, three words take three lines.
    label.setText(QStringLiteral("HE HE HE"));
    EXPECT_GT(label.heightForWidth(plain.width()), 2 * plain.height());
}

namespace {

// A pinned face at sizes where most glyphs have fractional advances, so that
// rounding shows. Expectations come from the label's own measuring, never
// from a second API that may round differently.
QFont MeasuredFont(int pixels = 12) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

}  // namespace

TEST(Label3dTest, EmptyAndLoneAmpersandMeasureAsOneBlank) {
    TmyLabel3d blank(QStringLiteral(" "));
    TmyLabel3d empty;
    TmyLabel3d amp(QStringLiteral("&"));
    TmyLabel3d escaped(QStringLiteral("&&"));  // a literal "&" while accelerators show
    for (TmyLabel3d* l : {&blank, &empty, &amp, &escaped}) l->setFont(MeasuredFont());
    EXPECT_GT(blank.sizeHint().width(), 0);
    EXPECT_EQ(empty.sizeHint(), blank.sizeHint());
    EXPECT_EQ(amp.sizeHint(), blank.sizeHint());
    amp.SetShowAccelChar(false);  // now a literal character
    EXPECT_EQ(amp.sizeHint(), escaped.sizeHint());
    EXPECT_GT(amp.sizeHint().width(), blank.sizeHint().width());
}

TEST(Label3dTest, MeasuredSizeIsTheSameForEveryAlignment) {
    const Qt::Alignment others[] = {Qt::AlignHCenter | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom, Qt::AlignCenter,
                                    Qt::AlignJustify | Qt::AlignVCenter};
    for (int pixels : {9, 11, 12, 13, 15, 17})
        for (const QString& text :
             {QStringLiteral("&&"), QStringLiteral("Velmora Software"), QStringLiteral("W\nij")}) {
            TmyLabel3d left(text);
            left.setFont(MeasuredFont(pixels));
            left.setAlignment(Qt::AlignLeft | Qt::AlignTop);
            const QSize size = left.sizeHint();
            for (Qt::Alignment a : others) {
                TmyLabel3d label(text);
                label.setFont(MeasuredFont(pixels));
                label.setAlignment(a);
                EXPECT_EQ(label.sizeHint(), size) << pixels << " px, alignment " << int(a);
                EXPECT_EQ(label.heightForWidth(size.width()), size.height()) << pixels << " px";
            }
        }
}

TEST(Label3dTest, AmpersandIsAnAcceleratorOnlyWhileShown) {
    TmyLabel3d doubled;
    Prepare(doubled, QStringLiteral("&&"));  // an escaped "&"
    TmyLabel3d literal;
    Prepare(literal, QStringLiteral("&"));
    literal.SetShowAccelChar(false);
    std::string where;
    EXPECT_EQ(Differences(Render(doubled), Render(literal), &where), 0) << where;

    TmyLabel3d accel(QStringLiteral("A&B"));
    TmyLabel3d plain(QStringLiteral("AB"));
    EXPECT_EQ(accel.sizeHint(), plain.sizeHint());
    accel.SetShowAccelChar(false);
    EXPECT_GT(accel.sizeHint().width(), plain.sizeHint().width());
}

namespace {

// The offscreen platform cannot grab for real; Qt still routes to the grabber.
QtMessageHandler gPreviousHandler = nullptr;
void QuietGrabWarnings(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (msg.contains(QStringLiteral("grabbing the mouse"))) return;
    if (gPreviousHandler) gPreviousHandler(type, ctx, msg);
}

struct PointerTest : ::testing::Test {
    QWidget window;
    TmyLabel3d* label = nullptr;
    int outs = 0;
    void SetUp() override {
        gPreviousHandler = qInstallMessageHandler(QuietGrabWarnings);
        window.resize(300, 200);
        label = new TmyLabel3d(QStringLiteral("Velmora Software"), &window);  // owned by window
        label->setGeometry(100, 80, 89, 16);
        label->OnMouseOut = [this](TmyLabel3d& sender) {
            EXPECT_EQ(&sender, label);
            ++outs;
        };
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        // Start away from the label; two moves, since Qt drops a move to
        // where the pointer already is.
        QTest::mouseMove(&window, QPoint(2, 2));
        QTest::mouseMove(&window, QPoint(1, 1));
        ASSERT_EQ(QWidget::mouseGrabber(), nullptr);
    }
    void TearDown() override {
        if (QWidget::mouseGrabber()) QWidget::mouseGrabber()->releaseMouse();
        qInstallMessageHandler(gPreviousHandler);
    }
    // A pointer move at a position given in the label's coordinates, routed
    // by the window system as a real one would be.
    void MoveTo(int x, int y) { QTest::mouseMove(&window, label->mapTo(&window, QPoint(x, y))); }
};

}  // namespace

TEST_F(PointerTest, FirstMoveOverTheLabelTakesTheGrab) {
    MoveTo(10, 5);
    EXPECT_EQ(QWidget::mouseGrabber(), label);
    EXPECT_EQ(outs, 0);
}

TEST_F(PointerTest, OnePixelPastRightOrBottomEdgeIsStillInside) {
    MoveTo(10, 5);
    ASSERT_EQ(QWidget::mouseGrabber(), label);
    MoveTo(label->width(), 5);
    MoveTo(label->width(), label->height());
    MoveTo(0, 0);
    EXPECT_EQ(QWidget::mouseGrabber(), label);
    EXPECT_EQ(outs, 0);
    MoveTo(label->width() + 1, label->height());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(outs, 1);
}

TEST_F(PointerTest, LeavingIsReportedOnceEachTime) {
    for (QPoint out : {QPoint(-1, 5), QPoint(10, -1), QPoint(10, 17 + 30)}) {
        MoveTo(10, 5);
        ASSERT_EQ(QWidget::mouseGrabber(), label);
        MoveTo(out.x(), out.y());
        MoveTo(out.x() - 20, out.y() + 20);  // further out: no longer the label's
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    }
    EXPECT_EQ(outs, 3);
}

TEST_F(PointerTest, HidingOrDisablingGivesTheGrabUp) {
    MoveTo(10, 5);
    ASSERT_EQ(QWidget::mouseGrabber(), label);
    label->setEnabled(false);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    label->setEnabled(true);
    MoveTo(11, 5);  // Qt drops a move to the same place
    ASSERT_EQ(QWidget::mouseGrabber(), label);
    label->hide();
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(outs, 0);
}
