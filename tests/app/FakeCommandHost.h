#pragma once
// A CommandHost without a window, for driving the file, PGN, print and
// clipboard commands on their own: dialogs answered from a script, message
// boxes recorded instead of shown, the game held in plain values and a
// rules-only board. Everything the commands ask or change stays readable.
// UI thread only, like the commands.

#include "ChessBrdCore.h"
#include "CommandHost.h"
#include "GameClocks.h"
#include "GameFile.h"
#include "GameFileKind.h"
#include "GameSheet.h"
#include "LoadedGame.h"

#include <QPrinter>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace tablerix {

class FakeCommandHost : public CommandHost {
public:
    struct Shown {
        Message Kind;
        QString Text;
        bool Halted;  // shown inside HaltWhile
        bool operator==(const Shown&) const = default;
    };

    ChosenFile ChooseSaveFile() override { return Answer(); }
    ChosenFile ChooseOpenFile() override { return Answer(); }
    void RememberOpenedFile(const QString& path) override { opened = path; }
    void RememberSavedFile(const QString& path) override { saved = path; }
    bool SetUpPrinter(QPrinter& printer) override {
        ++printerSetups;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return !pdf.isEmpty();
    }
    void ShowMessage(Message kind, const QString& text) override { messages.push_back({kind, text, halted}); }
    void HaltWhile(const std::function<void()>& show) override {
        halted = true;
        show();
        halted = false;
    }

    GameRecordText CollectGame() const override { return record; }
    GameSheetData SheetData() const override { return sheet; }
    const GameClocks& Clocks() const override { return clocks; }
    const ChessBrdCore& Board() const override { return board; }

    void ApplyLoadedGame(const LoadedGame& game) override { applied = game; }
    void FinishLoad() override { ++finishedLoads; }
    void SetClocksRunning(bool running) override { clocksRunning = running; }
    void SetAnimateLoad(bool animate) override { animateLoad = animate; }
    void GameSaved() override { ++saves; }

    // What the dialogs answer, one per dialog; none left cancels.
    QStringList answers;
    QString pdf;  // where the printer setup sends the sheet; empty cancels
    GameRecordText record;
    GameSheetData sheet;
    GameClocks clocks;
    ChessBrdCore board;

    QString opened;
    QString saved;
    int printerSetups = 0;
    std::vector<Shown> messages;
    std::optional<LoadedGame> applied;
    int finishedLoads = 0;
    int saves = 0;  // saves reported as written
    std::optional<bool> clocksRunning;
    std::optional<bool> animateLoad;

private:
    ChosenFile Answer() {
        const QString path = answers.isEmpty() ? QString() : answers.takeFirst();
        return {path, !path.isEmpty() && GameFileKind::IsPgn(path)};
    }

    bool halted = false;
};

}  // namespace tablerix
