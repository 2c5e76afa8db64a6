#include "TablerixPas.h"

#include "AppearanceChoices.h"
#include "Blinklbl.h"
#include "ElidedLabel.h"
#include "Form1Game.h"
#include "Form1Layout.h"
#include "GameFileCommands.h"
#include "GameFileKind.h"
#include "MoveListText.h"
#include "MoveSentence.h"
#include "Mylabel.h"
#include "PgnCommands.h"
#include "TFormAcercaDe.h"
#include "TNotesEdit.h"
#include "TablerixMessage.h"
#include "WindowAccessibility.h"
#include "WindowActions.h"

#include <QAction>
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

#include <algorithm>
#include <chrono>
#include <random>
#include <utility>
#include <vector>

namespace tablerix {

namespace {

constexpr std::chrono::milliseconds kIconAtTheLatest{1000};

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The system's time format without the time zone, which would not fit its
// 80-pixel panel.
QString TimeFormat() {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent), dialogs_(std::make_unique<FormDialogs>()) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    WindowAccessibility::InstallFactory();  // before any interface is made
    Form1Layout::Build(*this, ui_, images_);
    actions_ = std::make_unique<WindowActions>(*this, ui_);
    announcer_ = std::make_unique<Announcer>(*ui_.LAnuncio);
    record_ = std::make_unique<Form1Record>(
        *this, [this](const QString& sentence) { announcer_->Say(sentence); },
        [this, program = ui_.StatusPanels[1]->text()](bool failing) {
            ui_.StatusPanels[1]->setText(failing ? Form1Record::kFailedPanel : program);
        });
    WireControls();
    WireCommands();
    WireBoard();
    FormActivate();  // the dialogs' first folder, before any activation
    FormCreate();
    ui_.Timer1->start();
}

TForm1::~TForm1() {
    // The board outlives this body (Qt deletes it with the other children)
    // and may still pump messages while its engine parks: nothing it or the
    // timer does from here on may reach this half-destroyed window.
    ui_.Timer1->stop();
    // A normal end: the game is kept as the last discarded one if need be,
    // and the record of a game in progress goes.
    record_->Finish();
    ui_.ChessBrd1->OnLegalMove = nullptr;
    ui_.ChessBrd1->OnCheck = nullptr;
    ui_.ChessBrd1->OnMate = nullptr;
    ui_.ChessBrd1->OnDraw = nullptr;
    ui_.ChessBrd1->OnCalculateMove = nullptr;
    ui_.ChessBrd1->OnCalculationFailed = nullptr;
    ui_.ChessBrd1->OnTypedMove = nullptr;
    ui_.ChessBrd1->OnTypedEntryChanged = nullptr;
    ui_.ChessBrd1->StopThinking();
}

void TForm1::WireControls() {
    connect(ui_.BAceptar, &QPushButton::clicked, this, &TForm1::BAceptarClick);
    // "activated" is the user's choice only; the window's own selections
    // run the handlers explicitly where they should.
    connect(ui_.ComboJugadores, &QComboBox::activated, this, &TForm1::ComboJugadoresChange);
    connect(ui_.ComboDificultad, &QComboBox::activated, this, &TForm1::ComboDificultadChange);
    connect(ui_.ComboJugadorBlancas, &QComboBox::activated, this, &TForm1::ComboJugadorBlancasChange);
    connect(ui_.ComboPiezas, &QComboBox::activated, this, &TForm1::ComboPiezasChange);
    connect(ui_.ComboOscuro, &QComboBox::activated, this, &TForm1::ComboOscuroChange);
    connect(ui_.ComboClaro, &QComboBox::activated, this, &TForm1::ComboClaroChange);
    connect(ui_.ComboBorde, &QComboBox::activated, this, &TForm1::ComboBordeChange);
    connect(ui_.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    // What a save keeps is what the record keeps.
    for (QComboBox* list :
         {ui_.ComboJugadores, ui_.ComboDificultad, ui_.ComboPiezas, ui_.ComboOscuro, ui_.ComboClaro, ui_.ComboBorde})
        connect(list, &QComboBox::currentIndexChanged, record_.get(), &Form1Record::Changed);
    connect(ui_.MNotas, &QPlainTextEdit::textChanged, record_.get(), &Form1Record::NotesChanged);

    // A move chosen in the visible list: by keyboard (selection change) or by
    // mouse (the press changes the selection, the click follows; one run).
    connect(ui_.ListBoxRepe, &QListWidget::itemSelectionChanged, this, [this] {
        // A list emptied under the selection is not a choice of the user's.
        if (state_.Loading || ui_.ListBoxRepe->selectedItems().isEmpty()) return;
        repeRowHandled_ = ui_.ListBoxRepe->currentRow();
        ListBoxRepeClick();
    });
    connect(ui_.ListBoxRepe, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (ui_.ListBoxRepe->row(item) == std::exchange(repeRowHandled_, -2)) return;
        ListBoxRepeClick();
    });
    ui_.ListBoxRepe->viewport()->installEventFilter(this);
}

void TForm1::WireCommands() {
    using Command = WindowActions::Command;
    const WindowActions& a = *actions_;
    connect(&a[Command::Save], &QAction::triggered, this, &TForm1::BSalvarClick);
    connect(&a[Command::LoadAnimated], &QAction::triggered, this, &TForm1::BCargarConClick);
    connect(&a[Command::Load], &QAction::triggered, this, &TForm1::BCargarSinClick);
    connect(&a[Command::Print], &QAction::triggered, this, &TForm1::BImprimirClick);
    connect(&a[Command::NewGame], &QAction::triggered, this, &TForm1::BNuevaParClick);
    connect(&a[Command::About], &QAction::triggered, this, &TForm1::BAcercaDeClick);
    connect(&a[Command::Quit], &QAction::triggered, this, &TForm1::BsalirClick);
    connect(&a[Command::Back], &QAction::triggered, this, &TForm1::ButtonBackClick);
    connect(&a[Command::Pause], &QAction::triggered, this, &TForm1::ButtonStopClick);
    connect(&a[Command::Forward], &QAction::triggered, this, &TForm1::ButtonForwardClick);
    connect(&a[Command::First], &QAction::triggered, this, &TForm1::FirstPositionKey);
    connect(&a[Command::Last], &QAction::triggered, this, &TForm1::LastPositionKey);
    // The clipboard waits while a game loads.
    connect(&a[Command::CopyGame], &QAction::triggered, this, [this] {
        if (!state_.Loading) PgnCommands(*this).CopyGame();
    });
    connect(&a[Command::CopyFen], &QAction::triggered, this, [this] {
        if (!state_.Loading) PgnCommands(*this).CopyFen();
    });
    connect(&a[Command::Paste], &QAction::triggered, this, [this] {
        if (!state_.Loading) PgnCommands(*this).PasteGame();
    });
    // Read by the replay before each move; the slide under way may finish.
    connect(&a[Command::HurryLoad], &QAction::triggered, this, &TForm1::HurryLoad);
    connect(&a[Command::ReadPosition], &QAction::triggered, this, &TForm1::ReadPosition);
    connect(&a[Command::TakeBack], &QAction::triggered, this, &TForm1::TakeBackClick);
    connect(&a[Command::RecoverPrevious], &QAction::triggered, this, &TForm1::RecoverPreviousGame);
}

void TForm1::WireBoard() {
    ui_.ChessBrd1->OnLegalMove = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1LegalMove(a, b); };
    ui_.ChessBrd1->OnCheck = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1Check(a, b); };
    ui_.ChessBrd1->OnMate = [this](ChessBrdCore&, Square a, Square b) { ChessBrd1Mate(a, b); };
    ui_.ChessBrd1->OnDraw = [this](ChessBrdCore&) { ChessBrd1Draw(); };
    ui_.ChessBrd1->OnCalculateMove = [this](ChessBrdCore&, Square& a, Square& b) { ChessBrd1CalculateMove(a, b); };
    ui_.ChessBrd1->OnCalculationFailed = [this](ChessBrdCore&, Square a, Square b) {
        ChessBrd1CalculationFailed(a, b);
    };
    typedInput_ = std::make_unique<TypedMoveInput>(*ui_.ChessBrd1, *announcer_);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui_.ListBoxRepe->viewport() && event->type() == QEvent::MouseButtonPress) repeRowHandled_ = -2;
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
    // Should no paint come soon (a window started minimised), the icon
    // comes anyway.
    if (!iconShown_) QTimer::singleShot(kIconAtTheLatest, this, &TForm1::ShowProgramIcon);
}

void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // What the first screen does not show waits until it is on screen.
    if (!std::exchange(painted_, true)) QTimer::singleShot(0, this, &TForm1::AfterFirstPaint);
}

void TForm1::AfterFirstPaint() {
    // The icon belongs to the desktop's frame and task list, not to the
    // window's face, and decoding its sizes costs about as much as the rest
    // of the window's first paint.
    ShowProgramIcon();
    // The question stands over the window, not over an empty screen.
    if (std::exchange(offerRecordOnPaint_, false)) QTimer::singleShot(0, record_.get(), &Form1Record::OfferInterrupted);
    // A file dialog costs more to build than the whole window; made now,
    // while the user looks at the start screen, the first save or load
    // opens at once.
    fileDialogs_.MakeBoth();
}

void TForm1::ShowProgramIcon() {
    if (std::exchange(iconShown_, true)) return;
    setWindowIcon(Form1Layout::ProgramIcon());
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) FormActivate();
    QWidget::changeEvent(event);
}

// ------------------------------------------------------------- window state

bool TForm1::ClocksRunning() const { return state_.ClocksRunning; }
void TForm1::SetClocksRunning(bool running) { state_.ClocksRunning = running; }
bool TForm1::Loading() const { return state_.Loading; }
bool TForm1::AnimateLoad() const { return state_.AnimateLoad; }
void TForm1::SetAnimateLoad(bool animate) { state_.AnimateLoad = animate; }

void TForm1::HurryLoad() {
    // Read by the replay before each move.
    if (state_.Loading) state_.HurryLoad = true;
}

bool TForm1::LoadHurried() const { return state_.HurryLoad; }
const GameClocks& TForm1::Clocks() const { return state_.Clocks; }

void TForm1::SetClocks(const GameClocks& clocks) {
    state_.Clocks = clocks;
    ShowClocks();
}

const TChessBrd& TForm1::Board() const { return *ui_.ChessBrd1; }
const AppearanceImages& TForm1::Images() const noexcept { return images_; }
const FormDialogs& TForm1::Dialogs() const { return *dialogs_; }
void TForm1::SetDialogs(std::unique_ptr<FormDialogs> dialogs) { dialogs_ = std::move(dialogs); }

// ------------------------------------------------- game files and printing

CommandHost::ChosenFile TForm1::ChooseSaveFile() {
    QFileDialog& dialog = fileDialogs_.SaveProposing(state_.GameFile);
    const QString path = dialogs_->ChooseFile(dialog);
    return {path, !path.isEmpty() && GameFileKind::IsPgn(path, dialog.selectedNameFilter())};
}

CommandHost::ChosenFile TForm1::ChooseOpenFile() {
    QFileDialog& dialog = fileDialogs_.Open();
    const QString path = dialogs_->ChooseFile(dialog);
    return {path, !path.isEmpty() && GameFileKind::IsPgn(path, dialog.selectedNameFilter())};
}

void TForm1::RememberOpenedFile(const QString& path) {
    dialogs_->OpenedFile = path;
    state_.GameFile = path;
}

void TForm1::RememberSavedFile(const QString& path) { state_.GameFile = path; }

bool TForm1::SetUpPrinter(QPrinter& printer) { return dialogs_->SetUpPrinter(printer, this); }

void TForm1::ShowMessage(Message kind, const QString& text) {
    if (kind == Message::Aviso) TablerixMessage::Aviso(this, text);
    else TablerixMessage::Error(this, text);
}

GameRecordText TForm1::CollectGame() const { return Form1Game::Collect(ui_); }
GameSheetData TForm1::SheetData() const { return Form1Game::Sheet(ui_); }
void TForm1::ApplyLoadedGame(const LoadedGame& game) {
    record_->GivingUp();
    // A game from the clipboard or the program's own record has no file; one
    // from a file was named by RememberOpenedFile.
    if (!game.FromFile) state_.GameFile.clear();
    Form1Game(*this, ui_, state_, *actions_).Apply(game);
    record_->Loaded(game.FromFile);
}
void TForm1::FinishLoad() { Form1Game(*this, ui_, state_, *actions_).FinishLoad(); }
void TForm1::GameSaved() { record_->Saved(); }

bool TForm1::KeepRecordIn(const QString& folder, bool ask) {
    if (!record_->Start(folder)) return false;
    if (!ask) record_->KeepInterrupted();
    else if (record_->HasInterrupted() && painted_)
        QTimer::singleShot(0, record_.get(), &Form1Record::OfferInterrupted);
    else offerRecordOnPaint_ = record_->HasInterrupted();
    return true;
}

const Form1Record& TForm1::Record() const { return *record_; }

void TForm1::RecoverPreviousGame() {
    if (!state_.Loading) record_->RecoverPrevious();
}

void TForm1::HaltWhile(const std::function<void()>& show) {
    const bool running = state_.ClocksRunning;
    state_.ClocksRunning = false;
    ui_.ChessBrd1->StopThinking();
    show();
    ui_.ChessBrd1->StartThinking();
    state_.ClocksRunning = running;
}

// ---------------------------------------------------------------- game flow

void TForm1::FormCreate() {
    setFixedSize(kClientWidth, kClientHeight);
    state_.AnimateLoad = true;
    state_.Loading = false;
    ui_.LPartida->clear();
    ui_.ComboDificultad->setCurrentIndex(0);
    ui_.ComboPiezas->setCurrentIndex(0);
    ui_.ComboOscuro->setCurrentIndex(0);
    ui_.ComboClaro->setCurrentIndex(0);
    ui_.ComboBorde->setCurrentIndex(0);
    ui_.ComboJugadores->setCurrentIndex(0);
    ui_.ComboJugadorBlancas->setCurrentIndex(1);
    actions_->OfferGameCommands(false);
    state_.ClocksRunning = false;
    ui_.PEmpezar->setGeometry(424, 148, 217, 113);
    ui_.PEmpezar->raise();
    Quita_Campos();
}

void TForm1::FormActivate() {
    // Never the program's own folder: once installed nobody may write there.
    if (state_.DialogDirectory.isEmpty()) state_.DialogDirectory = FormDialogs::StartFolder();
    fileDialogs_.SetDirectory(state_.DialogDirectory);
}

void TForm1::UseDialogFolderOf(const QString& file) {
    const QFileInfo info(file);
    if (!info.absoluteDir().exists()) return;
    state_.DialogDirectory = info.absolutePath();
    FormActivate();
}

void TForm1::BAceptarClick() {
    Pon_Campos();
    ComboJugadoresChange();
    ComboDificultadChange();
    state_.ClocksRunning = true;
    actions_->OfferGameCommands(true);
    ui_.PTablero->show();
    ui_.ListBoxRepe->show();
    ui_.ChessBrd1->StartThinking();
    ui_.PEmpezar->hide();
}

void TForm1::ComboJugadoresChange() {
    const int index = ui_.ComboJugadores->currentIndex();
    if (index == 0) ui_.ChessBrd1->SetComputerPlaysBlack(true);
    else if (index == 1) ui_.ChessBrd1->SetComputerPlaysBlack(false);
    const bool computer = index == 0;
    ui_.LDificultad->setVisible(computer);
    ui_.ComboDificultad->setVisible(computer);
    if (computer) ComboDificultadChange();
}

void TForm1::ComboJugadorBlancasChange() {
    const int index = ui_.ComboJugadorBlancas->currentIndex();
    if (index == 0) ui_.ChessBrd1->SetComputerPlaysWhite(true);
    else if (index == 1) ui_.ChessBrd1->SetComputerPlaysWhite(false);
}

void TForm1::ComboDificultadChange() { ui_.ChessBrd1->SetSearchDepth(ui_.ComboDificultad->currentIndex() + 3); }

void TForm1::BNuevaParClick() {
    record_->GivingUp();
    state_.Clocks.Reset();
    ShowClocks();
    ui_.MNotas->clear();
    ui_.Memo1->clear();
    SelectRepe(-1);
    {
        const QSignalBlocker block(ui_.ListBoxRepe);
        ui_.ListBoxRepe->clear();
    }
    ui_.LPartida->clear();
    state_.GameFile.clear();  // a save no longer proposes the old game's file
    ui_.PJaque->hide();
    ui_.ChessBrd1->NewGame();
    UpdateListBox();
    state_.ClocksRunning = true;
    ui_.ComboJugadorBlancas->setCurrentIndex(1);
    ComboJugadorBlancasChange();
    record_->Changed();
}

void TForm1::ButtonStopClick() {
    ui_.ChessBrd1->StopThinking();
    state_.ClocksRunning = false;
    announcer_->Say(QStringLiteral("Juego en pausa"));
    TablerixMessage::Aviso(this, QStringLiteral("         Juego en Pausa"));
    ui_.ChessBrd1->StartThinking();
    state_.ClocksRunning = true;
    announcer_->Say(QStringLiteral("Juego reanudado"));
}

void TForm1::BsalirClick() { close(); }

void TForm1::Quita_Campos() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.LMovimientos, ui_.ListBoxRepe, ui_.PRBlancas, ui_.PRNegras,
                                                      ui_.PRPartida, ui_.LNotasPartida, ui_.MNotas, ui_.PMueve})
        w->hide();
    actions_->ShowNavigation(false);
    ui_.PTablero->setEnabled(false);
}

void TForm1::Pon_Campos() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.LMovimientos, ui_.ListBoxRepe, ui_.PRBlancas, ui_.PRNegras,
                                                      ui_.PRPartida, ui_.LNotasPartida, ui_.MNotas, ui_.PMueve})
        w->show();
    actions_->ShowNavigation(true);
    ui_.PTablero->setEnabled(true);
}

void TForm1::Quito_Carga() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.ComboJugadores, ui_.ComboDificultad, ui_.ComboPiezas,
                                                      ui_.ComboBorde, ui_.ComboOscuro, ui_.ComboClaro})
        w->setEnabled(false);
    actions_->OfferHeaderCommands(false);
}

void TForm1::Pongo_Carga() {
    for (QWidget* w : std::initializer_list<QWidget*>{ui_.ComboJugadores, ui_.ComboDificultad, ui_.ComboPiezas,
                                                      ui_.ComboBorde, ui_.ComboOscuro, ui_.ComboClaro})
        w->setEnabled(true);
    actions_->OfferHeaderCommands(true);
}

// ------------------------------------------------------------- board events

void TForm1::ChessBrd1LegalMove(Square, Square) {
    // Said once the board has reported the move's check, mate or draw. A
    // load without animation runs no events between its moves, so only its
    // last move is said.
    outcome_ = MoveSpeech::Outcome::None;
    if (!std::exchange(movePending_, true)) QTimer::singleShot(0, this, &TForm1::SayPlayedMove);
    ui_.PJaque->hide();
    UpdateListBox();
    record_->Changed();
    if (state_.Loading) return;
    state_.ClocksRunning = true;
    SelectHidden(ui_.ListBox1->count() - 1);
    const QListWidgetItem* last = ui_.ListBox1->currentItem();
    {
        const QSignalBlocker block(ui_.ListBoxRepe);
        ui_.ListBoxRepe->addItem(Q(MoveListText::VisibleEntry(last ? last->text().toStdString() : std::string())));
        // A move made after stepping back: the board cut its record there, so
        // drop the abandoned continuation between the selection and the new entry.
        const int k = ui_.ListBoxRepe->currentRow();
        const int c = ui_.ListBoxRepe->count();
        if (c > ui_.ListBox1->count()) {
            const int first = std::max(k + 1, 0);
            for (int n = c - k - 2; n > 0 && first < ui_.ListBoxRepe->count() - 1; --n)
                delete ui_.ListBoxRepe->takeItem(first);  // takeItem hands the item over
        }
    }
    SelectRepe(ui_.ListBox1->currentRow());
    repeRowHandled_ = -2;
}

void TForm1::ChessBrd1Check(Square, Square) {
    outcome_ = MoveSpeech::Outcome::Check;
    if (!state_.Loading) ReportEnding(MoveListText::kJaque);
}

void TForm1::ChessBrd1Mate(Square, Square) {
    if (!state_.Loading) ReportEnding(MoveListText::kJaqueMate);
    state_.ClocksRunning = false;
    outcome_ = MoveSpeech::Outcome::Mate;
    SayPlayedMove();  // before the message, which waits for the user
    TablerixMessage::Aviso(this, QStringLiteral("      ***   Jaque Mate   ***"));
}

void TForm1::ChessBrd1Draw() {
    if (!state_.Loading) ReportEnding(MoveListText::kTablas);
    state_.ClocksRunning = false;
    outcome_ = MoveSpeech::Outcome::Draw;
    SayPlayedMove();
    TablerixMessage::Aviso(this, QStringLiteral("         ***   Tablas   ***"));
}

void TForm1::ReportEnding(std::string_view word) {
    const QListWidgetItem* line = ui_.ListBox1->currentItem();
    const int row = ui_.ListBoxRepe->currentRow();
    if (line && row >= 0) {
        const QSignalBlocker block(ui_.ListBoxRepe);
        ui_.ListBoxRepe->item(row)->setText(Q(MoveListText::Annotated(line->text().toStdString(), word)));
    }
    SelectRepe(ui_.ListBox1->currentRow());
    ui_.BLJaque->setText(Q(MoveListText::Trim(word)));
    ui_.PJaque->show();
}

void TForm1::ChessBrd1CalculateMove(Square& oldSq, Square& newSq) {
    if (ui_.ChessBrd1->IsLegalMove(oldSq, newSq)) return;
    // Random pairs until one is legal, but each pair at most once: a side
    // without a legal move must not hang the window.
    std::vector<std::pair<int, int>> pairs;
    pairs.reserve(65 * 65);
    for (int a = 0; a <= 64; ++a)
        for (int b = 0; b <= 64; ++b) pairs.emplace_back(a, b);
    std::shuffle(pairs.begin(), pairs.end(), std::mt19937(std::random_device{}()));
    for (const auto& [a, b] : pairs) {
        if (ui_.ChessBrd1->IsLegalMove(ToSquare(a), ToSquare(b))) {
            oldSq = ToSquare(a);
            newSq = ToSquare(b);
            return;
        }
    }
    oldSq = Square::None;
    newSq = Square::None;
}

void TForm1::ChessBrd1CalculationFailed(Square, Square) {}

// ------------------------------------------------------------- status line

void TForm1::SayPlayedMove() {
    if (!std::exchange(movePending_, false)) return;
    announcer_->Say(MoveSentence::Shown(*ui_.ChessBrd1, outcome_));
}

void TForm1::SayShownPosition() {
    movePending_ = false;
    announcer_->Say(MoveSentence::Shown(*ui_.ChessBrd1));
}

QString TForm1::Announced() const { return announcer_->Said(); }

void TForm1::ReadPosition() {
    announcer_->Say(QString::fromStdString(MoveSpeech::Position(ui_.ChessBrd1->CurrentPosition())));
}

// ------------------------------------------------------------------- clocks

void TForm1::Timer1Timer() {
    const QDateTime now = QDateTime::currentDateTime();
    ui_.StatusPanels[2]->setText(QLocale::system().toString(now.time(), TimeFormat()));
    const QDate today = now.date();
    ui_.StatusPanels[3]->setText(QStringLiteral("%1-%2-%3").arg(today.day()).arg(today.month()).arg(today.year()));
    if (!state_.ClocksRunning) return;
    state_.Clocks.Tick(ui_.ChessBrd1->WhiteToMove());
    ShowClocks();
}

void TForm1::ShowClocks() {
    const auto show = [](QLabel* label, std::int32_t value) {
        label->setText(QString::fromStdString(GameClocks::TwoDigits(value)));
    };
    show(ui_.LPHor, state_.Clocks.GameClock.Hours);
    show(ui_.LPMin, state_.Clocks.GameClock.Minutes);
    show(ui_.LPseg, state_.Clocks.GameClock.Seconds);
    show(ui_.LBHor, state_.Clocks.WhiteClock.Hours);
    show(ui_.LBMin, state_.Clocks.WhiteClock.Minutes);
    show(ui_.LBSeg, state_.Clocks.WhiteClock.Seconds);
    show(ui_.LNHor, state_.Clocks.BlackClock.Hours);
    show(ui_.LNMin, state_.Clocks.BlackClock.Minutes);
    show(ui_.LNSeg, state_.Clocks.BlackClock.Seconds);
}

// ------------------------------------------------ move lists and navigation

void TForm1::SelectRepe(int row) {
    const QSignalBlocker block(ui_.ListBoxRepe);
    if (row < 0 || row >= ui_.ListBoxRepe->count()) {
        ui_.ListBoxRepe->setCurrentRow(-1);
        ui_.ListBoxRepe->clearSelection();
    } else {
        ui_.ListBoxRepe->setCurrentRow(row);
    }
}

void TForm1::SelectHidden(int row) {
    if (row < 0 || row >= ui_.ListBox1->count()) {
        ui_.ListBox1->setCurrentRow(-1);
        ui_.ListBox1->clearSelection();
    } else {
        ui_.ListBox1->setCurrentRow(row);
    }
}

void TForm1::SetPMueve() {
    ui_.PMueve->setText(ui_.ChessBrd1->WhiteToMove() ? QStringLiteral("Mueve Blancas")
                                                     : QStringLiteral("Mueve Negras"));
}

void TForm1::UpdateListBox() {
    std::vector<std::string> lines;
    ui_.ChessBrd1->GetMoveList(lines);
    ui_.ListBox1->clear();
    for (const auto& line : lines) ui_.ListBox1->addItem(QString::fromStdString(line));
    SelectHidden(-1);
    SetPMueve();
}

void TForm1::Situacion() {
    ui_.PJaque->hide();
    SelectRepe(ui_.ListBox1->currentRow());
    const QListWidgetItem* entry = ui_.ListBoxRepe->currentItem();
    if (!entry || ui_.ListBoxRepe->currentRow() < 0) return;
    const std::string annotation = MoveListText::AnnotationOf(entry->text().toStdString());
    ui_.BLJaque->setText(QString::fromStdString(annotation));
    if (!annotation.empty()) ui_.PJaque->show();
}

void TForm1::BlackToHuman() {
    if (ui_.ComboJugadores->currentIndex() != 0) return;
    ui_.ComboJugadores->setCurrentIndex(1);
    ComboJugadoresChange();
}

void TForm1::ButtonBackClick() {
    BlackToHuman();
    const int row = ui_.ListBox1->currentRow();
    if (row >= 1) {
        SelectHidden(row - 1);
        ui_.ChessBrd1->MoveBack();
        SelectRepe(ui_.ListBox1->currentRow());
        Situacion();
    }
    SetPMueve();
    SayShownPosition();
}

void TForm1::ButtonForwardClick() {
    BlackToHuman();
    const int row = ui_.ListBox1->currentRow();
    if (ui_.ListBox1->count() > 1 && row != ui_.ListBox1->count() - 1) {
        SelectHidden(row + 1);
        ui_.ChessBrd1->MoveForward();
        SelectRepe(ui_.ListBox1->currentRow());
        Situacion();
    }
    SetPMueve();
    SayShownPosition();
}

void TForm1::ListBox1Click() {
    const int i = ui_.ListBox1->currentRow();
    ui_.PJaque->hide();
    ui_.ChessBrd1->GotoMove((i + 1) / 2 + 1, (i + 1) % 2 == 0);
    SetPMueve();
    state_.ClocksRunning = true;
    SelectRepe(i);
    Situacion();
    SayShownPosition();
}

void TForm1::GoToPosition(int row) {
    BlackToHuman();
    if (ui_.ListBox1->count() > 0 && row != ui_.ListBox1->currentRow()) {
        SelectHidden(row);
        const int i = ui_.ListBox1->currentRow();
        ui_.ChessBrd1->GotoMove((i + 1) / 2 + 1, (i + 1) % 2 == 0);
        SelectRepe(i);
        Situacion();
    }
    SetPMueve();
    SayShownPosition();
}

int TForm1::HalfMovesToTakeBack() const {
    const TChessBrd& board = *ui_.ChessBrd1;
    const auto computer = [&board](bool white) {
        return white ? board.ComputerPlaysWhite() : board.ComputerPlaysBlack();
    };
    const int total = board.RecordedHalfMoves();
    if (computer(true) && computer(false)) return std::min(total, 1);
    bool humanMoveGone = false;
    for (int left = total; left > 0; --left) {
        // Half-move `left` (counted from 1) was White's when odd.
        humanMoveGone = humanMoveGone || !computer(left % 2 == 1);
        const bool whiteToMoveThen = (left - 1) % 2 == 0;
        if (humanMoveGone && !computer(whiteToMoveThen)) return total - left + 1;
    }
    return total;
}

void TForm1::TakeBackClick() {
    if (state_.Loading || !ui_.PEmpezar->isHidden()) return;
    TChessBrd& board = *ui_.ChessBrd1;
    const int count = HalfMovesToTakeBack();
    if (count == 0 || !board.TakeBack(count)) {
        announcer_->Say(QStringLiteral("No hay ninguna jugada que deshacer"));
        return;
    }
    UpdateListBox();
    {
        const QSignalBlocker block(ui_.ListBoxRepe);
        while (ui_.ListBoxRepe->count() > ui_.ListBox1->count())
            delete ui_.ListBoxRepe->takeItem(ui_.ListBoxRepe->count() - 1);
    }
    SelectHidden(ui_.ListBox1->count() - 1);
    Situacion();  // the indicator of the last move left, or none
    // The game is open again, even after a mate; the time already counted stays.
    state_.ClocksRunning = true;
    board.StartThinking();
    movePending_ = false;
    announcer_->Say(QStringLiteral("Jugada deshecha. ") + MoveSentence::Shown(board));
    record_->Changed();
}

void TForm1::FirstPositionKey() { GoToPosition(-1); }

void TForm1::LastPositionKey() { GoToPosition(ui_.ListBox1->count() - 1); }

void TForm1::ListBoxRepeClick() {
    SelectHidden(ui_.ListBoxRepe->currentRow());
    ListBox1Click();
    BlackToHuman();
    state_.ClocksRunning = false;
}

// ------------------------------------------------------------------------
// Game files, printing, appearance lists and the about window.

void TForm1::BSalvarClick() { GameFileCommands(*this).Save(); }

void TForm1::BCargarConClick() { GameFileCommands(*this).Load(); }

void TForm1::BCargarSinClick() {
    state_.AnimateLoad = false;
    GameFileCommands(*this).Load();
}

void TForm1::OpenGameFile(const QString& path) {
    // Absolute, as a dialog answers: the header shows it and a save proposes it.
    const QString file = QFileInfo(path).absoluteFilePath();
    UseDialogFolderOf(file);
    state_.AnimateLoad = false;
    GameFileCommands(*this).LoadPath(file);
}

void TForm1::BImprimirClick() { print_.Run(*this, *ui_.EditorNotasImprimir); }

void TForm1::BAcercaDeClick() {
    state_.ClocksRunning = false;
    {
        TFormAcercaDe about(this);
        about.exec();
    }
    state_.ClocksRunning = true;
}

void TForm1::ComboPiezasChange() {
    AppearanceChoices::ApplyPieceSet(*ui_.ChessBrd1, images_, ui_.ComboPiezas->currentIndex());
}
void TForm1::ComboOscuroChange() {
    AppearanceChoices::ApplyDark(*ui_.ChessBrd1, images_, ui_.ComboOscuro->currentIndex());
}
void TForm1::ComboClaroChange() {
    AppearanceChoices::ApplyLight(*ui_.ChessBrd1, images_, ui_.ComboClaro->currentIndex());
}
void TForm1::ComboBordeChange() { AppearanceChoices::ApplyLines(*ui_.ChessBrd1, ui_.ComboBorde->currentIndex()); }

}  // namespace tablerix
