#include "dot3ControlFormUnit.h"

#include "CatalogTables.h"
#include "ExtCtrls.h"
#include "StdCtrls.h"

Tdot3ControlForm* dot3ControlForm = nullptr;

namespace {

constexpr int FunctionsColumn = 1;
constexpr int ShownFunctionBoxes = 1;

}  // namespace

Tdot3ControlForm::Tdot3ControlForm(ui::Component* owner)
    : TDot3CounterForm(owner, {.Name = "dot3ControlForm",
                               .Width = 426,
                               .Height = 444,
                               .Table = &Oid_switch::Mib2_10_7_A,
                               .Counters = &Oid_switch::Mib2_10_7_9_1,
                               .CounterNames = {"Recived Unknown Opcodes"},
                               .NameWidth = 150,
                               .CountersCloseFirst = false}) {
    BuildCounterArea();
    Label1 = new ui::Label(this);
    Label1->SetParent(EditorPanel);
    Label1->SetCaption("Function Support");
    Label1->SetBounds(8, 12, Label1->Width(), 15);
    for (int k = 0; k < 8; ++k) {
        auto* box = new ui::CheckBox(this);
        box->SetName("CheckBox" + std::to_string(k + 1));
        box->SetParent(EditorPanel);
        box->SetCaption("pause");
        box->SetBounds(16 + Label1->Width() + k * 70, 10, 64, 17);
        box->SetVisible(k < ShownFunctionBoxes);
        FunctionBoxes.push_back(box);
    }
}

void Tdot3ControlForm::BindEditors(DialogRequest& request) {
    request.BindCheckBoxes(FunctionsColumn, "0,1,2,3,4,5,6,7", FunctionBoxes);
}

void Tdot3ControlForm::ResetEditors() {
    for (int k = 0; k < 7; ++k)
        if (FunctionBoxes[static_cast<size_t>(k)]->Visible()) FunctionBoxes[static_cast<size_t>(k)]->SetChecked(false);
}

void Tdot3ControlForm::EnableEditors() {
    for (int k = 0; k < 7; ++k)
        if (FunctionBoxes[static_cast<size_t>(k)]->Visible()) FunctionBoxes[static_cast<size_t>(k)]->SetEnabled(true);
}
