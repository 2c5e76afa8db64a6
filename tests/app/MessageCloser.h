#pragma once
// Closes every modal box that opens while it lives, recording what it said;
// `whileOpen` runs with the box still on screen. Other modal dialogs (not file
// dialogs) are rejected and their titles kept in dialogTitles.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

namespace tablerix {

class MessageCloser {
public:
    explicit MessageCloser(std::function<void()> whileOpen = {}) : whileOpen_(std::move(whileOpen)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                texts.push_back(box->text());
                titles.push_back(box->windowTitle());
                icons.push_back(box->icon());
                buttons.push_back(static_cast<int>(box->buttons().size()));
                if (whileOpen_) whileOpen_();
                box->button(QMessageBox::Ok)->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && !qobject_cast<QFileDialog*>(modal)) {
                dialogTitles.push_back(dialog->windowTitle());
                if (whileOpen_) whileOpen_();
                dialog->reject();
            }
        });
        poll_.start(5);
    }
    QStringList texts;
    QStringList titles;
    std::vector<QMessageBox::Icon> icons;
    std::vector<int> buttons;
    QStringList dialogTitles;

private:
    std::function<void()> whileOpen_;
    QTimer poll_;
};

}  // namespace tablerix
