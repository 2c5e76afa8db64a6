// A window with the three label widgets in their styles, for looking at them.
// Usage: tablerix-labels-demo [--shot FILE]   (with --shot: save and quit)

#include "Blinklbl.h"
#include "HilightLabel.h"
#include "Mylabel.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFrame>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace tablerix;

namespace {

QFont PixelFont(int px, bool bold = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(px);
    f.setBold(bold);
    return f;
}

TmyLabel3d* Label3d(QWidget* parent, const QString& text, T3DEffect style, QRect geometry) {
    auto* label = new TmyLabel3d(text, parent);  // owned by parent
    label->setFont(PixelFont(28, true));
    label->SetAStyle3D(style);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QString shot;
    for (int i = 1; i + 1 < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == QStringLiteral("--shot")) shot = QString::fromLocal8Bit(argv[i + 1]);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Tablerix labels"));
    window.resize(520, 330);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    window.setPalette(pal);
    window.setAutoFillBackground(true);

    Label3d(&window, QStringLiteral("Normal3d"), T3DEffect::Normal3d, {10, 10, 240, 40});
    Label3d(&window, QStringLiteral("Raised3d"), T3DEffect::Raised3d, {10, 60, 240, 40});
    Label3d(&window, QStringLiteral("Resit3d"), T3DEffect::Resit3d, {10, 110, 240, 40});
    Label3d(&window, QStringLiteral("Shadowed3d"), T3DEffect::Shadowed3d, {10, 155, 240, 55});
    auto* disabled = Label3d(&window, QStringLiteral("Disabled"), T3DEffect::Raised3d, {10, 215, 240, 40});
    disabled->setEnabled(false);

    // As on the start panel: sunken, silver shade, 13-pixel font, centred.
    auto* maker = new TmyLabel3d(QStringLiteral("Velmora Software"), &window);
    maker->SetAStyle3D(T3DEffect::Resit3d);
    maker->SetAShadeRightBottom(QColor(0xC0, 0xC0, 0xC0));
    maker->setFont(PixelFont(13));
    maker->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    maker->setGeometry(10, 270, 140, 16);

    auto* panel = new QFrame(&window);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(280, 20, 120, 22);
    auto* check = new TBlinkLabel(QStringLiteral("Jaque Mate"), panel);
    check->setFont(PixelFont(13, true));
    QPalette maroon = check->palette();
    maroon.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    check->setPalette(maroon);
    check->setAlignment(Qt::AlignCenter);
    check->setGeometry(6, 3, 109, 16);

    auto* web = new THilightLabel(QStringLiteral("www.velmora.example"), &window);
    web->setGeometry(280, 70, 200, 20);
    auto* mail = new THilightLabel(QStringLiteral("velmora@example.org"), &window);
    mail->setGeometry(280, 100, 200, 20);

    window.show();
    if (shot.isEmpty()) return app.exec();

    // Show the mail label as if the pointer were over it.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(mail, &enter);
    check->SetVelocidad(0);  // keep the notice shown for the picture
    int rc = 1;
    QTimer::singleShot(200, &window, [&] {
        rc = window.grab().save(shot) ? 0 : 1;
        if (rc != 0) std::fprintf(stderr, "cannot save %s\n", qPrintable(shot));
        app.quit();
    });
    app.exec();
    return rc;
}
