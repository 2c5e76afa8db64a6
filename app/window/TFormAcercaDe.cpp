#include "TFormAcercaDe.h"

#include "Form1Layout.h"
#include "HilightLabel.h"
#include "Mylabel.h"

#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tablerix {

namespace {

QFont PixelFont(int pixels, bool bold, bool underline = false) {
    QFont font = Form1Layout::DefaultFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

}  // namespace

TFormAcercaDe::TFormAcercaDe(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      OpenAddress([](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setWindowTitle(kCaption);
    setModal(true);
    setFont(Form1Layout::DefaultFont());
    setFixedSize(243, 209);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Form1Layout::kSilver);
    setPalette(pal);
    setAutoFillBackground(true);

    Panel1 = new QFrame(this);
    Panel1->setGeometry(10, 9, 225, 160);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setLineWidth(2);

    Label1 = new QLabel(QStringLiteral("Tablerix"), Panel1);
    Label1->setFont(PixelFont(24, true));
    Label1->move(26, 14);
    Label1->adjustSize();

    Label2 = new QLabel(QStringLiteral("Versión . 1.0"), Panel1);
    Label2->setFont(PixelFont(13, false));
    QPalette navy = Label2->palette();
    navy.setColor(QPalette::WindowText, Form1Layout::kNavy);
    Label2->setPalette(navy);
    Label2->move(76, 47);
    Label2->adjustSize();

    myLabel3d2 = Form1Layout::MakerLabel(Panel1, 66, 76, 89);

    HWeb = new THilightLabel(kWebAddress, Panel1);
    PlaceAddress(HWeb, 21, 107, 180);
    HCorreo = new THilightLabel(kMailAddress, Panel1);
    PlaceAddress(HCorreo, 56, 129, 109);

    BOkDatos = new QPushButton(QStringLiteral("Aceptar"), this);
    BOkDatos->setGeometry(86, 179, 75, 25);
    BOkDatos->setCursor(Qt::PointingHandCursor);
    BOkDatos->setDefault(true);
    connect(BOkDatos, &QPushButton::clicked, this, &TFormAcercaDe::BOkDatosClick);

    FormCreate();
}

void TFormAcercaDe::PlaceAddress(THilightLabel* label, int left, int top, int width) {
    label->setFont(PixelFont(11, true, true));
    label->SetHiLightColor(Form1Layout::kNavy);
    label->SetHiLightStyle(FontStyle::Bold | FontStyle::Underline);
    label->SetHiLightCursor(QCursor(Qt::PointingHandCursor));
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Keep the place's centre; an address longer than the place grows both ways.
    const int needed = label->sizeHint().width();
    const int w = std::min(std::max(width, needed), 225 - 8);
    const int x = std::clamp(left + width / 2 - w / 2, 4, 225 - 4 - w);
    label->setGeometry(x, top, w, label->sizeHint().height());
    label->installEventFilter(this);
}

void TFormAcercaDe::showEvent(QShowEvent* event) {
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

bool TFormAcercaDe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QWidget*>(watched);
        if (label && label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            if (watched == HWeb) HWebClick();
            else if (watched == HCorreo) HCorreoClick();
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormAcercaDe::HWebClick() {
    if (OpenAddress) OpenAddress(QUrl(HWeb->text()));
}

void TFormAcercaDe::HCorreoClick() {
    if (OpenAddress) OpenAddress(QUrl(QStringLiteral("mailto:") + HCorreo->text()));
}

void TFormAcercaDe::BOkDatosClick() { accept(); }

}  // namespace tablerix
