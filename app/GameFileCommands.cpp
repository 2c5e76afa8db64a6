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
    TForm1& f = form_;
    const QString path = f.Dialogs->ChooseFile(*f.Open);
    if (!path.isEmpty()) {
        f.Dialogs->OpenedFile = path;
        LoadFile(path);
    }
    FinalSteps();
}

void GameFileCommands::LoadFile(const QString& path) {
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

    QByteArray bytes;
    const GameFile::ReadStatus status = GameFile::Read(path, bytes);
    if (status == GameFile::ReadStatus::Missing) {
        f.LPartida->clear();
        f.ClocksRunning = false;
        TablerixMessage::Error(&f, kNotFound);
        f.BNuevaParClick();
        return;
    }
    f.ClocksRunning = false;
    f.LPartida->setText(QFileInfo(path).absoluteFilePath());
    if (status == GameFile::ReadStatus::Unreadable) return;
    // Far too large to be a game: read as no game at all, which the
    // validity check below reports.
    const GameFile file(status == GameFile::ReadStatus::Ok ? bytes : QByteArray());
    bytes.clear();
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
    const bool open = Replay(file);
    f.Loading = false;
    f.PJugadasCarga->hide();
    f.ChessBrd1->SetAnimateMoves(true);
    f.ChessBrd1->SetAnimationDelay(1);
    if (!open) return;

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

    if (f.ListBoxRepe->count() == 0 || f.ListBox1->count() == 0) {
        TablerixMessage::Error(&f, kBadFile);
        f.BNuevaParClick();
    } else {
        f.Situacion();
    }
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

bool GameFileCommands::Replay(const GameFile& file) {
    TForm1& f = form_;
    const bool wasVisible = f.isVisible();
    for (int i = 0; i < file.ReplayCount(); ++i) {
        const ReplayMove move = file.ReplayAt(i);
        f.PJugadasCarga->setText(move.FromText + QStringLiteral(" - ") + move.ToText);
        const Square from = ChessBrdCore::StrToSquare(move.FromText.toStdString());
        const Square to = ChessBrdCore::StrToSquare(move.ToText.toStdString());
        // A malformed square is refused by the board anyway; not asking
        // keeps a file of junk lines quick.
        if (from == Square::None || to == Square::None) continue;
        if (f.ChessBrd1->MakeMove(from, to)) f.PJugadasCarga->repaint();
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
