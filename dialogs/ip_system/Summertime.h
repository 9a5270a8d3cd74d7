#pragma once
// TSummerTimeForm: the switch's summer time: off, a repeating rule (a weekday of a week of a month, at an hour and
// minute, for start and end) or an annual rule (a day of a month, at an hour and minute), and an offset in minutes.
// Six scalars on the generic editor panel (a row per scalar with its apply box); the four rule rows are composite
// rows, their controls bound to the octets of one value. Read and written synchronously.
//
// Rules a caller must know:
// - Only the rule rows of the status shown are visible (and ticked only by the user); a refresh reads the status
//   first and then the offset and the rows of that status.
// - Set checks the ticked rows (offset 30, 60, 90 or 120; real dates and times; start and end in different months),
//   then writes the status in a first SET and the offset with the rule rows in a second.
// - The month, weekday and week lists are built by SummerTimeOptionListsInit before the first dialog opens and
//   freed by SummerTimeOptionListsExit after the last has closed (the module's start and end).
#include "Form.h"

#include <memory>

class NxSNMPRequest2Edits;
class TCtrlsList;
class TSNMPEditorPanel;
namespace ui {
class ComboBox;
class Edit;
}  // namespace ui

void SummerTimeOptionListsInit();
void SummerTimeOptionListsExit();

class TSummerTimeForm : public ui::Form {
public:
    enum Row { Status, Offset, RepeatStart, RepeatEnd, AnnualStart, AnnualEnd };

    explicit TSummerTimeForm(ui::Component* owner);
    ~TSummerTimeForm() override;

    TSNMPEditorPanel* EditorPanel() const { return editorPanel_; }
    NxSNMPRequest2Edits* Request() const { return request_.get(); }
    // The controls of a rule row (Row RepeatStart to AnnualEnd): its panel, then its parts left to right.
    const TCtrlsList& RuleControls(Row row) const;
    ui::ComboBox* StatusBox() const;
    ui::Edit* OffsetEdit() const;

    void Refresh();
    void SetChecked();
    void SwitchRows();

private:
    void BuildRepeatingRow(Row row);
    void BuildAnnualRow(Row row);
    void IncludeOnly(std::initializer_list<int> rows);
    std::string StatusText() const;
    bool Ticked(Row row) const;
    bool ChecksPass();
    bool RepeatingRowsPass();
    bool AnnualRowsPass();
    void FormClose();

    std::unique_ptr<NxSNMPRequest2Edits> request_;
    TSNMPEditorPanel* editorPanel_ = nullptr;
    std::unique_ptr<TCtrlsList[]> rules_;
};
