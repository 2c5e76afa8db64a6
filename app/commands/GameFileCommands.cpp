#include "GameFileCommands.h"

#include "FormDialogs.h"
#include "GameFileKind.h"
#include "PgnCommands.h"
#include "TablerixMessage.h"
#include "TablerixPas.h"

#include <QFileInfo>

namespace tablerix {

void GameFileCommands::Save() {
    form_.SetClocksRunning(false);
    const TForm1::ChosenFile file = form_.ChooseSaveFile();
    if (file.Path.isEmpty()) {
        form_.SetClocksRunning(true);
        return;
    }
    const bool saved = file.Pgn ? PgnCommands(form_).SaveTo(file.Path) : GameFile::Save(file.Path, form_.CollectGame());
    if (!saved) TablerixMessage::Error(&form_, kSaveFailed);
}

void GameFileCommands::Load() {
    const TForm1::ChosenFile file = form_.ChooseOpenFile();
    if (file.Path.isEmpty()) {
        form_.FinishLoad();
        return;
    }
    LoadAs(file.Path, file.Pgn);
}

void GameFileCommands::LoadPath(const QString& path) { LoadAs(path, GameFileKind::IsPgn(path)); }

void GameFileCommands::LoadAs(const QString& path, bool pgn) {
    form_.Dialogs().OpenedFile = path;
    if (pgn) {
        PgnCommands(form_).LoadPath(path);
        return;
    }
    // The whole file is judged before anything of the game in progress goes.
    const GameFileCheck check = GameFileCheck::OfPath(path);
    switch (check.Result()) {
    case GameFileCheck::Verdict::Playable: form_.ApplyLoadedGame(FromCheck(path, check)); return;
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
        game.Moves.push_back(
            {{move.Played.From, move.Played.To, 0}, text.FromText + QStringLiteral(" - ") + text.ToText});
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
    form_.SetAnimateLoad(true);
}

void GameFileCommands::Refuse(const QString& text, const QString& caption) {
    // As with the pause: nothing moves while the message is up, then the
    // clocks and the engine go on as they were.
    form_.HaltWhile([&] {
        if (caption == TablerixMessage::kAvisoCaption) TablerixMessage::Aviso(&form_, text);
        else TablerixMessage::Error(&form_, text);
    });
}

}  // namespace tablerix
