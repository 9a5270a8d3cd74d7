#include "GUIGenericDialog.h"

#include "Application.h"
#include "Dialogs.h"
#include "Exception.h"
#include "ListView.h"
#include "NxSNMPRequest2Edits.h"
#include "Screen.h"
#include "StdCtrls.h"

namespace {

constexpr const char* CreateValue = "createAndGo";
constexpr const char* DestroyValue = "destroy";
constexpr const char* StateOffText = "disabled";

std::unique_ptr<NxSNMPRequest2Edits> NewRequest(TConfigForm& dialog, const GenericTableRef& table, int timeout) {
    if (!table.Table) throw Exception("No catalogue table for the dialog!");
    auto request = std::make_unique<NxSNMPRequest2Edits>(&dialog);
    request->Request.Vars = NxSNMPVarList(table.Table, table.Kind, table.KeyCount);
    if (!table.InstanceSuffix.empty()) request->Request.Vars.Instance = table.InstanceSuffix;
    if (timeout > 0) request->Request.Timeout = timeout;
    return request;
}

void UseCharset(ui::Control& control, int charset) {
    ui::Font font = control.Font();
    font.Charset = charset;
    control.SetFont(font);
}

void ApplyRowCharsets(TEditsPanel& rows, const GenericDialogExtras& extras) {
    if (extras.FontCharset == 0) return;
    for (int row : extras.CharsetRows)
        if (row >= 0 && row < rows.RowCount())
            UseCharset(*rows.Rows[static_cast<size_t>(row)].Editor, extras.FontCharset);
}

// The state's option text, read once through a request of the dialog's own that is bound to a static text on no
// form; both are freed with the read. Empty when the state cannot be read.
std::string ReadStateText(TConfigForm& dialog, const GenericTableRef& table) {
    ui::StaticText text(nullptr);
    NxSNMPRequest2Edits request(&dialog);
    try {
        request.Request.Vars = NxSNMPVarList(table.Table, table.Kind, table.KeyCount);
        request.Mode = NxSNMPRequest2Controls::ModeSync;
        request.BindStaticText(0, &text);
        if (!request.Get()) return {};
    } catch (const std::exception&) {
        return {};
    }
    return text.Caption();
}

// True when the check's state reads "disabled"; false without a check or when the state cannot be read.
bool StateReadsOff(TConfigForm& dialog, const GenericStateCheck& check) {
    return check.Table.Table && ReadStateText(dialog, check.Table) == StateOffText;
}

void ShowPlainMessage(const std::string& text) {
    if (text.empty()) return;
    const ui::Application* application = ui::Application::InstanceOrNull();
    ui::MessageBox(nullptr, text, application ? application->Title() : std::string(), ui::mbOK, ui::mtCustom);
}

// Hides Edit and leaves a double click on a row without effect.
void WithdrawEdit(TSNMPListViewPanel& panel) {
    panel.ButtonPanel->EditButton->Hide();
    panel.ListViewPanel->ListView->OnDblClick = nullptr;
}

void ApplyEditorExtras(TSNMPEditorPanel& panel, const GenericDialogExtras& extras) {
    TEditsPanel& rows = *panel.EditsPanel;
    ApplyRowCharsets(rows, extras);
    for (const GenericRowFormat& format : extras.Formats) {
        if (format.Checker)
            rows.SetVarFormat(format.Row, format.Format, format.Checker);
        else
            panel.SetVarFormat(format.Row, format.Format);
    }
    for (int row : extras.OptionalRows)
        if (row >= 0 && row < rows.RowCount()) rows.Rows[static_cast<size_t>(row)].Editor->SetTag(OptionalRowTag);
    const int firstWidth = rows.RowCount() > 0 ? rows.Rows[0].Editor->Width() : rows.EditWidth;
    if (extras.EditWidthPlus) panel.SetEditWidth(ScaledSize(extras.EditWidthPlus) + firstWidth);
    if (extras.EditWidth) panel.SetEditWidth(ScaledSize(extras.EditWidth));
}

void ApplyListExtras(TSNMPListViewPanel& panel, bool noEdit, bool noEditButton, bool noAdd, bool stopShown,
                     const GenericDialogExtras* rowExtras) {
    TCtrlBtnPanel& buttons = *panel.ButtonPanel;
    if (noEdit) WithdrawEdit(panel);
    if (noEditButton) buttons.EditButton->Hide();
    if (noAdd) buttons.AddButton->Hide();
    if (stopShown) buttons.StopButton->Show();
    if (rowExtras) {
        TEditsPanel& rows = *panel.EditsPanel;
        if (rowExtras->FontCharset != 0) UseCharset(*panel.ListViewPanel->ListView, rowExtras->FontCharset);
        ApplyRowCharsets(rows, *rowExtras);
        for (const GenericRowFormat& format : rowExtras->Formats) rows.SetVarFormat(format.Row, format.Format, format.Checker);
        for (int row : rowExtras->OptionalRows)
            if (row >= 0 && row < rows.RowCount()) rows.Rows[static_cast<size_t>(row)].Editor->SetTag(OptionalRowTag);
        const int firstWidth = rows.RowCount() > 0 ? rows.Rows[0].Editor->Width() : rows.EditWidth;
        if (rowExtras->RowEditorWidthPlus) rows.SetEditWidth(ScaledSize(rowExtras->RowEditorWidthPlus) + firstWidth, 2);
        if (rowExtras->RowEditorWidth) rows.SetEditWidth(rowExtras->RowEditorWidth, 2);
    }
    buttons.ArrangeButtons();
}

void ApplySizeExtras(TConfigForm& dialog, const GenericDialogExtras& extras) {
    if (extras.Height) dialog.SetHeight(ScaledSize(extras.Height));
    if (extras.FixedHeight) dialog.SetHeight(extras.FixedHeight);
    if (extras.Taller) dialog.SetHeight(dialog.Height() + ScaledSize(extras.Taller));
    if (extras.Wider) dialog.SetWidth(dialog.Width() + ScaledSize(extras.Wider));
    if (extras.FixedWidth) dialog.SetWidth(extras.FixedWidth);
}

void BuildPages(TConfigForm& dialog, const GenericDialogRecipe& recipe) {
    dialog.CreatePageControl();
    for (const GenericPageRecipe& page : recipe.Pages) {
        auto request = NewRequest(dialog, page.Table, recipe.Extras.Timeout);
        if (page.Table.Kind == SVT_SV || page.Table.Kind == MVT_SV) {
            dialog.AddEditorPage(page.Caption, request.release());
            continue;
        }
        const bool addDelete = page.RowStatusColumn >= 0;
        TSNMPListViewPanel* panel =
            dialog.AddListViewPage(page.Caption, request.release(), page.RowStatusColumn, addDelete ? CreateValue : "",
                                   page.RowStatusColumn, addDelete ? DestroyValue : "");
        ApplyListExtras(*panel, page.NoEdit, false, false, page.StopShown, nullptr);
    }
}

}  // namespace

int ScaledSize(int designSize) { return static_cast<int>(ui::Screen::ScaleFactor() * designSize); }

std::unique_ptr<TConfigForm> BuildGenericDialog(const GenericDialogRecipe& recipe) {
    auto dialog = std::make_unique<TConfigForm>(ui::Application::InstanceOrNull());
    const GenericDialogExtras& extras = recipe.Extras;
    const bool stateOff = StateReadsOff(*dialog, recipe.StateCheck);
    switch (recipe.Kind) {
    case GenericDialogKind::ScalarsEditor:
    case GenericDialogKind::PortRowEditor: {
        auto request = NewRequest(*dialog, recipe.Table, extras.Timeout);
        TSNMPEditorPanel* panel = dialog->CreateEditorPanel(request.release());
        ApplyEditorExtras(*panel, extras);
        break;
    }
    case GenericDialogKind::TableList:
    case GenericDialogKind::TableListAddDelete: {
        auto request = NewRequest(*dialog, recipe.Table, extras.Timeout);
        const bool addDelete = recipe.Kind == GenericDialogKind::TableListAddDelete;
        const int column = addDelete ? extras.RowStatusColumn : -1;
        TSNMPListViewPanel* panel = dialog->CreateListViewPanel(request.release(), column, addDelete ? CreateValue : "",
                                                                column, addDelete ? DestroyValue : "");
        ApplyListExtras(*panel, extras.NoEdit, extras.NoEditButton, extras.NoAdd, extras.StopShown, &extras);
        if (stateOff) {
            ShowPlainMessage(recipe.StateCheck.OffMessage);
            WithdrawEdit(*panel);
            panel->ButtonPanel->ArrangeButtons();
        }
        break;
    }
    case GenericDialogKind::Tabbed:
        if (extras.SizeBeforePages) ApplySizeExtras(*dialog, extras);
        BuildPages(*dialog, recipe);
        break;
    }
    if (recipe.Kind != GenericDialogKind::Tabbed || !extras.SizeBeforePages) ApplySizeExtras(*dialog, extras);
    if (!recipe.Caption.empty()) dialog->SetCaption(recipe.Caption);
    if (extras.OnClose) {
        TConfigForm* form = dialog.get();
        form->OnClose = [form, hook = extras.OnClose](ui::Component* sender, ui::CloseAction& action) {
            form->FormClose(sender, action);
            hook(*form);
        };
    }
    return dialog;
}

void ShowGenericDialog(const GenericDialogRecipe& recipe) {
    std::unique_ptr<TConfigForm> dialog = BuildGenericDialog(recipe);
    dialog->ShowModal();
}
