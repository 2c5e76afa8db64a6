#include "TablerixPas.h"

#include "AppearanceChoices.h"
#include "Blinklbl.h"
#include "Form1Layout.h"
#include "GameFileCommands.h"
#include "MoveListText.h"
#include "Mylabel.h"
#include "PrintCommand.h"
#include "TFormAcercaDe.h"
#include "TablerixMessage.h"
#include "WindowShortcuts.h"

#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QListWidget>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace tablerix {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The system's time format without the time zone, which would not fit its
// 80-pixel panel.
QString TimeFormat() {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    Form1Layout::Build(*this);
    WireControls();
    WireBoard();
    shortcuts_ = std::make_unique<WindowShortcuts>(*this);
    FormActivate();  // the dialogs' first folder, before any activation
    FormCreate();
    Timer1->start();
}

TForm1::~TForm1() {
    // The board outlives this body (Qt deletes it with the other children)
    // and may still pump messages while its engine parks: nothing it or the
    // timer does from here on may reach this half-destroyed window.
    Timer1->stop();
    ChessBrd1->OnLegalMove = nullptr;
    ChessBrd1->OnCheck = nullptr;
    ChessBrd1->OnMate = nullptr;
    ChessBrd1->OnDraw = nullptr;
    ChessBrd1->OnCalculateMove = nullptr;
    ChessBrd1->OnCalculationFailed = nullptr;
    ChessBrd1->StopThinking();
}

void TForm1::WireControls() {
    connect(BSalvar, &QToolButton::clicked, this, &TForm1::BSalvarClick);
    connect(BCargarCon, &QToolButton::clicked, this, &TForm1::BCargarConClick);
    connect(BCargarSin, &QToolButton::clicked, this, &TForm1::BCargarSinClick);
    connect(BImprimir, &QToolButton::clicked, this, &TForm1::BImprimirClick);
    connect(BNuevaPar, &QToolButton::clicked, this, &TForm1::BNuevaParClick);
    connect(BAcercaDe, &QToolButton::clicked, this, &TForm1::BAcercaDeClick);
    connect(BAceptar, &QPushButton::clicked, this, &TForm1::BAceptarClick);
    connect(BSalir, &QPushButton::clicked, this, &TForm1::BsalirClick);
    connect(ButtonBack, &QPushButton::clicked, this, &TForm1::ButtonBackClick);
    connect(ButtonStop, &QPushButton::clicked, this, &TForm1::ButtonStopClick);
    connect(ButtonForward, &QPushButton::clicked, this, &TForm1::ButtonForwardClick);
    // "activated" is the user's choice only; the window's own selections
    // run the handlers explicitly where they should.
    connect(ComboJugadores, &QComboBox::activated, this, &TForm1::ComboJugadoresChange);
    connect(ComboDificultad, &QComboBox::activated, this, &TForm1::ComboDificultadChange);
    connect(ComboJugadorBlancas, &QComboBox::activated, this, &TForm1::ComboJugadorBlancasChange);
    connect(ComboPiezas, &QComboBox::activated, this, &TForm1::ComboPiezasChange);
    connect(ComboOscuro, &QComboBox::activated, this, &TForm1::ComboOscuroChange);
    connect(ComboClaro, &QComboBox::activated, this, &TForm1::ComboClaroChange);
    connect(ComboBorde, &QComboBox::activated, this, &TForm1::ComboBordeChange);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(Save, &QFileDialog::fileSelected, this, &TForm1::UseDialogFolderOf);
    connect(Open, &QFileDialog::fileSelected, this, &TForm1::UseDialogFolderOf);

    // A move chosen in the visible list: by keyboard (selection change) or by
    // mouse (the press changes the selection, the click follows; one run).
    connect(ListBoxRepe, &QListWidget::itemSelectionChanged, this, [this] {
        // A list emptied under the selection is not a choice of the user's.
        if (Loading || ListBoxRepe->selectedItems().isEmpty()) return;
        repeRowHandled_ = ListBoxRepe->currentRow();
        ListBoxRepeClick();
    });
    connect(ListBoxRepe, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ListBoxRepe->row(item) == std::exchange(repeRowHandled_, -2)) return;
        ListBoxRepeClick();
    });
    ListBoxRepe->viewport()->installEventFilter(this);
}

void TForm1::WireBoard() {
    ChessBrd1->OnLegalMove = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1LegalMove(a, b); };
    ChessBrd1->OnCheck = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1Check(a, b); };
    ChessBrd1->OnMate = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1Mate(a, b); };
    ChessBrd1->OnDraw = [this](ChessBrdCore&) { ChessBrd1Draw(); };
    ChessBrd1->OnCalculateMove = [this](ChessBrdCore&, Square& a, Square& b) { ChessBrd1CalculateMove(a, b); };
    ChessBrd1->OnCalculationFailed = [this](ChessBrdCore&, Square a, Square b) {
        ChessBrd1CalculationFailed(a, b);
    };
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBoxRepe->viewport() && event->type() == QEvent::MouseButtonPress) repeRowHandled_ = -2;
    return QWidget::eventFilter(watched, event);
}

void TForm1::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* scr = screen()) {
            const QRect area = scr->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QWidget::showEvent(event);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QWidget::changeEvent(event);
}

// ---------------------------------------------------------------- game flow

void TForm1::FormCreate() {
    setFixedSize(kClientWidth, kClientHeight);
    AnimateLoad = true;
    Loading = false;
    LPartida->clear();
    ComboDificultad->setCurrentIndex(0);
    ComboPiezas->setCurrentIndex(0);
    ComboOscuro->setCurrentIndex(0);
    ComboClaro->setCurrentIndex(0);
    ComboBorde->setCurrentIndex(0);
    ComboJugadores->setCurrentIndex(0);
    ComboJugadorBlancas->setCurrentIndex(1);
    BSalvar->setEnabled(false);
    BImprimir->setEnabled(false);
    BNuevaPar->setEnabled(false);
    ClocksRunning = false;
    PEmpezar->setGeometry(424, 148, 217, 113);
    PEmpezar->raise();
    Quita_Campos();
}

void TForm1::FormActivate() {
    // Never the program's own folder: once installed nobody may write there.
    if (DialogDirectory.isEmpty()) DialogDirectory = FormDialogs::StartFolder();
    Save->setDirectory(DialogDirectory);
    Open->setDirectory(DialogDirectory);
}

void TForm1::UseDialogFolderOf(const QString& file) {
    const QFileInfo info(file);
    if (!info.absoluteDir().exists()) return;
    DialogDirectory = info.absolutePath();
    FormActivate();
}

void TForm1::BAceptarClick() {
    Pon_Campos();
    ComboJugadoresChange();
    ComboDificultadChange();
    ClocksRunning = true;
    BSalvar->setEnabled(true);
    BImprimir->setEnabled(true);
    BNuevaPar->setEnabled(true);
    PTablero->show();
    ListBoxRepe->show();
    ChessBrd1->StartThinking();
    PEmpezar->hide();
}

void TForm1::ComboJugadoresChange() {
    const int index = ComboJugadores->currentIndex();
    if (index == 0) ChessBrd1->SetComputerPlaysBlack(true);
    else if (index == 1) ChessBrd1->SetComputerPlaysBlack(false);
    const bool computer = index == 0;
    LDificultad->setVisible(computer);
    ComboDificultad->setVisible(computer);
    if (computer) ComboDificultadChange();
}

void TForm1::ComboJugadorBlancasChange() {
    const int index = ComboJugadorBlancas->currentIndex();
    if (index == 0) ChessBrd1->SetComputerPlaysWhite(true);
    else if (index == 1) ChessBrd1->SetComputerPlaysWhite(false);
}

void TForm1::ComboDificultadChange() { ChessBrd1->SetSearchDepth(ComboDificultad->currentIndex() + 3); }

void TForm1::BNuevaParClick() {
    Clocks.Reset();
    ShowClocks();
    MNotas->clear();
    Memo1->clear();
    SelectRepe(-1);
    {
        const QSignalBlocker block(ListBoxRepe);
        ListBoxRepe->clear();
    }
    LPartida->clear();
    PJaque->hide();
    ChessBrd1->NewGame();
    UpdateListBox();
    ClocksRunning = true;
    ComboJugadorBlancas->setCurrentIndex(1);
    ComboJugadorBlancasChange();
}

void TForm1::ButtonStopClick() {
    ChessBrd1->StopThinking();
    ClocksRunning = false;
    TablerixMessage::Aviso(this, QStringLiteral("         Juego en Pausa"));
    ChessBrd1->StartThinking();
    ClocksRunning = true;
}

void TForm1::BsalirClick() { close(); }

void TForm1::Quita_Campos() {
    for (QWidget* w : std::initializer_list<QWidget*>{LMovimientos, ListBoxRepe, PRBlancas, PRNegras, PRPartida,
                                                      ButtonBack, ButtonStop, ButtonForward, LNotasPartida, MNotas,
                                                      PMueve})
        w->hide();
    PTablero->setEnabled(false);
}

void TForm1::Pon_Campos() {
    for (QWidget* w : std::initializer_list<QWidget*>{LMovimientos, ListBoxRepe, PRBlancas, PRNegras, PRPartida,
                                                      ButtonBack, ButtonStop, ButtonForward, LNotasPartida, MNotas,
                                                      PMueve})
        w->show();
    PTablero->setEnabled(true);
}

void TForm1::Quito_Carga() {
    for (QWidget* w : std::initializer_list<QWidget*>{ComboJugadores, ComboDificultad, ComboPiezas, ComboBorde,
                                                      ComboOscuro, ComboClaro, BSalvar, BCargarCon, BCargarSin,
                                                      BImprimir, BNuevaPar, BAcercaDe})
        w->setEnabled(false);
}

void TForm1::Pongo_Carga() {
    for (QWidget* w : std::initializer_list<QWidget*>{ComboJugadores, ComboDificultad, ComboPiezas, ComboBorde,
                                                      ComboOscuro, ComboClaro, BSalvar, BCargarCon, BCargarSin,
                                                      BImprimir, BNuevaPar, BAcercaDe})
        w->setEnabled(true);
}

// ------------------------------------------------------------- board events

void TForm1::ChessBrd1LegalMove(Square, Square) {
    PJaque->hide();
    UpdateListBox();
    if (Loading) return;
    ClocksRunning = true;
    SelectHidden(ListBox1->count() - 1);
    const QListWidgetItem* last = ListBox1->currentItem();
    {
        const QSignalBlocker block(ListBoxRepe);
        ListBoxRepe->addItem(Q(MoveListText::VisibleEntry(last ? last->text().toStdString() : std::string())));
        // A move made after stepping back: the board cut its record there, so
        // drop the abandoned continuation between the selection and the new entry.
        const int k = ListBoxRepe->currentRow();
        const int c = ListBoxRepe->count();
        if (c > ListBox1->count()) {
            const int first = std::max(k + 1, 0);
            for (int n = c - k - 2; n > 0 && first < ListBoxRepe->count() - 1; --n)
                delete ListBoxRepe->takeItem(first);  // takeItem hands the item over
        }
    }
    SelectRepe(ListBox1->currentRow());
    repeRowHandled_ = -2;
}

void TForm1::ChessBrd1Check(Square, Square) {
    if (!Loading) ReportEnding(MoveListText::kJaque);
}

void TForm1::ChessBrd1Mate(Square, Square) {
    if (!Loading) ReportEnding(MoveListText::kJaqueMate);
    ClocksRunning = false;
    TablerixMessage::Aviso(this, QStringLiteral("      ***   Jaque Mate   ***"));
}

void TForm1::ChessBrd1Draw() {
    if (!Loading) ReportEnding(MoveListText::kTablas);
    ClocksRunning = false;
    TablerixMessage::Aviso(this, QStringLiteral("         ***   Tablas   ***"));
}

void TForm1::ReportEnding(std::string_view word) {
    const QListWidgetItem* line = ListBox1->currentItem();
    const int row = ListBoxRepe->currentRow();
    if (line && row >= 0) {
        const QSignalBlocker block(ListBoxRepe);
        ListBoxRepe->item(row)->setText(Q(MoveListText::Annotated(line->text().toStdString(), word)));
    }
    SelectRepe(ListBox1->currentRow());
    BLJaque->setText(Q(MoveListText::Trim(word)));
    PJaque->show();
}

void TForm1::ChessBrd1CalculateMove(Square& oldSq, Square& newSq) {
    if (ChessBrd1->IsLegalMove(oldSq, newSq)) return;
    // Random pairs until one is legal, but each pair at most once: a side
    // without a legal move must not hang the window.
    std::vector<std::pair<int, int>> pairs;
    pairs.reserve(65 * 65);
    for (int a = 0; a <= 64; ++a)
        for (int b = 0; b <= 64; ++b) pairs.emplace_back(a, b);
    std::shuffle(pairs.begin(), pairs.end(), std::mt19937(std::random_device{}()));
    for (const auto& [a, b] : pairs) {
        if (ChessBrd1->IsLegalMove(ToSquare(a), ToSquare(b))) {
            oldSq = ToSquare(a);
            newSq = ToSquare(b);
            return;
        }
    }
    oldSq = Square::None;
    newSq = Square::None;
}

void TForm1::ChessBrd1CalculationFailed(Square, Square) {}

// ------------------------------------------------------------------- clocks

void TForm1::Timer1Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    StatusPanels[2]->setText(QLocale::system().toString(now.time(), TimeFormat()));
    const QDate today = now.date();
    StatusPanels[3]->setText(QStringLiteral("%1-%2-%3").arg(today.day()).arg(today.month()).arg(today.year()));
    if (!ClocksRunning) return;
    Clocks.Tick(ChessBrd1->WhiteToMove());
    ShowClocks();
}

void TForm1::ShowClocks() {
    const auto show = [](QLabel* label, std::int32_t value) {
        label->setText(QString::fromStdString(GameClocks::TwoDigits(value)));
    };
    show(LPHor, Clocks.GameClock.Hours);
    show(LPMin, Clocks.GameClock.Minutes);
    show(LPseg, Clocks.GameClock.Seconds);
    show(LBHor, Clocks.WhiteClock.Hours);
    show(LBMin, Clocks.WhiteClock.Minutes);
    show(LBSeg, Clocks.WhiteClock.Seconds);
    show(LNHor, Clocks.BlackClock.Hours);
    show(LNMin, Clocks.BlackClock.Minutes);
    show(LNSeg, Clocks.BlackClock.Seconds);
}

// ------------------------------------------------ move lists and navigation

void TForm1::SelectRepe(int row) {
    const QSignalBlocker block(ListBoxRepe);
    if (row < 0 || row >= ListBoxRepe->count()) {
        ListBoxRepe->setCurrentRow(-1);
        ListBoxRepe->clearSelection();
    } else {
        ListBoxRepe->setCurrentRow(row);
    }
}

void TForm1::SelectHidden(int row) {
    if (row < 0 || row >= ListBox1->count()) {
        ListBox1->setCurrentRow(-1);
        ListBox1->clearSelection();
    } else {
        ListBox1->setCurrentRow(row);
    }
}

void TForm1::SetPMueve() {
    PMueve->setText(ChessBrd1->WhiteToMove() ? QStringLiteral("Mueve Blancas") : QStringLiteral("Mueve Negras"));
}

void TForm1::UpdateListBox() {
    std::vector<std::string> lines;
    ChessBrd1->GetMoveList(lines);
    ListBox1->clear();
    for (const auto& line : lines) ListBox1->addItem(QString::fromStdString(line));
    SelectHidden(-1);
    SetPMueve();
}

void TForm1::Situacion() {
    PJaque->hide();
    SelectRepe(ListBox1->currentRow());
    const QListWidgetItem* entry = ListBoxRepe->currentItem();
    if (!entry || ListBoxRepe->currentRow() < 0) return;
    const std::string annotation = MoveListText::AnnotationOf(entry->text().toStdString());
    BLJaque->setText(QString::fromStdString(annotation));
    if (!annotation.empty()) PJaque->show();
}

void TForm1::BlackToHuman() {
    if (ComboJugadores->currentIndex() != 0) return;
    ComboJugadores->setCurrentIndex(1);
    ComboJugadoresChange();
}

void TForm1::ButtonBackClick() {
    BlackToHuman();
    const int row = ListBox1->currentRow();
    if (row >= 1) {
        SelectHidden(row - 1);
        ChessBrd1->MoveBack();
        SelectRepe(ListBox1->currentRow());
        Situacion();
    }
    SetPMueve();
}

void TForm1::ButtonForwardClick() {
    BlackToHuman();
    const int row = ListBox1->currentRow();
    if (ListBox1->count() > 1 && row != ListBox1->count() - 1) {
        SelectHidden(row + 1);
        ChessBrd1->MoveForward();
        SelectRepe(ListBox1->currentRow());
        Situacion();
    }
    SetPMueve();
}

void TForm1::ListBox1Click() {
    const int i = ListBox1->currentRow();
    PJaque->hide();
    ChessBrd1->GotoMove((i + 1) / 2 + 1, (i + 1) % 2 == 0);
    SetPMueve();
    ClocksRunning = true;
    SelectRepe(i);
    Situacion();
}

void TForm1::GoToPosition(int row) {
    BlackToHuman();
    if (ListBox1->count() > 0 && row != ListBox1->currentRow()) {
        SelectHidden(row);
        const int i = ListBox1->currentRow();
        ChessBrd1->GotoMove((i + 1) / 2 + 1, (i + 1) % 2 == 0);
        SelectRepe(i);
        Situacion();
    }
    SetPMueve();
}

void TForm1::FirstPositionKey() { GoToPosition(-1); }

void TForm1::LastPositionKey() { GoToPosition(ListBox1->count() - 1); }

void TForm1::ListBoxRepeClick() {
    SelectHidden(ListBoxRepe->currentRow());
    ListBox1Click();
    BlackToHuman();
    ClocksRunning = false;
}

// ------------------------------------------------------------------------
// Game files, printing, appearance lists and the about window.

void TForm1::BSalvarClick() { GameFileCommands(*this).Save(); }

void TForm1::BCargarConClick() { GameFileCommands(*this).Load(); }

void TForm1::BCargarSinClick() {
    AnimateLoad = false;
    GameFileCommands(*this).Load();
}

void TForm1::OpenGameFile(const QString& path) {
    // Absolute, as a dialog answers: the header shows it and a save proposes it.
    const QString file = QFileInfo(path).absoluteFilePath();
    UseDialogFolderOf(file);
    AnimateLoad = false;
    GameFileCommands(*this).LoadPath(file);
}

void TForm1::BImprimirClick() { PrintCommand::Run(*this); }

void TForm1::BAcercaDeClick() {
    ClocksRunning = false;
    {
        TFormAcercaDe about(this);
        about.exec();
    }
    ClocksRunning = true;
}

void TForm1::ComboPiezasChange() { AppearanceChoices::ApplyPieceSet(*ChessBrd1, ComboPiezas->currentIndex()); }
void TForm1::ComboOscuroChange() { AppearanceChoices::ApplyDark(*ChessBrd1, ComboOscuro->currentIndex()); }
void TForm1::ComboClaroChange() { AppearanceChoices::ApplyLight(*ChessBrd1, ComboClaro->currentIndex()); }
void TForm1::ComboBordeChange() { AppearanceChoices::ApplyLines(*ChessBrd1, ComboBorde->currentIndex()); }

}  // namespace tablerix
