#include "Dialogs.h"

#include "Control.h"
#include "TestHooks.h"
#include "Text.h"
#include "Types.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

namespace ui {

namespace {

QMessageBox::StandardButtons ToQtButtons(MsgButtons buttons) {
    switch (buttons) {
    case mbOKCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case mbYesNo: return QMessageBox::Yes | QMessageBox::No;
    case mbYesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon ToQtIcon(MsgDlgType type) {
    switch (type) {
    case mtError: return QMessageBox::Critical;
    case mtConfirmation: return QMessageBox::Question;
    case mtWarning: return QMessageBox::Warning;
    case mtInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int FromQtAnswer(int answer) {
    switch (answer) {
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    default: return mrCancel;
    }
}

// The window a box stands over: its owner's, unless a modal window blocks that one (the box then stands over the
// modal window, so neither the box nor its owner comes up over the modal window).
QWidget* BoxParent(const Control* owner) {
    QWidget* window = owner ? owner->Widget()->window() : QApplication::activeWindow();
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && window != modal) return modal;
    return window;
}

}  // namespace

int MessageBox(Control* owner, const std::string& text, const std::string& caption, MsgButtons buttons,
               MsgDlgType type) {
    if (const auto& hook = TestHooks::MessageBoxHookFn())
        return hook(MessageBoxCall{caption, text, buttons, type, owner});
    QWidget* parent = BoxParent(owner);
    QMessageBox box(ToQtIcon(type), ToQString(caption), ToQString(text), ToQtButtons(buttons), parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return FromQtAnswer(box.exec());
}

void Beep(int frequency, int durationMs) {
    if (const auto& hook = TestHooks::BeepHookFn()) {
        hook(frequency, durationMs);
        return;
    }
    QApplication::beep();
}

}  // namespace ui
