#include "Form1Game.h"

#include "Blinklbl.h"
#include "BoardPosition.h"
#include "ElidedLabel.h"
#include "Form1Controls.h"
#include "Form1State.h"
#include "GameFileCommands.h"
#include "GameResult.h"
#include "MoveListText.h"
#include "TNotesEdit.h"
#include "TablerixMessage.h"
#include "TablerixPas.h"
#include "WindowActions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>

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
    if (board.CurrentPosition().InCheck()) return MoveListText::kJaque;
    return {};
}

}  // namespace

GameRecordText Form1Game::Collect(const Form1Controls& f) {
    GameRecordText g;
    g.MoveLines = Texts(*f.ListBox1);
    g.ClockTexts = {f.LBHor->text(), f.LBMin->text(), f.LBSeg->text(), f.LNHor->text(), f.LNMin->text(),
                    f.LNSeg->text(), f.LPHor->text(), f.LPMin->text(), f.LPseg->text()};
    g.Choices = {f.ComboJugadores->currentIndex(), f.ComboDificultad->currentIndex(), f.ComboPiezas->currentIndex(),
                 f.ComboOscuro->currentIndex(),    f.ComboClaro->currentIndex(),      f.ComboBorde->currentIndex()};
    g.Entries = Texts(*f.ListBoxRepe);
    g.Notes = f.MNotas->toPlainText();
    return g;
}

GameSheetData Form1Game::Sheet(const Form1Controls& f) {
    const auto clock = [](const QLabel* h, const QLabel* m, const QLabel* s) {
        return h->text() + u':' + m->text() + u':' + s->text();
    };
    GameSheetData d;
    d.Partida = f.LPartida->text();
    d.BlackIsComputer = f.ComboJugadores->currentIndex() == 0;
    d.BlackPlayer = f.ComboJugadores->currentText();
    d.Difficulty = f.ComboDificultad->currentText();
    d.Entries = Texts(*f.ListBoxRepe);
    d.WhiteClock = clock(f.LBHor, f.LBMin, f.LBSeg);
    d.BlackClock = clock(f.LNHor, f.LNMin, f.LNSeg);
    d.GameClock = clock(f.LPHor, f.LPMin, f.LPseg);
    d.Notes = f.MNotas->toPlainText();
    return d;
}

void Form1Game::Apply(const LoadedGame& game) {
    ClearGame();
    ShowLoadingPanel(game.Header);
    ApplySettings(game);
    HoldEngineAndAnimation();
    std::vector<std::string_view> words;
    const bool open = ReplayLoading(game, words);
    if (open) TakeListsNotesAndClocks(game, words);
    FinishLoad();
}

void Form1Game::ClearGame() {
    const Form1Controls& f = ui_;
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

void Form1Game::ShowLoadingPanel(const QString& header) {
    const Form1Controls& f = ui_;
    state_.ClocksRunning = false;
    f.LPartida->setText(header);
    f.PJugadasCarga->show();
    form_.Quita_Campos();
    form_.Quito_Carga();
    f.PEmpezar->hide();
}

void Form1Game::HoldEngineAndAnimation() {
    TChessBrd& board = *ui_.ChessBrd1;
    // The engine must not play between two replayed moves: the computer's
    // colours stay off until the final steps apply Black's player again.
    board.SetComputerPlaysBlack(false);
    board.SetComputerPlaysWhite(false);
    if (!state_.AnimateLoad) {
        board.SetAnimateMoves(false);
        board.SetAnimationDelay(0);
    }
}

bool Form1Game::ReplayLoading(const LoadedGame& game, std::vector<std::string_view>& words) {
    state_.Loading = true;
    state_.HurryLoad = false;
    const bool open = Replay(game, words);
    state_.Loading = false;
    state_.HurryLoad = false;
    ui_.PJugadasCarga->hide();
    ui_.ChessBrd1->SetAnimateMoves(true);
    ui_.ChessBrd1->SetAnimationDelay(1);
    return open;
}

void Form1Game::TakeListsNotesAndClocks(const LoadedGame& game, const std::vector<std::string_view>& words) {
    const Form1Controls& f = ui_;
    FillVisibleList(game, words);
    f.MNotas->SetNotes(game.Notes);

    TablerixMessage::Aviso(&form_, GameFileCommands::kContinue);
    actions_.OfferGameCommands(true);
    f.ListBox1->setCurrentRow(f.ListBox1->count() - 1);

    ClocksFromLabels();
    form_.Pon_Campos();
    form_.Pongo_Carga();
    // The check has made sure the lists hold the game (or that it was saved
    // before its first move), so there is nothing left to refuse here.
    form_.Situacion();
}

void Form1Game::FillVisibleList(const LoadedGame& game, const std::vector<std::string_view>& words) {
    const Form1Controls& f = ui_;
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

void Form1Game::ClocksFromLabels() {
    const Form1Controls& f = ui_;
    const auto read = [](const QLabel* label) { return GameClocks::FromText(label->text().toStdString()); };
    state_.Clocks.WhiteClock = {read(f.LBHor), read(f.LBMin), read(f.LBSeg)};
    state_.Clocks.BlackClock = {read(f.LNHor), read(f.LNMin), read(f.LNSeg)};
    state_.Clocks.GameClock = {read(f.LPHor), read(f.LPMin), read(f.LPseg)};
}

void Form1Game::ApplySettings(const LoadedGame& game) {
    const Form1Controls& f = ui_;
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
    form_.ComboJugadoresChange();
    form_.ComboDificultadChange();
    form_.ComboPiezasChange();
    form_.ComboOscuroChange();
    form_.ComboClaroChange();
    form_.ComboBordeChange();
}

bool Form1Game::Replay(const LoadedGame& game, std::vector<std::string_view>& words) {
    const Form1Controls& f = ui_;
    TChessBrd& board = *f.ChessBrd1;
    const bool wasVisible = form_.isVisible();
    for (const LoadedGame::Move& move : game.Moves) {
        if (state_.HurryLoad && board.AnimateMoves()) {
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
        if (wasVisible && !form_.isVisible()) return false;
    }
    return true;
}

void Form1Game::FinishLoad() {
    const QString indicator = ui_.BLJaque->text();
    state_.ClocksRunning = indicator != QStringLiteral("Jaque Mate") && indicator != QStringLiteral("Tablas");
    state_.Loading = false;
    state_.AnimateLoad = true;
    form_.ComboJugadoresChange();
    form_.ComboDificultadChange();
    ui_.PJugadasCarga->hide();
}

}  // namespace tablerix
