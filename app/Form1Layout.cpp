#include "Form1Layout.h"

#include "ArtCatalogue.h"
#include "Blinklbl.h"
#include "ElidedLabel.h"
#include "GameFileKind.h"
#include "Mylabel.h"
#include "TNotesEdit.h"
#include "TablerixPas.h"

#include <QComboBox>
#include <QFileDialog>
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

QPushButton* Form1Layout::SymbolButton(QWidget* parent, QChar wingding, QChar unicode, const QString& hint,
                                       int left) {
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

void Form1Layout::Build(TForm1& form) {
    form.setFont(DefaultFont());
    QPalette pal = form.palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::Button, kSilver);
    form.setPalette(pal);
    form.setAutoFillBackground(true);
    form.setWindowIcon(ProgramIcon());

    BuildHeader(form);
    BuildBoard(form);
    BuildRightColumn(form);
    BuildClockPanels(form);
    BuildBottomRow(form);
    BuildStatusBar(form);
    BuildStartPanel(form);
    BuildHiddenControls(form);
    NameControls(form);
    ConfigureBoard(form);
}

void Form1Layout::BuildHeader(TForm1& form) {
    form.PTeclasCab = new QFrame(&form);
    form.PTeclasCab->setFrameStyle(QFrame::Box | QFrame::Sunken);  // raised inside a lowered bevel
    form.PTeclasCab->setGeometry(3, 3, 671, 32);
    QWidget* head = form.PTeclasCab;
    form.BSalvar = HeaderButton(head, QStringLiteral(":/icons/salvar.png"), QStringLiteral(" Salvar Partida "), 5);
    form.BCargarCon = HeaderButton(head, QStringLiteral(":/icons/cargar_con.png"),
                                   QStringLiteral(" Cargar Partida CON Animación "), 34);
    form.BCargarSin = HeaderButton(head, QStringLiteral(":/icons/cargar_sin.png"),
                                   QStringLiteral(" Cargar Partida SIN Animación "), 63);
    form.BImprimir =
        HeaderButton(head, QStringLiteral(":/icons/imprimir.png"), QStringLiteral(" Imprimir Partida "), 92);
    form.BNuevaPar = HeaderButton(head, QStringLiteral(":/icons/nueva.png"), QStringLiteral(" Nueva Partida "), 121);
    form.BNuevaPar->setText(QStringLiteral("Nueva Partida "));
    form.BNuevaPar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    form.BNuevaPar->resize(98, 25);
    form.LPartida = new ElidedLabel(QStringLiteral("Partida"), head);
    QFont bold = form.LPartida->font();
    bold.setBold(true);
    form.LPartida->setFont(bold);
    // A long path ends before the about button, its middle left out.
    form.LPartida->setGeometry(291, 11, 345, form.LPartida->sizeHint().height());
    form.BAcercaDe = HeaderButton(head, QStringLiteral(":/icons/acerca.png"), QStringLiteral(" Acerca de... "), 642);
}

void Form1Layout::BuildBoard(TForm1& form) {
    form.PTablero = new QFrame(&form);
    form.PTablero->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    form.PTablero->setLineWidth(2);
    form.PTablero->setGeometry(4, 38, 383, 383);
    auto* spare = new QFrame(form.PTablero);  // the form's empty panel behind the board
    spare->hide();
    form.ChessBrd1 = new TChessBrd(form.PTablero);
    form.ChessBrd1->setGeometry(5, 5, 368, 368);
}

void Form1Layout::BuildRightColumn(TForm1& form) {
    form.LFichasNegras = Label(&form, QStringLiteral("Fichas Negras"), 395, 38);
    form.ComboJugadores = Combo(&form, {QStringLiteral("Ordenador"), QStringLiteral("Jugador")}, 395, 53, 100);
    form.LDificultad = Label(&form, QStringLiteral("Dificultad"), 503, 38);
    form.ComboDificultad =
        Combo(&form, {QStringLiteral("Fácil"), QStringLiteral("Normal"), QStringLiteral("Difícil")}, 502, 53, 70);
    form.LMovimientos = Label(&form, QStringLiteral("Movimientos"), 395, 79);

    form.ListBoxRepe = new QListWidget(&form);
    form.ListBoxRepe->setGeometry(395, 94, 177, 109);
    QPalette pal = form.ListBoxRepe->palette();
    pal.setColor(QPalette::Base, kListBackground);
    form.ListBoxRepe->setPalette(pal);

    form.PJugadasCarga = new QLabel(&form);
    form.PJugadasCarga->setFrameStyle(QFrame::Panel | QFrame::Raised);
    form.PJugadasCarga->setGeometry(482, 185, 101, 50);
    form.PJugadasCarga->setAlignment(Qt::AlignCenter);
    form.PJugadasCarga->setFont(PixelFont(19, true));
    SetColours(form.PJugadasCarga, kSilver, kNavy);
    form.PJugadasCarga->hide();

    form.LNotasPartida = Label(&form, QStringLiteral("Notas Partida"), 395, 209);
    form.MNotas = new TNotesEdit(&form);
    form.MNotas->setGeometry(394, 224, 279, 111);
    form.MNotas->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    form.MNotas->setTabChangesFocus(false);  // Tab goes into the notes
    form.MNotas->setPalette(pal);

    form.LPiezas = Label(&form, QStringLiteral("Piezas"), 395, 342);
    form.ComboPiezas = Combo(&form,
                             {QStringLiteral("Piezas 1"), QStringLiteral("Piezas 2"), QStringLiteral("Piezas 3"),
                              QStringLiteral("Piezas 4")},
                             394, 357, 80);
    form.LLIneas = Label(&form, QStringLiteral("Tablero"), 481, 342);
    form.ComboBorde = Combo(&form, {QStringLiteral("Sin Líneas"), QStringLiteral("Con Líneas")}, 481, 357, 80);
    form.LOscuro = Label(&form, QStringLiteral("Cuadro"), 395, 383);
    form.ComboOscuro = Combo(
        &form, {QStringLiteral("Oscuro 1"), QStringLiteral("Oscuro 2"), QStringLiteral("Oscuro 3")}, 395, 398, 80);
    form.LClaro = Label(&form, QStringLiteral("Cuadro"), 481, 383);
    form.ComboClaro = Combo(
        &form, {QStringLiteral("Claro 1"), QStringLiteral("Claro 2"), QStringLiteral("Claro 3")}, 481, 398, 80);
}

void Form1Layout::BuildClockPanels(TForm1& form) {
    form.PRNegras = ClockPanel(&form, QStringLiteral("Negras"), 95, Qt::black, Qt::white, form.LNHor, form.LNMin,
                               form.LNSeg);
    form.PRBlancas = ClockPanel(&form, QStringLiteral("Blancas"), 139, Qt::white, Qt::black, form.LBHor, form.LBMin,
                                form.LBSeg);
    form.PRPartida = ClockPanel(&form, QStringLiteral("Partida"), 183, kSilver, kNavy, form.LPHor, form.LPMin,
                                form.LPseg);
}

void Form1Layout::BuildBottomRow(TForm1& form) {
    form.PMueve = new QLabel(QStringLiteral("Mueve Blancas"), &form);
    form.PMueve->setFrameStyle(QFrame::Panel | QFrame::Raised);
    form.PMueve->setGeometry(4, 425, 120, 22);
    form.PMueve->setAlignment(Qt::AlignCenter);
    form.PMueve->setFont(PixelFont(13, true));
    SetColours(form.PMueve, QColor(), kNavy);

    form.ButtonBack = SymbolButton(&form, QChar(0xE7), QChar(0x2190), QStringLiteral(" Jugada Anterior "), 131);
    form.ButtonStop = SymbolButton(&form, QChar(0x6E), QChar(0x25A0), QStringLiteral(" Juego en Pausa "), 176);
    form.ButtonForward = SymbolButton(&form, QChar(0xE8), QChar(0x2192), QStringLiteral(" Jugada Siguiente "), 222);

    form.PJaque = new QFrame(&form);
    form.PJaque->setFrameStyle(QFrame::Panel | QFrame::Raised);
    form.PJaque->setGeometry(268, 425, 120, 22);
    form.PJaque->setFont(PixelFont(13, true));
    SetColours(form.PJaque, QColor(), kMaroon);
    form.BLJaque = new TBlinkLabel(QStringLiteral("******************"), form.PJaque);
    form.BLJaque->setGeometry(6, 3, 109, 16);
    form.BLJaque->setAlignment(Qt::AlignCenter);
    form.PJaque->hide();

    form.PSalir = new QFrame(&form);
    form.PSalir->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    form.PSalir->setGeometry(592, 424, 79, 29);
    form.BSalir = new QPushButton(QIcon(QStringLiteral(":/icons/salir.png")), QStringLiteral("Salir"), form.PSalir);
    form.BSalir->setGeometry(2, 2, 75, 25);
}

void Form1Layout::BuildStatusBar(TForm1& form) {
    form.StatusBar1 = new QStatusBar(&form);
    form.StatusBar1->setSizeGripEnabled(false);
    form.StatusBar1->setGeometry(0, TForm1::kClientHeight - TForm1::kStatusBarHeight, TForm1::kClientWidth,
                                 TForm1::kStatusBarHeight);
    const std::array<int, 4> widths{300, 200, 80, 80};
    const std::array<QString, 4> texts{QStringLiteral("Tablerix 1.0  ( Velmora Software )"),
                                       QStringLiteral("Programa de Ajedrez"), QString(), QString()};
    // Placed by hand, edge to edge from the left: the bar's own layout would
    // add its margins and spacing.
    int left = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        auto* panel = new QLabel(texts[i], form.StatusBar1);
        panel->setAlignment(Qt::AlignCenter);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(left, 2, widths[i], TForm1::kStatusBarHeight - 2);
        left += widths[i];
        form.StatusPanels[i] = panel;
    }
    // The bar takes no input but its text stays as legible as the form's.
    SetColours(form.StatusBar1, QColor(), Qt::black);
    form.StatusBar1->setEnabled(false);
}

void Form1Layout::BuildStartPanel(TForm1& form) {
    form.PEmpezar = new QFrame(&form);
    form.PEmpezar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    form.PEmpezar->setLineWidth(2);
    form.PEmpezar->setGeometry(424, 148, 217, 113);
    SetColours(form.PEmpezar, kSilver, QColor());

    form.Label1 = new QLabel(QStringLiteral("Tablerix"), form.PEmpezar);
    form.Label1->setFont(PixelFont(24, true));
    SetColours(form.Label1, QColor(), kNavy);
    form.Label1->move(22, 10);
    form.Label1->adjustSize();

    form.myLabel3d2 = MakerLabel(form.PEmpezar, 63, 45, 89);

    form.BAceptar = new QPushButton(QStringLiteral("Empezar"), form.PEmpezar);
    form.BAceptar->setGeometry(70, 72, 75, 25);
    form.BAceptar->setCursor(Qt::PointingHandCursor);
}

QFileDialog* Form1Layout::GameFileDialog(QWidget* parent, const QString& title, QFileDialog::AcceptMode mode) {
    auto* dialog = new QFileDialog(parent, title, QString(), kGameFilterName + QStringLiteral(" (*.Chess)"));
    dialog->setAcceptMode(mode);
    dialog->setDefaultSuffix(QStringLiteral("Chess"));
    // The list shows the names alone. Qt folds the double blank of a filter
    // name into one; the names are passed exactly as written.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    GameFileKind::OfferPgn(*dialog);
    return dialog;
}

void Form1Layout::BuildHiddenControls(TForm1& form) {
    form.ListBox1 = new QListWidget(&form);
    form.ListBox1->setEnabled(false);
    form.ListBox1->hide();
    form.Memo1 = HiddenMemo(&form, QString());
    form.MTiempos = HiddenMemo(&form, QStringLiteral("Tiempos..."));
    form.MJugadasJaque = HiddenMemo(&form, QStringLiteral("Jugadas Jaque..."));
    form.MControl = HiddenMemo(&form, QStringLiteral("Notas..."));

    form.EditorNotasImprimir = new QTextEdit(&form);
    form.EditorNotasImprimir->setReadOnly(true);
    form.EditorNotasImprimir->setTabChangesFocus(false);
    QFont sheet;
    sheet.setFamilies({QStringLiteral("Comic Sans MS"), QStringLiteral("DejaVu Sans")});
    sheet.setPixelSize(13);
    form.EditorNotasImprimir->setFont(sheet);
    form.EditorNotasImprimir->hide();

    form.ComboJugadorBlancas = Combo(&form, {QStringLiteral("Ordenador"), QStringLiteral("Jugador")}, 0, 0, 100);
    form.ComboJugadorBlancas->hide();
    form.LFichasBlancas = Label(&form, QStringLiteral("Fichas Blancas"), 0, 0);
    form.LFichasBlancas->hide();

    form.Timer1 = new QTimer(&form);
    form.Timer1->setInterval(1000);

    form.Save = GameFileDialog(&form, QStringLiteral("Tablerix ( Salvar Partida )."), QFileDialog::AcceptSave);
    form.Open = GameFileDialog(&form, QStringLiteral("Tablerix ( Cargar Partida )."), QFileDialog::AcceptOpen);
    form.Open->setFileMode(QFileDialog::AnyFile);  // a missing file is reported by the loader

    form.MarronOscuro2 = QImage(QStringLiteral(":/textures/MarronOscuro2.png"));
    form.MarronClaro2 = QImage(QStringLiteral(":/textures/MarronClaro2.png"));
    form.MaderaBorde = QImage(QStringLiteral(":/textures/MaderaBorde.png"));
}

void Form1Layout::NameControls(TForm1& form) {
    // Each control carries its member's name, so that tests and outside
    // tools find it with findChild.
    const std::pair<QObject*, const char*> controls[] = {
        {form.PTeclasCab, "PTeclasCab"}, {form.BSalvar, "BSalvar"}, {form.BCargarCon, "BCargarCon"},
        {form.BCargarSin, "BCargarSin"}, {form.BImprimir, "BImprimir"}, {form.BNuevaPar, "BNuevaPar"},
        {form.LPartida, "LPartida"}, {form.BAcercaDe, "BAcercaDe"},
        {form.PTablero, "PTablero"}, {form.ChessBrd1, "ChessBrd1"},
        {form.LFichasNegras, "LFichasNegras"}, {form.ComboJugadores, "ComboJugadores"},
        {form.LDificultad, "LDificultad"}, {form.ComboDificultad, "ComboDificultad"},
        {form.LMovimientos, "LMovimientos"}, {form.ListBoxRepe, "ListBoxRepe"},
        {form.PRNegras, "PRNegras"}, {form.LNHor, "LNHor"}, {form.LNMin, "LNMin"}, {form.LNSeg, "LNSeg"},
        {form.PRBlancas, "PRBlancas"}, {form.LBHor, "LBHor"}, {form.LBMin, "LBMin"}, {form.LBSeg, "LBSeg"},
        {form.PRPartida, "PRPartida"}, {form.LPHor, "LPHor"}, {form.LPMin, "LPMin"}, {form.LPseg, "LPseg"},
        {form.PJugadasCarga, "PJugadasCarga"}, {form.LNotasPartida, "LNotasPartida"}, {form.MNotas, "MNotas"},
        {form.LPiezas, "LPiezas"}, {form.ComboPiezas, "ComboPiezas"}, {form.LLIneas, "LLIneas"},
        {form.ComboBorde, "ComboBorde"}, {form.LOscuro, "LOscuro"}, {form.ComboOscuro, "ComboOscuro"},
        {form.LClaro, "LClaro"}, {form.ComboClaro, "ComboClaro"},
        {form.PMueve, "PMueve"}, {form.ButtonBack, "ButtonBack"}, {form.ButtonStop, "ButtonStop"},
        {form.ButtonForward, "ButtonForward"}, {form.PJaque, "PJaque"}, {form.BLJaque, "BLJaque"},
        {form.PSalir, "PSalir"}, {form.BSalir, "BSalir"}, {form.StatusBar1, "StatusBar1"},
        {form.PEmpezar, "PEmpezar"}, {form.Label1, "Label1"}, {form.myLabel3d2, "myLabel3d2"},
        {form.BAceptar, "BAceptar"},
        {form.ListBox1, "ListBox1"}, {form.Memo1, "Memo1"}, {form.MTiempos, "MTiempos"},
        {form.MJugadasJaque, "MJugadasJaque"}, {form.MControl, "MControl"},
        {form.EditorNotasImprimir, "EditorNotasImprimir"},
        {form.ComboJugadorBlancas, "ComboJugadorBlancas"}, {form.LFichasBlancas, "LFichasBlancas"},
        {form.Timer1, "Timer1"}, {form.Save, "Save"}, {form.Open, "Open"}};
    for (const auto& [control, name] : controls) control->setObjectName(QLatin1StringView(name));
    for (std::size_t i = 0; i < form.StatusPanels.size(); ++i)
        form.StatusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
}

void Form1Layout::ConfigureBoard(TForm1& form) {
    TChessBrd& board = *form.ChessBrd1;
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
    board.SetSquareDark(form.MarronOscuro2);
    board.SetSquareLight(form.MarronClaro2);
    board.SetBorderBitmap(form.MaderaBorde);
    board.SetWhiteOnTop(false);
    board.EndLoadingProperties();
}

}  // namespace tablerix
