#include "Form1Layout.h"

#include "AppearanceChoices.h"
#include "AppearanceImages.h"
#include "ArtCatalogue.h"
#include "Blinklbl.h"
#include "ElidedLabel.h"
#include "Form1Controls.h"
#include "Mylabel.h"
#include "QuietLabel.h"
#include "TNotesEdit.h"
#include "TablerixPas.h"
#include "WindowAccessibility.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>

namespace tablerix {

namespace {

QPlainTextEdit* HiddenMemo(QWidget* parent, const QString& text) {
    auto* memo = new QPlainTextEdit(text, parent);
    memo->hide();
    return memo;
}

}  // namespace

QFont Form1Layout::DefaultFont() {
    QFont font;
    // Arial-metric face first, so captions measured for the original font fit.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);  // 8 point at 96 dots per inch
    return font;
}

bool Form1Layout::HasSymbolFont() { return QFontDatabase::hasFamily(QStringLiteral("Wingdings")); }

TmyLabel3d* Form1Layout::MakerLabel(QWidget* parent, int left, int top, int width) {
    auto* label = new TmyLabel3d(QStringLiteral("Velmora Software"), parent);
    label->SetAStyle3D(T3DEffect::Resit3d);
    label->SetAShadeRightBottom(kSilver);
    label->SetAHShadeOffSet(0);
    label->SetAVShadeOffSet(0);
    label->setFont(PixelFont(13, false));
    label->setAlignment(Qt::AlignHCenter);
    // The caption wraps at the label's width: a face wider than the form's
    // own gets the room it needs, so the name stays on one line.
    const int needed = std::max(width, label->sizeHint().width());
    label->setGeometry(left + width / 2 - needed / 2, top, needed, 16);
    return label;
}

QFont Form1Layout::PixelFont(int pixels, bool bold) {
    QFont font = DefaultFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void Form1Layout::SetColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette pal = widget->palette();
    if (background.isValid()) {
        pal.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        pal.setColor(QPalette::WindowText, text);
        pal.setColor(QPalette::Disabled, QPalette::WindowText, text);
    }
    widget->setPalette(pal);
}

QLabel* Form1Layout::Label(QWidget* parent, const QString& text, int left, int top, bool bold) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QComboBox* Form1Layout::Combo(QWidget* parent, const QStringList& items, int left, int top, int width) {
    auto* combo = new QComboBox(parent);
    combo->addItems(items);
    combo->setGeometry(left, top, width, 21);
    QPalette pal = combo->palette();
    pal.setColor(QPalette::Base, kListBackground);
    pal.setColor(QPalette::Button, kListBackground);
    combo->setPalette(pal);
    // A flat field in the list colour; the style alone would shade it.
    combo->setStyleSheet(QStringLiteral("QComboBox { background-color: %1; border: 1px solid rgb(128, 128, 128);"
                                        " border-radius: 2px; padding: 0px 4px; }"
                                        " QComboBox QAbstractItemView { background-color: %1; }")
                             .arg(kListBackground.name()));
    // The dropped list a plain list in that colour with the usual highlight:
    // Qt's menu-like list would give the chosen item the field's colour too.
    combo->setItemDelegate(new QStyledItemDelegate(combo));
    return combo;
}

QToolButton* Form1Layout::HeaderButton(QWidget* parent, const QString& icon, const QString& hint, int left) {
    auto* button = new QToolButton(parent);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(16, 16));
    button->setToolTip(hint);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 4, 25, 25);
    return button;
}

QPushButton* Form1Layout::SymbolButton(QWidget* parent, QChar wingding, QChar unicode, const QString& hint, int left) {
    const bool symbolFont = HasSymbolFont();
    auto* button = new QPushButton(symbolFont ? QString(wingding) : QString(unicode), parent);
    QFont font = PixelFont(16, false);
    if (symbolFont) font.setFamilies({QStringLiteral("Wingdings")});
    else font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    button->setFont(font);
    button->setToolTip(hint);
    button->setGeometry(left, 425, 40, 22);
    return button;
}

QFrame* Form1Layout::ClockPanel(QWidget* parent, const QString& caption, int top, const QColor& background,
                                const QColor& text, QLabel*& hours, QLabel*& minutes, QLabel*& seconds) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(578, top, 97, 19);
    SetColours(panel, background, text);
    auto field = [panel](const QString& value, int left) {
        auto* label = new QLabel(value, panel);
        label->setGeometry(left, 2, value.size() == 1 ? 4 : 13, 15);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    QLabel* title = field(caption, 0);
    title->setGeometry(3, 2, 44, 15);
    title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hours = field(QStringLiteral("00"), 48);
    field(QStringLiteral(":"), 61);
    minutes = field(QStringLiteral("00"), 65);
    field(QStringLiteral(":"), 78);
    seconds = field(QStringLiteral("00"), 82);
    return panel;
}

QIcon Form1Layout::ProgramIcon() {
    // Every size the desktop has, so no size is scaled from another.
    QIcon icon;
    for (const ArtFile& f : artCatalogue())
        if (f.kind == ArtKind::ProgramIcon) icon.addFile(QString::fromLatin1(f.path), QSize(f.width, f.height));
    return icon;
}

void Form1Layout::Build(QWidget& form, Form1Controls& ui, AppearanceImages& images) {
    form.setFont(DefaultFont());
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::Button, kSilver);
    form.setPalette(pal);
    form.setAutoFillBackground(true);

    BuildHeader(form, ui);
    BuildBoard(form, ui);
    BuildRightColumn(form, ui);
    BuildClockPanels(form, ui);
    BuildBottomRow(form, ui);
    BuildStatusBar(form, ui);
    BuildStartPanel(form, ui);
    BuildHiddenControls(form, ui);
    NameControls(ui);
    WindowAccessibility::Describe(ui);
    ConfigureBoard(ui, images);
}

void Form1Layout::BuildHeader(QWidget& form, Form1Controls& ui) {
    ui.PTeclasCab = new QFrame(&form);
    ui.PTeclasCab->setFrameStyle(QFrame::Box | QFrame::Sunken);  // raised inside a lowered bevel
    ui.PTeclasCab->setGeometry(3, 3, 671, 32);
    QWidget* head = ui.PTeclasCab;
    ui.BSalvar = HeaderButton(head, QStringLiteral(":/icons/salvar.png"), QStringLiteral(" Salvar Partida "), 5);
    ui.BCargarCon = HeaderButton(head, QStringLiteral(":/icons/cargar_con.png"),
                                 QStringLiteral(" Cargar Partida CON Animación "), 34);
    ui.BCargarSin = HeaderButton(head, QStringLiteral(":/icons/cargar_sin.png"),
                                 QStringLiteral(" Cargar Partida SIN Animación "), 63);
    ui.BImprimir = HeaderButton(head, QStringLiteral(":/icons/imprimir.png"), QStringLiteral(" Imprimir Partida "), 92);
    ui.BNuevaPar = HeaderButton(head, QStringLiteral(":/icons/nueva.png"), QStringLiteral(" Nueva Partida "), 121);
    ui.BNuevaPar->setText(QStringLiteral("Nueva Partida "));
    ui.BNuevaPar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    ui.BNuevaPar->resize(98, 25);
    ui.LPartida = new ElidedLabel(QStringLiteral("Partida"), head);
    QFont bold = ui.LPartida->font();
    bold.setBold(true);
    ui.LPartida->setFont(bold);
    // A long path ends before the about button, its middle left out.
    ui.LPartida->setGeometry(291, 11, 345, ui.LPartida->sizeHint().height());
    ui.BAcercaDe = HeaderButton(head, QStringLiteral(":/icons/acerca.png"), QStringLiteral(" Acerca de... "), 642);
}

void Form1Layout::BuildBoard(QWidget& form, Form1Controls& ui) {
    ui.PTablero = new QFrame(&form);
    ui.PTablero->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.PTablero->setLineWidth(2);
    ui.PTablero->setGeometry(4, 38, 383, 383);
    auto* spare = new QFrame(ui.PTablero);  // the form's empty panel behind the board
    spare->hide();
    ui.ChessBrd1 = new TChessBrd(ui.PTablero);
    ui.ChessBrd1->setGeometry(5, 5, 368, 368);
}

void Form1Layout::BuildRightColumn(QWidget& form, Form1Controls& ui) {
    ui.LFichasNegras = Label(&form, QStringLiteral("Fichas Negras"), 395, 38);
    ui.ComboJugadores = Combo(&form, {QStringLiteral("Ordenador"), QStringLiteral("Jugador")}, 395, 53, 100);
    ui.LDificultad = Label(&form, QStringLiteral("Dificultad"), 503, 38);
    ui.ComboDificultad =
        Combo(&form, {QStringLiteral("Fácil"), QStringLiteral("Normal"), QStringLiteral("Difícil")}, 502, 53, 70);
    ui.LMovimientos = Label(&form, QStringLiteral("Movimientos"), 395, 79);

    ui.ListBoxRepe = new QListWidget(&form);
    ui.ListBoxRepe->setGeometry(395, 94, 177, 109);
    QPalette pal = ui.ListBoxRepe->palette();
    pal.setColor(QPalette::Base, kListBackground);
    ui.ListBoxRepe->setPalette(pal);

    ui.PJugadasCarga = new QLabel(&form);
    ui.PJugadasCarga->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.PJugadasCarga->setGeometry(482, 185, 101, 50);
    ui.PJugadasCarga->setAlignment(Qt::AlignCenter);
    ui.PJugadasCarga->setFont(PixelFont(19, true));
    SetColours(ui.PJugadasCarga, kSilver, kNavy);
    ui.PJugadasCarga->hide();

    ui.LNotasPartida = Label(&form, QStringLiteral("Notas Partida"), 395, 209);
    ui.MNotas = new TNotesEdit(&form);
    ui.MNotas->setGeometry(394, 224, 279, 111);
    ui.MNotas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ui.MNotas->setTabChangesFocus(false);  // Tab goes into the notes
    ui.MNotas->setPalette(pal);

    ui.LPiezas = Label(&form, QStringLiteral("Piezas"), 395, 342);
    ui.ComboPiezas = Combo(&form,
                           {QStringLiteral("Piezas 1"), QStringLiteral("Piezas 2"), QStringLiteral("Piezas 3"),
                            QStringLiteral("Piezas 4")},
                           394, 357, 80);
    ui.LLIneas = Label(&form, QStringLiteral("Tablero"), 481, 342);
    ui.ComboBorde = Combo(&form, {QStringLiteral("Sin Líneas"), QStringLiteral("Con Líneas")}, 481, 357, 80);
    ui.LOscuro = Label(&form, QStringLiteral("Cuadro"), 395, 383);
    ui.ComboOscuro = Combo(&form, {QStringLiteral("Oscuro 1"), QStringLiteral("Oscuro 2"), QStringLiteral("Oscuro 3")},
                           395, 398, 80);
    ui.LClaro = Label(&form, QStringLiteral("Cuadro"), 481, 383);
    ui.ComboClaro =
        Combo(&form, {QStringLiteral("Claro 1"), QStringLiteral("Claro 2"), QStringLiteral("Claro 3")}, 481, 398, 80);
}

void Form1Layout::BuildClockPanels(QWidget& form, Form1Controls& ui) {
    ui.PRNegras = ClockPanel(&form, QStringLiteral("Negras"), 95, Qt::black, Qt::white, ui.LNHor, ui.LNMin, ui.LNSeg);
    ui.PRBlancas =
        ClockPanel(&form, QStringLiteral("Blancas"), 139, Qt::white, Qt::black, ui.LBHor, ui.LBMin, ui.LBSeg);
    ui.PRPartida = ClockPanel(&form, QStringLiteral("Partida"), 183, kSilver, kNavy, ui.LPHor, ui.LPMin, ui.LPseg);
}

void Form1Layout::BuildBottomRow(QWidget& form, Form1Controls& ui) {
    ui.PMueve = new QLabel(QStringLiteral("Mueve Blancas"), &form);
    ui.PMueve->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.PMueve->setGeometry(4, 425, 120, 22);
    ui.PMueve->setAlignment(Qt::AlignCenter);
    ui.PMueve->setFont(PixelFont(13, true));
    SetColours(ui.PMueve, QColor(), kNavy);

    ui.ButtonBack = SymbolButton(&form, QChar(0xE7), QChar(0x2190), QStringLiteral(" Jugada Anterior "), 131);
    ui.ButtonStop = SymbolButton(&form, QChar(0x6E), QChar(0x25A0), QStringLiteral(" Juego en Pausa "), 176);
    ui.ButtonForward = SymbolButton(&form, QChar(0xE8), QChar(0x2192), QStringLiteral(" Jugada Siguiente "), 222);

    ui.PJaque = new QFrame(&form);
    ui.PJaque->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ui.PJaque->setGeometry(268, 425, 120, 22);
    ui.PJaque->setFont(PixelFont(13, true));
    SetColours(ui.PJaque, QColor(), kMaroon);
    ui.BLJaque = new TBlinkLabel(QStringLiteral("******************"), ui.PJaque);
    ui.BLJaque->setGeometry(6, 3, 109, 16);
    ui.BLJaque->setAlignment(Qt::AlignCenter);
    ui.PJaque->hide();

    // Between the choice lists and "Salir", under the right-hand column.
    ui.LAnuncio = new ElidedLabel(&form);
    ui.LAnuncio->setGeometry(395, 428, 190, 16);
    SetColours(ui.LAnuncio, QColor(), kNavy);

    ui.PSalir = new QFrame(&form);
    ui.PSalir->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.PSalir->setGeometry(592, 424, 79, 29);
    ui.BSalir = new QPushButton(QIcon(QStringLiteral(":/icons/salir.png")), QStringLiteral("Salir"), ui.PSalir);
    ui.BSalir->setGeometry(2, 2, 75, 25);
}

void Form1Layout::BuildStatusBar(QWidget& form, Form1Controls& ui) {
    ui.StatusBar1 = new QStatusBar(&form);
    ui.StatusBar1->setSizeGripEnabled(false);
    ui.StatusBar1->setGeometry(0, TForm1::kClientHeight - TForm1::kStatusBarHeight, TForm1::kClientWidth,
                               TForm1::kStatusBarHeight);
    const std::array<int, 4> widths{300, 200, 80, 80};
    const std::array<QString, 4> texts{QStringLiteral("Tablerix 1.0  ( Velmora Software )"),
                                       QStringLiteral("Programa de Ajedrez"), QString(), QString()};
    // Placed by hand, edge to edge from the left: the bar's own layout would
    // add its margins and spacing.
    int left = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        // The time and date change every second: read when asked.
        QLabel* panel =
            i < 2 ? new QLabel(texts[i], ui.StatusBar1)
                  : new QuietLabel(texts[i], i == 2 ? QStringLiteral("Hora") : QStringLiteral("Fecha"), ui.StatusBar1);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 2, widths[i], TForm1::kStatusBarHeight - 2);
        left += widths[i];
        ui.StatusPanels[i] = panel;
    }
    // The bar takes no input but its text stays as legible as the form's.
    SetColours(ui.StatusBar1, QColor(), Qt::black);
    ui.StatusBar1->setEnabled(false);
}

void Form1Layout::BuildStartPanel(QWidget& form, Form1Controls& ui) {
    ui.PEmpezar = new QFrame(&form);
    ui.PEmpezar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    ui.PEmpezar->setLineWidth(2);
    ui.PEmpezar->setGeometry(424, 148, 217, 113);
    SetColours(ui.PEmpezar, kSilver, QColor());

    ui.Label1 = new QLabel(QStringLiteral("Tablerix"), ui.PEmpezar);
    ui.Label1->setFont(PixelFont(24, true));
    SetColours(ui.Label1, QColor(), kNavy);
    ui.Label1->move(22, 10);
    ui.Label1->adjustSize();

    ui.myLabel3d2 = MakerLabel(ui.PEmpezar, 63, 45, 89);

    ui.BAceptar = new QPushButton(QStringLiteral("Empezar"), ui.PEmpezar);
    ui.BAceptar->setGeometry(70, 72, 75, 25);
    ui.BAceptar->setCursor(Qt::PointingHandCursor);
}

void Form1Layout::BuildHiddenControls(QWidget& form, Form1Controls& ui) {
    ui.ListBox1 = new QListWidget(&form);
    ui.ListBox1->setEnabled(false);
    ui.ListBox1->hide();
    ui.Memo1 = HiddenMemo(&form, QString());
    ui.MTiempos = HiddenMemo(&form, QStringLiteral("Tiempos..."));
    ui.MJugadasJaque = HiddenMemo(&form, QStringLiteral("Jugadas Jaque..."));
    ui.MControl = HiddenMemo(&form, QStringLiteral("Notas..."));

    ui.EditorNotasImprimir = new QTextEdit(&form);
    ui.EditorNotasImprimir->setReadOnly(true);
    ui.EditorNotasImprimir->setTabChangesFocus(false);
    QFont sheet;
    sheet.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")});
    sheet.setPixelSize(13);
    ui.EditorNotasImprimir->setFont(sheet);
    ui.EditorNotasImprimir->hide();

    ui.ComboJugadorBlancas = Combo(&form, {QStringLiteral("Ordenador"), QStringLiteral("Jugador")}, 0, 0, 100);
    ui.ComboJugadorBlancas->hide();
    ui.LFichasBlancas = Label(&form, QStringLiteral("Fichas Blancas"), 0, 0);
    ui.LFichasBlancas->hide();

    ui.Timer1 = new QTimer(&form);
    ui.Timer1->setInterval(1000);
}

void Form1Layout::NameControls(Form1Controls& ui) {
    // Each control carries its member's name, so that tests and outside
    // tools find it with findChild.
    // clang-format off
    const std::pair<QObject*, const char*> controls[] = {
        {ui.PTeclasCab, "PTeclasCab"}, {ui.BSalvar, "BSalvar"}, {ui.BCargarCon, "BCargarCon"},
        {ui.BCargarSin, "BCargarSin"}, {ui.BImprimir, "BImprimir"}, {ui.BNuevaPar, "BNuevaPar"},
        {ui.LPartida, "LPartida"}, {ui.BAcercaDe, "BAcercaDe"},
        {ui.PTablero, "PTablero"}, {ui.ChessBrd1, "ChessBrd1"},
        {ui.LFichasNegras, "LFichasNegras"}, {ui.ComboJugadores, "ComboJugadores"}, {ui.LDificultad, "LDificultad"},
        {ui.ComboDificultad, "ComboDificultad"}, {ui.LMovimientos, "LMovimientos"}, {ui.ListBoxRepe, "ListBoxRepe"},
        {ui.PRNegras, "PRNegras"}, {ui.LNHor, "LNHor"}, {ui.LNMin, "LNMin"}, {ui.LNSeg, "LNSeg"},
        {ui.PRBlancas, "PRBlancas"}, {ui.LBHor, "LBHor"}, {ui.LBMin, "LBMin"}, {ui.LBSeg, "LBSeg"},
        {ui.PRPartida, "PRPartida"}, {ui.LPHor, "LPHor"}, {ui.LPMin, "LPMin"}, {ui.LPseg, "LPseg"},
        {ui.PJugadasCarga, "PJugadasCarga"}, {ui.LNotasPartida, "LNotasPartida"}, {ui.MNotas, "MNotas"},
        {ui.LPiezas, "LPiezas"}, {ui.ComboPiezas, "ComboPiezas"}, {ui.LLIneas, "LLIneas"},
        {ui.ComboBorde, "ComboBorde"}, {ui.LOscuro, "LOscuro"}, {ui.ComboOscuro, "ComboOscuro"}, {ui.LClaro, "LClaro"},
        {ui.ComboClaro, "ComboClaro"},
        {ui.PMueve, "PMueve"}, {ui.ButtonBack, "ButtonBack"}, {ui.ButtonStop, "ButtonStop"},
        {ui.ButtonForward, "ButtonForward"}, {ui.LAnuncio, "LAnuncio"}, {ui.PJaque, "PJaque"}, {ui.BLJaque, "BLJaque"}, {ui.PSalir, "PSalir"},
        {ui.BSalir, "BSalir"}, {ui.StatusBar1, "StatusBar1"},
        {ui.PEmpezar, "PEmpezar"}, {ui.Label1, "Label1"}, {ui.myLabel3d2, "myLabel3d2"}, {ui.BAceptar, "BAceptar"},
        {ui.ListBox1, "ListBox1"}, {ui.Memo1, "Memo1"}, {ui.MTiempos, "MTiempos"}, {ui.MJugadasJaque, "MJugadasJaque"},
        {ui.MControl, "MControl"}, {ui.EditorNotasImprimir, "EditorNotasImprimir"},
        {ui.ComboJugadorBlancas, "ComboJugadorBlancas"}, {ui.LFichasBlancas, "LFichasBlancas"}, {ui.Timer1, "Timer1"}};
    // clang-format on
    for (const auto& [control, name] : controls) control->setObjectName(QLatin1StringView(name));
    for (std::size_t i = 0; i < ui.StatusPanels.size(); ++i)
        ui.StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
}

void Form1Layout::ConfigureBoard(Form1Controls& ui, AppearanceImages& images) {
    TChessBrd& board = *ui.ChessBrd1;
    // As stored in the form: the board draws nothing until it is on screen.
    board.BeginLoadingProperties();
    board.SetAnimateMoves(true);
    board.SetAnimationDelay(1);
    board.SetCastlingAllowed(CastleSet::All());
    board.SetCustomEngine(false);
    board.SetSearchDepth(1);
    board.SetThinkingPriority(TThreadPriority::tpNormal);
    board.SetPosition(kStartPosition);
    board.SetWhiteToMove(true);

    board.SetBoardLines(false);
    board.SetBorderColor(Qt::black);
    QFont coords;
    coords.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans")});
    coords.setPointSize(8);
    board.SetCoordFont(coords, Qt::white);
    board.SetDisplayCoords(CoordSet::All());
    board.SetResizable(false);
    board.SetSizeOfBorder(24);
    board.SetSizeOfSquare(40);
    board.SetSquareColorDark(QColor(128, 128, 128));
    board.SetSquareColorLight(kSilver);
    // The textures of "Oscuro 1" and "Claro 1", the lists' first items.
    board.SetSquareDark(images.Picture(AppearanceChoices::DarkResource(0)));
    board.SetSquareLight(images.Picture(AppearanceChoices::LightResource(0)));
    board.SetBorderBitmap(images.Picture(AppearanceImages::kBorderResource));
    board.SetWhiteOnTop(false);
    board.EndLoadingProperties();
}

}  // namespace tablerix
