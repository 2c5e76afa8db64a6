#include "TablerixMessage.h"

#include <QMessageBox>

namespace tablerix {

void TablerixMessage::Aviso(QWidget* parent, const QString& text) { Show(parent, kAvisoCaption, text); }

void TablerixMessage::Error(QWidget* parent, const QString& text) { Show(parent, kErrorCaption, text); }

bool TablerixMessage::Question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kAvisoCaption, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void TablerixMessage::Show(QWidget* parent, const QString& caption, const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);  // keeps the leading blanks of the texts
    box.exec();
}

}  // namespace tablerix
