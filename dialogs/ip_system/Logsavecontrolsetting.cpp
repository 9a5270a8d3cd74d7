#include "Logsavecontrolsetting.h"

#include "CatalogTables.h"
#include "EditorGrid.h"
#include "EditorInput.h"
#include "StdCtrls.h"

TLogSaveControlForm* LogSaveControlForm = nullptr;

namespace {

const CatalogTable& LogSaveGroup = Oid_switch::E_12_12_3;
enum Scalar { Method, TimeInterval };
constexpr int TimeIntervalEntry = 0;

}  // namespace

TLogSaveControlForm::TLogSaveControlForm(ui::Component* owner)
    : TDedicatedForm(owner, 380, 150, Scaling::Unscaled), LogSaveScalars(AddTable()) {
    SetName("LogSaveControlForm");
    SetCaption("Log Save Control");
    BuildButtonPanel("");
    btnRefresh = NewRoleButton(ButtonRole::Refresh, "btnRefresh", [this] { btnRefreshClick(); });
    btnSet = NewRoleButton(ButtonRole::Set, "btnSet", [this] { btnSetClick(); });
    btnClose = NewRoleButton(ButtonRole::Close, "btnClose");
    EditorGrid grid(this, this, 250, 100);
    cbxLogSaveMethod = grid.Combo(0, 0, "cbxLogSaveMethod", "Method");
    EdLogSavetimeInterval = grid.Edit(0, 1, "EdLogSavetimeInterval", "Time Interval");
    cbxLogSaveMethod->OnChange = [this](ui::Component*) { cbxLogSaveMethodChange(); };
}

void TLogSaveControlForm::FormCreate(ui::Component*) {
    DialogTable::Options options = SynchronousTableOptions();
    options.FirstGet = true;
    LogSaveScalars.Open(
        LogSaveGroup, SVT_SV, 0,
        [this](DialogRequest& request) {
            request.BindComboBox(Method, cbxLogSaveMethod);
            request.BindEdit(TimeInterval, "%i{n0x65535l5a}", EdLogSavetimeInterval);
        },
        options);
    cbxLogSaveMethodChange();
}

void TLogSaveControlForm::cbxLogSaveMethodChange() {
    SetEditorEnabled(EdLogSavetimeInterval, cbxLogSaveMethod->ItemIndex() == TimeIntervalEntry);
}

void TLogSaveControlForm::btnRefreshClick() {
    if (LogSaveScalars.Busy()) return;
    LogSaveScalars.ReadAgain();
    cbxLogSaveMethodChange();
}

void TLogSaveControlForm::btnSetClick() {
    if (LogSaveScalars.Busy()) return;
    const int method = cbxLogSaveMethod->ItemIndex();
    if (method < 0) {
        RefuseInput(this, "You should choose Log Save Method.", cbxLogSaveMethod);
        return btnRefreshClick();
    }
    const bool withInterval = method == TimeIntervalEntry;
    if (withInterval && EdLogSavetimeInterval->Text() == "0")
        return RefuseInput(this, "Time Interval Can't be 0!", EdLogSavetimeInterval);
    LogSaveScalars.WriteOnly([&] {
        if (withInterval)
            LogSaveScalars.Send();
        else
            LogSaveScalars.Send({TimeInterval});
    });
    btnRefreshClick();
}
