#include "GameFileCommands.h"

#include "Blinklbl.h"
#include "FormDialogs.h"
#include "TablerixMessage.h"
#include "TablerixPas.h"

#include <QComboBox>
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
    if (!f.Dialogs->OpenedFile.isEmpty()) f.Save->selectFile(f.Dialogs->OpenedFile);
    const QString path = f.Dialogs->ChooseFile(*f.Save);
    if (path.isEmpty()) {
        f.ClocksRunning = true;
        return;
    }
    if (!GameFile::Save(path, Collect())) TablerixMessage::Error(&f, kSaveFailed);
}

void GameFileCommands::Load() {
    const QString path = form_.Dialogs->ChooseFile(*form_.Open);
    if (path.isEmpty()) {
        FinalSteps();
        return;
    }
    LoadPath(path);
}

void GameFileCommands::LoadPath(const QString& path) {
    form_.Dialogs->OpenedFile = path;
    // The whole file is judged before anything of the game in progress goes.
    const GameFileCheck check = GameFileCheck::OfPath(path);
    switch (check.Result()) {
    case GameFileCheck::Verdict::Playable:
        LoadChecked(path, check);
        FinalSteps();
        return;
    case GameFileCheck::Verdict::Missing: Refuse(kNotFound); break;
    case GameFileCheck::Verdict::Unreadable: Refuse(kReadFailed); break;
    case GameFileCheck::Verdict::Unusable: Refuse(kBadFile); break;
    }
    // Of the final steps only this one: the rest would set the clocks
    // running or hand the start screen's choices to the board.
    form_.AnimateLoad = true;
}

void GameFileCommands::Refuse(const QString& text) {
    TForm1& f = form_;
    // As with the pause: nothing moves while the message is up, then the
    // clocks and the engine go on as they were.
    const bool running = f.ClocksRunning;
    f.ClocksRunning = false;
    f.ChessBrd1->StopThinking();
    TablerixMessage::Error(&f, text);
    f.ChessBrd1->StartThinking();
    f.ClocksRunning = running;
}

void GameFileCommands::LoadChecked(const QString& path, const GameFileCheck& check) {
    TForm1& f = form_;
    const GameFile& file = check.File();
    f.Memo1->clear();
    f.MNotas->clear();
    {
        const QSignalBlocker block(f.ListBoxRepe);  // no move is being chosen
        f.ListBoxRepe->clear();
    }
    f.ListBox1->clear();
    f.ChessBrd1->NewGame();
    f.PJaque->hide();

    f.ClocksRunning = false;
    f.LPartida->setText(QFileInfo(path).absoluteFilePath());
    f.PJugadasCarga->show();
    f.Quita_Campos();
    f.Quito_Carga();
    f.PEmpezar->hide();

    ApplySettings(file);
    // The engine must not play between two replayed moves: the computer's
    // colours stay off until the final steps apply Black's player again.
    f.ChessBrd1->SetComputerPlaysBlack(false);
    f.ChessBrd1->SetComputerPlaysWhite(false);
    if (!f.AnimateLoad) {
        f.ChessBrd1->SetAnimateMoves(false);
        f.ChessBrd1->SetAnimationDelay(0);
    }

    f.Loading = true;
    const bool open = Replay(check);
    f.Loading = false;
    f.PJugadasCarga->hide();
    f.ChessBrd1->SetAnimateMoves(true);
    f.ChessBrd1->SetAnimationDelay(1);
    if (open) TakeListsNotesAndClocks(file);
}

void GameFileCommands::TakeListsNotesAndClocks(const GameFile& file) {
    TForm1& f = form_;
    {
        const QSignalBlocker block(f.ListBoxRepe);
        f.ListBoxRepe->addItems(file.Entries());
    }
    f.MNotas->setPlainText(file.NotesLines().join(u'\n'));

    TablerixMessage::Aviso(&f, kContinue);
    f.BSalvar->setEnabled(true);
    f.BImprimir->setEnabled(true);
    f.BNuevaPar->setEnabled(true);
    f.ListBox1->setCurrentRow(f.ListBox1->count() - 1);

    const auto read = [](const QLabel* label) { return GameClocks::FromText(label->text().toStdString()); };
    f.Clocks.WhiteClock = {read(f.LBHor), read(f.LBMin), read(f.LBSeg)};
    f.Clocks.BlackClock = {read(f.LNHor), read(f.LNMin), read(f.LNSeg)};
    f.Clocks.GameClock = {read(f.LPHor), read(f.LPMin), read(f.LPseg)};

    f.Pon_Campos();
    f.Pongo_Carga();
    // The check has made sure the lists hold the game (or that it was saved
    // before its first move), so there is nothing left to refuse here.
    f.Situacion();
}

void GameFileCommands::ApplySettings(const GameFile& file) {
    TForm1& f = form_;
    const std::array<QLabel*, GameFile::kClockFields> labels{f.LBHor, f.LBMin, f.LBSeg, f.LNHor, f.LNMin,
                                                             f.LNSeg, f.LPHor, f.LPMin, f.LPseg};
    const std::array<QComboBox*, GameFile::kChoiceCount> lists{f.ComboJugadores, f.ComboDificultad, f.ComboPiezas,
                                                               f.ComboOscuro,    f.ComboClaro,      f.ComboBorde};
    // Each field on its own: a damaged one leaves its label or list alone.
    for (int k = 0; k < GameFile::kClockFields; ++k) {
        if (const auto text = file.ClockField(k)) labels[static_cast<std::size_t>(k)]->setText(*text);
    }
    for (int k = 0; k < GameFile::kChoiceCount; ++k) {
        if (const auto index = file.Choice(k)) lists[static_cast<std::size_t>(k)]->setCurrentIndex(*index);
    }
    f.ComboJugadoresChange();
    f.ComboDificultadChange();
    f.ComboPiezasChange();
    f.ComboOscuroChange();
    f.ComboClaroChange();
    f.ComboBordeChange();
}

bool GameFileCommands::Replay(const GameFileCheck& check) {
    TForm1& f = form_;
    const bool wasVisible = f.isVisible();
    // Only the moves the check saw accepted: the board, starting the same
    // new game, takes exactly those.
    for (const ReplayCheck::Accepted& move : check.Moves()) {
        const ReplayMove text = check.File().ReplayAt(static_cast<int>(move.Index));
        f.PJugadasCarga->setText(text.FromText + QStringLiteral(" - ") + text.ToText);
        if (f.ChessBrd1->MakeMove(move.Played.From, move.Played.To)) f.PJugadasCarga->repaint();
        // "Salir" stays usable while moves slide; a closed window ends the load.
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
