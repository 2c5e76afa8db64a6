#pragma once
// The main window driven headless for the game-file tests: file dialogs
// answered from a script, printing into a PDF file, and small helpers to
// set up a game. Message boxes are closed by the tests (MessageCloser).

#include "FormControls.h"
#include "FormDialogs.h"
#include "GameClocks.h"
#include "TablerixPas.h"

#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace tablerix {

using S = Square;

// Answers the file dialogs from a script and prints to a PDF file.
class ScriptedDialogs : public FormDialogs {
public:
    QString ChooseFile(QFileDialog& dialog) override {
        seen << dialog.windowTitle();
        proposed << dialog.selectedFiles().value(0);
        lastDialog = &dialog;
        return answers.isEmpty() ? QString() : answers.takeFirst();
    }
    bool SetUpPrinter(QPrinter& printer, QWidget*) override {
        orientation = printer.pageLayout().orientation();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return !pdf.isEmpty();
    }
    bool Ask(QWidget*, const QString& question) const override {
        questions << question;
        return yes;
    }
    QStringList answers;  // one per dialog; an empty one cancels
    mutable QStringList questions;
    bool yes = true;  // what every question is answered
    QStringList seen;
    QStringList proposed;
    QFileDialog* lastDialog = nullptr;
    QString pdf;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;
};

inline QStringList Lines(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

inline QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Legal's mate: a check on move 6, mate on move 7.
inline const std::vector<std::pair<S, S>> kLegal = {
    {S::E2, S::E4}, {S::E7, S::E5}, {S::G1, S::F3}, {S::D7, S::D6}, {S::F1, S::C4}, {S::C8, S::G4}, {S::B1, S::C3},
    {S::G7, S::G6}, {S::F3, S::E5}, {S::G4, S::D1}, {S::C4, S::F7}, {S::E8, S::E7}, {S::C3, S::D5}};

class GameFileWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        auto owned = std::make_unique<ScriptedDialogs>();
        dialogs = owned.get();
        form->SetDialogs(std::move(owned));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        Control<QTimer>(*form, "Timer1")->stop();  // the clocks are set by hand here
    }

    void StartTwoPlayers() {
        Control<QComboBox>(*form, "ComboJugadores")->setCurrentIndex(1);
        form->ComboJugadoresChange();
        QTest::mouseClick(Control<QPushButton>(*form, "BAceptar"), Qt::LeftButton);
    }

    void Play(const std::vector<std::pair<S, S>>& moves) {
        Board(*form)->SetAnimateMoves(false);
        for (auto [from, to] : moves) ASSERT_TRUE(Board(*form)->MakeMove(from, to));
        Board(*form)->SetAnimateMoves(true);
    }

    // A choice made as the user makes it, so the list's handler runs.
    static void Pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

    void SetClocks(GameClocks::Counter white, GameClocks::Counter black, GameClocks::Counter game) {
        GameClocks clocks;
        clocks.WhiteClock = white;
        clocks.BlackClock = black;
        clocks.GameClock = game;
        form->SetClocks(clocks);
    }

    QString Clocks() const { return ClockLabelTexts(*form).join(u' '); }

    std::array<int, 6> Choices() const { return ChoiceIndexes(*form); }

    void Load(const QString& path, bool animated = false) {
        dialogs->answers << path;
        if (animated) form->BCargarConClick();
        else form->BCargarSinClick();
    }

    QString File(const QString& name) const { return dir.filePath(name); }

    // A shot of the window for a look by eye, when TABLERIX_SHOTS names a directory.
    void Shot(const QString& name) const {
        if (const QString d = qEnvironmentVariable("TABLERIX_SHOTS"); !d.isEmpty())
            form->grab().save(d + u'/' + name + QStringLiteral(".png"));
    }

    QTemporaryDir dir;
    std::unique_ptr<TForm1> form;
    ScriptedDialogs* dialogs = nullptr;
};

}  // namespace tablerix
