#include "GameFileCommands.h"

#include "GameFileKind.h"
#include "PgnCommands.h"

#include <QFileInfo>

namespace tablerix {

void GameFileCommands::Save() {
    host_.SetClocksRunning(false);
    const CommandHost::ChosenFile file = host_.ChooseSaveFile();
    if (file.Path.isEmpty()) {
        host_.SetClocksRunning(true);
        return;
    }
    const bool saved = file.Pgn ? PgnCommands(host_).SaveTo(file.Path) : GameFile::Save(file.Path, host_.CollectGame());
    if (saved) {
        host_.RememberSavedFile(file.Path);
        host_.GameSaved();
    } else {
        host_.ShowMessage(CommandHost::Message::Error, kSaveFailed);
    }
}

void GameFileCommands::Load() {
    const CommandHost::ChosenFile file = host_.ChooseOpenFile();
    if (file.Path.isEmpty()) {
        host_.FinishLoad();
        return;
    }
    LoadAs(file.Path, file.Pgn);
}

void GameFileCommands::LoadPath(const QString& path) { LoadAs(path, GameFileKind::IsPgn(path)); }

void GameFileCommands::LoadAs(const QString& path, bool pgn) {
    host_.RememberOpenedFile(path);
    if (pgn) {
        PgnCommands(host_).LoadPath(path);
        return;
    }
    LoadChess(path, QFileInfo(path).absoluteFilePath(), true);
}

void GameFileCommands::Recover(const QString& path, const QString& header) { LoadChess(path, header, false); }

void GameFileCommands::LoadChess(const QString& path, const QString& header, bool userFile) {
    // The whole file is judged before anything of the game in progress goes.
    const GameFileCheck check = GameFileCheck::OfPath(path);
    switch (check.Result()) {
    case GameFileCheck::Verdict::Playable: {
        LoadedGame game = FromCheck(header, check);
        game.FromFile = userFile;
        host_.ApplyLoadedGame(game);
        return;
    }
    case GameFileCheck::Verdict::Missing: RefuseLoad(CommandHost::Message::Error, kNotFound); return;
    case GameFileCheck::Verdict::Unreadable: RefuseLoad(CommandHost::Message::Error, kReadFailed); return;
    case GameFileCheck::Verdict::Unusable: RefuseLoad(CommandHost::Message::Error, kBadFile); return;
    }
}

LoadedGame GameFileCommands::FromCheck(const QString& header, const GameFileCheck& check) {
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
    game.Header = header;
    return game;
}

void GameFileCommands::RefuseLoad(CommandHost::Message kind, const QString& text) {
    Refuse(kind, text);
    // Of the final steps only this one: the rest would set the clocks
    // running or hand the start screen's choices to the board.
    host_.SetAnimateLoad(true);
}

void GameFileCommands::Refuse(CommandHost::Message kind, const QString& text) {
    // As with the pause: nothing moves while the message is up, then the
    // clocks and the engine go on as they were.
    host_.HaltWhile([&] { host_.ShowMessage(kind, text); });
}

}  // namespace tablerix
