#include "GameFileCommands.h"

#include "Blinklbl.h"
#include "BoardState.h"
#include "FormDialogs.h"
#include "GameFileKind.h"
#include "GameResult.h"
#include "MoveListText.h"
#include "PgnCommands.h"
#include "TablerixMessage.h"
#include "TablerixPas.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QToolButton>

#include <array>

namespace tablerix {

namespace {

QStringList Texts(const QListWidget& list) {
    QStringList out;
    out.reserve(list.count());
    for (int i = 0; i < list.count(); ++i) out << list.item(i)->text();
    return out;
}

// The annotation the window gives the move just made on board.
std::string_view EndingOf(const ChessBrdCore& board) {
    const std::string result = GameResult::Of(board);
    if (result == GameResult::kWhiteWins || result == GameResult::kBlackWins) return MoveListText::kJaqueMate;
    if (result == GameResult::kDraw) return MoveListText::kTablas;
    if (BoardState::FromCore(board).InCheck()) return MoveListText::kJaque;
    return {};
}

}  // namespace

GameRecordText GameFileCommands::Collect() const {
    const TForm1& f = form_;
    GameRecordText g;
    g.MoveLines = Texts(*f.ListBox1);
    g.ClockTexts = {f.LBHor->text(), f.LBMin->text(), f.LBSeg->text(), f.LNHor->text(), f.LNMin->text(),
                    f.LNSeg->text(), f.LPHor->text(), f.LPMin->text(), f.LPseg->text()};
    g.Choices = {f.ComboJugadores->currentIndex(), f.ComboDificultad->currentIndex(),
                 f.ComboPiezas->currentIndex(),    f.ComboOscuro->currentIndex(),
                 f.ComboClaro->currentIndex(),     f.ComboBorde->currentIndex()};
    g.Entries = Texts(*f.ListBoxRepe);
    g.Notes = f.MNotas->toPlainText();
    return g;
}

void GameFileCommands::Save() {
    TForm1& f = form_;
    f.ClocksRunning = false;
    if (!f.Dialogs->OpenedFile.isEmpty()) {
        f.Save->selectFile(f.Dialogs->OpenedFile);
        GameFileKind::FitTo(*f.Save, f.Dialogs->OpenedFile);
    }
    const QString path = f.Dialogs->ChooseFile(*f.Save);
    if (path.isEmpty()) {
        f.ClocksRunning = true;
        return;
    }
    const bool saved = GameFileKind::IsPgn(path, f.Save->selectedNameFilter()) ? PgnCommands(f).SaveTo(path)
                                                                                : GameFile::Save(path, Collect());
    if (!saved) TablerixMessage::Error(&f, kSaveFailed);
}

void GameFileCommands::Load() {
    const QString path = form_.Dialogs->ChooseFile(*form_.Open);
    if (path.isEmpty()) {
        FinalSteps();
        return;
    }
    LoadAs(path, GameFileKind::IsPgn(path, form_.Open->selectedNameFilter()));
}

void GameFileCommands::LoadPath(const QString& path) { LoadAs(path, GameFileKind::IsPgn(path)); }

void GameFileCommands::LoadAs(const QString& path, bool pgn) {
    form_.Dialogs->OpenedFile = path;
    if (pgn) {
        PgnCommands(form_).LoadPath(path);
        return;
    }
    // The whole file is judged before anything of the game in progress goes.
    const GameFileCheck check = GameFileCheck::OfPath(path);
    switch (check.Result()) {
    case GameFileCheck::Verdict::Playable: Play(FromCheck(path, check)); return;
    case GameFileCheck::Verdict::Missing: RefuseLoad(kNotFound, TablerixMessage::kErrorCaption); return;
    case GameFileCheck::Verdict::Unreadable: RefuseLoad(kReadFailed, TablerixMessage::kErrorCaption); return;
    case GameFileCheck::Verdict::Unusable: RefuseLoad(kBadFile, TablerixMessage::kErrorCaption); return;
    }
}

LoadedGame GameFileCommands::FromCheck(const QString& path, const GameFileCheck& check) {
    const GameFile& file = check.File();
    LoadedGame game;
    // Only the moves the check saw accepted: the board, starting the same
    // new game, takes exactly those.
    game.Moves.reserve(check.Moves().size());
    for (const ReplayCheck::Accepted& move : check.Moves()) {
        const ReplayMove text = file.ReplayAt(static_cast<int>(move.Index));
        game.Moves.push_back({{move.Played.From, move.Played.To, 0}, text.FromText + QStringLiteral(" - ") + text.ToText});
    }
    // Each field on its own: a damaged one leaves its label or list alone.
    for (int k = 0; k < GameFile::kClockFields; ++k) game.ClockTexts[static_cast<std::size_t>(k)] = file.ClockField(k);
    for (int k = 0; k < GameFile::kChoiceCount; ++k) game.Choices[static_cast<std::size_t>(k)] = file.Choice(k);
    game.Entries = file.Entries();
    game.Notes = file.NotesLines().join(u'\n');
    game.Header = QFileInfo(path).absoluteFilePath();
    return game;
}

void GameFileCommands::RefuseLoad(const QString& text, const QString& caption) {
    Refuse(text, caption);
    // Of the final steps only this one: the rest would set the clocks
    // running or hand the start screen's choices to the board.
    form_.AnimateLoad = true;
}

void GameFileCommands::Refuse(const QString& text, const QString& caption) {
    TForm1& f = form_;
    // As with the pause: nothing moves while the message is up, then the
    // clocks and the engine go on as they were.
    const bool running = f.ClocksRunning;
    f.ClocksRunning = false;
    f.ChessBrd1->StopThinking();
    if (caption == TablerixMessage::kAvisoCaption) TablerixMessage::Aviso(&f, text);
    else TablerixMessage::Error(&f, text);
    f.ChessBrd1->StartThinking();
    f.ClocksRunning = running;
}

void GameFileCommands::Play(const LoadedGame& game) {
    ClearGame();
    ShowLoadingPanel(game.Header);
    ApplySettings(game);
    HoldEngineAndAnimation();
    std::vector<std::string_view> words;
    const bool open = ReplayLoading(game, words);
    if (open) TakeListsNotesAndClocks(game, words);
    FinalSteps();
}

void GameFileCommands::ClearGame() {
    TForm1& f = form_;
    f.Memo1->clear();
    f.MNotas->clear();
    {
        const QSignalBlocker block(f.ListBoxRepe);  // no move is being chosen
        f.ListBoxRepe->clear();
    }
    f.ListBox1->clear();
    f.ChessBrd1->NewGame();
    f.PJaque->hide();
}

void GameFileCommands::ShowLoadingPanel(const QString& header) {
    TForm1& f = form_;
    f.ClocksRunning = false;
    f.LPartida->setText(header);
    f.PJugadasCarga->show();
    f.Quita_Campos();
    f.Quito_Carga();
    f.PEmpezar->hide();
}

void GameFileCommands::HoldEngineAndAnimation() {
    TForm1& f = form_;
    // The engine must not play between two replayed moves: the computer's
    // colours stay off until the final steps apply Black's player again.
    f.ChessBrd1->SetComputerPlaysBlack(false);
    f.ChessBrd1->SetComputerPlaysWhite(false);
    if (!f.AnimateLoad) {
        f.ChessBrd1->SetAnimateMoves(false);
        f.ChessBrd1->SetAnimationDelay(0);
    }
}

bool GameFileCommands::ReplayLoading(const LoadedGame& game, std::vector<std::string_view>& words) {
    TForm1& f = form_;
    f.Loading = true;
    f.HurryLoad = false;
    const bool open = Replay(game, words);
    f.Loading = false;
    f.HurryLoad = false;
    f.PJugadasCarga->hide();
    f.ChessBrd1->SetAnimateMoves(true);
    f.ChessBrd1->SetAnimationDelay(1);
    return open;
}

void GameFileCommands::TakeListsNotesAndClocks(const LoadedGame& game, const std::vector<std::string_view>& words) {
    TForm1& f = form_;
    FillVisibleList(game, words);
    f.MNotas->setPlainText(game.Notes);

    TablerixMessage::Aviso(&f, kContinue);
    f.BSalvar->setEnabled(true);
    f.BImprimir->setEnabled(true);
    f.BNuevaPar->setEnabled(true);
    f.ListBox1->setCurrentRow(f.ListBox1->count() - 1);

    ClocksFromLabels();
    f.Pon_Campos();
    f.Pongo_Carga();
    // The check has made sure the lists hold the game (or that it was saved
    // before its first move), so there is nothing left to refuse here.
    f.Situacion();
}

void GameFileCommands::FillVisibleList(const LoadedGame& game, const std::vector<std::string_view>& words) {
    TForm1& f = form_;
    const QSignalBlocker block(f.ListBoxRepe);
    if (game.Entries) {
        f.ListBoxRepe->addItems(*game.Entries);
        return;
    }
    // As play would have annotated them, move by move.
    for (int i = 0; i < f.ListBox1->count() && i < static_cast<int>(words.size()); ++i) {
        const std::string line = f.ListBox1->item(i)->text().toStdString();
        const std::string_view word = words[static_cast<std::size_t>(i)];
        const std::string entry = word.empty() ? MoveListText::VisibleEntry(line) : MoveListText::Annotated(line, word);
        f.ListBoxRepe->addItem(QString::fromStdString(entry));
    }
}

void GameFileCommands::ClocksFromLabels() {
    TForm1& f = form_;
    const auto read = [](const QLabel* label) { return GameClocks::FromText(label->text().toStdString()); };
    f.Clocks.WhiteClock = {read(f.LBHor), read(f.LBMin), read(f.LBSeg)};
    f.Clocks.BlackClock = {read(f.LNHor), read(f.LNMin), read(f.LNSeg)};
    f.Clocks.GameClock = {read(f.LPHor), read(f.LPMin), read(f.LPseg)};
}

void GameFileCommands::ApplySettings(const LoadedGame& game) {
    TForm1& f = form_;
    const std::array<QLabel*, GameFile::kClockFields> labels{f.LBHor, f.LBMin, f.LBSeg, f.LNHor, f.LNMin,
                                                             f.LNSeg, f.LPHor, f.LPMin, f.LPseg};
    const std::array<QComboBox*, GameFile::kChoiceCount> lists{f.ComboJugadores, f.ComboDificultad, f.ComboPiezas,
                                                               f.ComboOscuro,    f.ComboClaro,      f.ComboBorde};
    for (std::size_t k = 0; k < labels.size(); ++k) {
        if (game.ClockTexts[k]) labels[k]->setText(*game.ClockTexts[k]);
    }
    for (std::size_t k = 0; k < lists.size(); ++k) {
        if (game.Choices[k]) lists[k]->setCurrentIndex(*game.Choices[k]);
    }
    f.ComboJugadoresChange();
    f.ComboDificultadChange();
    f.ComboPiezasChange();
    f.ComboOscuroChange();
    f.ComboClaroChange();
    f.ComboBordeChange();
}

bool GameFileCommands::Replay(const LoadedGame& game, std::vector<std::string_view>& words) {
    TForm1& f = form_;
    TChessBrd& board = *f.ChessBrd1;
    const bool wasVisible = f.isVisible();
    for (const LoadedGame::Move& move : game.Moves) {
        if (f.HurryLoad && board.AnimateMoves()) {
            board.SetAnimateMoves(false);
            board.SetAnimationDelay(0);
        }
        f.PJugadasCarga->setText(move.Caption);
        board.SetPromotionPiece(move.Played.Promotion ? move.Played.Promotion : 'q');
        const bool made = board.MakeMove(move.Played.From, move.Played.To);
        board.SetPromotionPiece('q');
        if (made) {
            words.push_back(EndingOf(board));
            f.PJugadasCarga->repaint();
        }
        // Between animated moves the user may press Escape or "Salir"; a
        // load without animation takes no input until it is done.
        if (board.AnimateMoves()) QCoreApplication::processEvents();
        // A closed window ends the load.
        if (wasVisible && !f.isVisible()) return false;
    }
    return true;
}

void GameFileCommands::FinalSteps() {
    TForm1& f = form_;
    const QString indicator = f.BLJaque->text();
    f.ClocksRunning = indicator != QStringLiteral("Jaque Mate") && indicator != QStringLiteral("Tablas");
    f.Loading = false;
    f.AnimateLoad = true;
    f.ComboJugadoresChange();
    f.ComboDificultadChange();
    f.PJugadasCarga->hide();
}

}  // namespace tablerix
