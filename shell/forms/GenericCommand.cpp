#include "GenericCommand.h"

#include "Catalog.h"
#include "Exception.h"

namespace {

GenericDialogKind DialogKind(CommandKind kind) {
    switch (kind) {
    case CommandKind::ScalarsEditor: return GenericDialogKind::ScalarsEditor;
    case CommandKind::TableList: return GenericDialogKind::TableList;
    case CommandKind::TableListAddDelete: return GenericDialogKind::TableListAddDelete;
    case CommandKind::Tabbed: return GenericDialogKind::Tabbed;
    case CommandKind::PortRowEditor: return GenericDialogKind::PortRowEditor;
    default: throw Exception("The command does not open a generic dialog!");
    }
}

GenericTableRef TableRef(const CommandTable& table) {
    if (!table.Catalog) throw Exception("No catalogue table!");
    return {table.Catalog->Table, table.ListKind, table.KeyCount, {}};
}

GenericDialogExtras Extras(const CommandExtras& row, const CommandContext& context) {
    GenericDialogExtras extras;
    extras.Timeout = row.Timeout;
    extras.RowStatusColumn = row.RowStatusColumn;
    extras.NoEdit = row.NoEdit;
    extras.NoEditButton = row.NoEditButton;
    extras.NoAdd = row.NoAdd;
    for (const RowFormat& format : row.Formats)
        extras.Formats.push_back({format.Row, format.Format ? format.Format : "", TextCheckerOf(format.Checker)});
    extras.OptionalRows.assign(row.OptionalRows.begin(), row.OptionalRows.end());
    extras.EditWidth = row.EditWidth;
    extras.EditWidthPlus = row.EditWidthPlus;
    extras.RowEditorWidth = row.RowEditorWidth;
    extras.RowEditorWidthPlus = row.RowEditorWidthPlus;
    extras.Height = row.Height;
    extras.FixedHeight = row.FixedHeight;
    extras.Taller = row.Taller;
    extras.Wider = row.Wider;
    extras.FixedWidth = row.FixedWidth;
    extras.SizeBeforePages = row.SizeBeforePages;
    extras.FontCharset = row.FontCharset;
    extras.CharsetRows.assign(row.CharsetRows.begin(), row.CharsetRows.end());
    if (row.OnClose != MainWindowStep::None && context.RunStep) {
        extras.OnClose = [step = row.OnClose, run = context.RunStep](TConfigForm&) { run(step); };
    }
    return extras;
}

}  // namespace

NxTextChecker TextCheckerOf(TextCheck check) {
    switch (check) {
    case TextCheck::None: return nullptr;
    case TextCheck::CheckIpText: return CheckIpText;
    case TextCheck::CheckMulticastIpText: return CheckMulticastIpText;
    case TextCheck::CheckIpv6HexText: return CheckIpv6HexText;
    case TextCheck::CheckMacText: return CheckMacText;
    case TextCheck::CheckMulticastMacText: return CheckMulticastMacText;
    case TextCheck::CheckUnicastMacText: return CheckUnicastMacText;
    case TextCheck::CheckNetmaskText: return CheckNetmaskText;
    case TextCheck::NormalizeHexWordText: return NormalizeHexWordText;
    }
    return nullptr;
}

GenericDialogRecipe GenericDialogRecipeFor(const GenericDialogRequest& request) {
    const MenuCommand& command = *request.Command;
    static const CommandContext noContext;
    GenericDialogRecipe recipe;
    recipe.Caption = request.Caption;
    recipe.Kind = DialogKind(command.Kind);
    recipe.Extras = Extras(command.Extras, request.Context ? *request.Context : noContext);
    if (command.Kind == CommandKind::Tabbed) {
        for (const CommandPage& page : command.Pages)
            recipe.Pages.push_back(
                {page.Caption ? page.Caption : "", TableRef(page.Table), page.RowStatusColumn, page.NoEdit, page.StopShown});
        return recipe;
    }
    recipe.Table = TableRef(command.Table);
    if (command.Extras.StateTable.Catalog)
        recipe.StateCheck = {TableRef(command.Extras.StateTable),
                             command.Extras.StateOffMessage ? command.Extras.StateOffMessage : ""};
    if (command.Kind == CommandKind::PortRowEditor) {
        recipe.Table.Kind = MVT_SV;
        recipe.Table.KeyCount = 0;
        recipe.Table.InstanceSuffix = request.PortHint;
    }
    return recipe;
}

void RunGenericCommandDialog(const GenericDialogRequest& request) { ShowGenericDialog(GenericDialogRecipeFor(request)); }
