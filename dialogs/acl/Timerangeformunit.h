#pragma once
// TTimeRangeForm: the switch's named time ranges (weekdays and a daily start and end time), which access rules
// name. A row table on the dialog frame, asynchronous, with a get-complete flag and Stop: while the flag is clear
// Add, Edit, Delete and closing answer "Get data not complete" and Refresh does nothing.
//
// The weekdays are the eight bits of "Select Days" (Sunday the most significant, the hidden "None" last), one
// check box each. Add creates the range with createAndGo, Edit writes the days and times of the selected range
// with RowStatus active, Delete sends destroy with the days and times; each reads the table again. The name of an
// existing range cannot be changed; the dialog checks neither the name nor the time texts.
#include "DedicatedForm.h"

#include <vector>

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class GroupBox;
class ListView;
class StaticText;
}  // namespace ui

class TTimeRangeForm : public TDedicatedForm {
public:
    explicit TTimeRangeForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* btnGet = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnAdd = nullptr;
    ui::Button* btnDelete = nullptr;
    ui::Button* btnClose = nullptr;
    ui::Button* btnStop = nullptr;

    ui::Edit* edtName = nullptr;
    ui::GroupBox* WeekdaysBox = nullptr;
    ui::CheckBox* CheckBox1 = nullptr;  // Monday
    ui::CheckBox* CheckBox2 = nullptr;
    ui::CheckBox* CheckBox3 = nullptr;
    ui::CheckBox* CheckBox4 = nullptr;
    ui::CheckBox* CheckBox5 = nullptr;
    ui::CheckBox* CheckBox6 = nullptr;  // Saturday
    ui::CheckBox* CheckBox7 = nullptr;  // Sunday
    ui::CheckBox* CheckBox8 = nullptr;  // "None", hidden
    ui::GroupBox* DailyBox = nullptr;
    ui::Edit* edtStart = nullptr;
    ui::Edit* edtEnd = nullptr;
    ui::ComboBox* cbxStatus = nullptr;  // hidden

    DialogTable& Ranges;

protected:
    void FormCreate(ui::Component* sender) override;
    void RowSelectionChanged(bool selected) override;

private:
    void btnGetClick();
    void btnAddClick();
    void btnSetClick();
    void btnDeleteClick();
    // Monday to Sunday, the boxes the user sees.
    std::vector<ui::CheckBox*> Weekdays() const;
    bool CheckDaysAndTimes();
    void ResetForm();
    void AfterRowWrite();
};

extern TTimeRangeForm* TimeRangeForm;  // the open dialog, else null
