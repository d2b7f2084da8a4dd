#include "platform/QtMessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace platform {

Answer QtMessages::show(const QString& text, Buttons buttons, const QString& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? u"Tagora"_s : title);
    box.setText(text);
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setIcon(QMessageBox::Question);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setIcon(QMessageBox::Question);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Cancel);
        // The question names its three answers by these captions.
        box.button(QMessageBox::Yes)->setText(u"はい"_s);
        box.button(QMessageBox::No)->setText(u"いいえ"_s);
        box.button(QMessageBox::Cancel)->setText(u"キャンセル"_s);
        box.setIcon(QMessageBox::Warning);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return Answer::Cancel;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Ok;
    }
}

} // namespace platform
