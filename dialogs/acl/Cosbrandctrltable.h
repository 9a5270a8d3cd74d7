#pragma once
// TCoSBrandwidthctrlForm: the minimum and maximum rate of every port and class of service, one rate of one row
// changed at a time. A row table on the dialog frame whose walks are asynchronous with the get-complete flag and whose
// one SET is synchronous; the rows belong to the switch (no Add or Delete). A rate of 0 shows as "No Limit" and is
// written back as 0.
//
// Rules a caller must know:
// - Refresh answers "Get data not complete!" while a walk runs; Edit "Get data not complete"; Stop ends the walk.
// - Edit needs a selected row and a rate of 64 to 1024000 (none with "No Limit", which writes 0), puts it into the
//   rate of the chosen type and sends both rates of the row in one SET, then reads the table again.
// - Caught exceptions show their message in panel 0 and set the flag.
#include "DedicatedForm.h"

namespace ui {
class Button;
class CheckBox;
class ComboBox;
class Edit;
class ListView;
class StaticText;
}  // namespace ui

// The request that shows a rate of 0 as "No Limit" in the list. The binding reads numbers whole, so a row copied
// back into the variables (on selection and before a SET) reads "No Limit" as 0.
class CoSBrandWidthNewRequest2Edits : public DialogRequest {
public:
    using DialogRequest::DialogRequest;

protected:
    void RowReceived() override;
    void ListViewSelectItem(ui::Component* sender, ui::ListItem* item, bool selected) override;
    void ControlsToRequest() override;
};

class TCoSBrandwidthctrlForm : public TDedicatedForm {
public:
    explicit TCoSBrandwidthctrlForm(ui::Component* owner);

    ui::ListView* ListView1 = nullptr;
    ui::StaticText* StaticText1 = nullptr;
    ui::Button* GetButton = nullptr;
    ui::Button* EditButton = nullptr;
    ui::Button* StopButton = nullptr;
    ui::Button* CloseButton = nullptr;
    ui::StaticText* PortText = nullptr;
    ui::StaticText* ClassIDText = nullptr;
    ui::StaticText* RXText = nullptr;  // hidden: the minimum rate the SET carries
    ui::StaticText* TXText = nullptr;  // hidden: the maximum rate
    ui::ComboBox* Typecbx = nullptr;
    ui::Edit* rateEdit = nullptr;
    ui::CheckBox* NOLIMITRBT = nullptr;

    DialogTable& Rates;

protected:
    void FormCreate(ui::Component* sender) override;

private:
    void GetButtonClick();
    void EditButtonClick();
    void CheckBox1Click();
    void WriteRates();
};

extern TCoSBrandwidthctrlForm* CoSBrandwidthctrlForm;  // the open dialog, else null
