#pragma once
// TLogSaveControlForm: how the switch saves its log (at a time interval, on demand or on a log trigger) and the
// interval for the first method: two scalars, read and written synchronously. The interval is editable and sent
// only with the method "time-interval"; a Set is followed by a read. The form keeps its designed size.
#include "DedicatedForm.h"

namespace ui {
class Button;
class ComboBox;
class Edit;
}  // namespace ui

class TLogSaveControlForm : public TDedicatedForm {
public:
    explicit TLogSaveControlForm(ui::Component* owner);

    ui::ComboBox* cbxLogSaveMethod = nullptr;
    ui::Edit* EdLogSavetimeInterval = nullptr;
    ui::Button* btnRefresh = nullptr;
    ui::Button* btnSet = nullptr;
    ui::Button* btnClose = nullptr;

    DialogTable& LogSaveScalars;

    void FormCreate(ui::Component* sender) override;
    void btnRefreshClick();
    void btnSetClick();
    void cbxLogSaveMethodChange();
};

extern TLogSaveControlForm* LogSaveControlForm;  // the open dialog, else null
