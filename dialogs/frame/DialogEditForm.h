#pragma once
// TDialogEditForm: the modal add/edit form of a table dialog whose editors stand on a second form. It has no
// request of its own: its editors are bound to the table dialog's request (so selecting a row fills them), its
// Set writes through that request and reads the table again, and its errors go to the table dialog's panel 0.
//
// The table dialog creates it (as its owner) in FormCreate, and opens it with ShowFor: captioned with the table
// dialog's caption and " (Add)" or " (Edit)". On activation the form prepares its editors by mode: for Add the
// editors are emptied and the RowStatus box set to createAndGo and disabled; for Edit the row's values stay and
// the key editors are disabled.
#include "DialogTable.h"
#include "Form.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace ui {
class ComboBox;
class Control;
class Edit;
}  // namespace ui

class TDialogEditForm : public ui::Form {
public:
    enum class Mode : uint8_t { Add, Edit };

    TDialogEditForm(ui::Form& tableDialog, DialogTable& table, int designWidth, int designHeight);

    // Shows the form modally in mode; returns when it closes. The second form takes title in place of the table
    // dialog's caption.
    void ShowFor(Mode mode);
    void ShowFor(Mode mode, const std::string& title);
    Mode EditMode() const { return mode_; }

protected:
    // The editors the activation prepares.
    void PreparesEditors(std::vector<ui::Edit*> keyEdits, std::vector<ui::Edit*> edits, ui::ComboBox* rowStatus);
    // Controls of read-only values, disabled at every activation (selecting a row enables every bound control).
    void KeepsDisabled(std::vector<ui::Control*> controls);
    // The form's Set: one SET through the table's request with leftOut marked invalid, the table read again,
    // the form closed. A caught exception goes to the table dialog's panel 0 and into a message box owned by this
    // form (unless it is a refused input, whose box has been shown), and the form stays open.
    void SetThroughTable(std::initializer_list<int> leftOut = {});
    void FormActivate(ui::Component* sender);

    ui::Form& tableDialog_;
    DialogTable& table_;

private:
    Mode mode_ = Mode::Add;
    std::vector<ui::Edit*> keyEdits_;
    std::vector<ui::Edit*> edits_;
    ui::ComboBox* rowStatus_ = nullptr;
    std::vector<ui::Control*> readOnly_;
};
