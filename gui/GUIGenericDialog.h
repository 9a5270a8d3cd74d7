#pragma once
// Builds a generic dialog from one command's description: its table(s), kind, key count, caption and extras,
// and shows it modally. The command engine turns a MenuCommandTable row into a GenericDialogRecipe.
#include "GUIConfigForm.h"
#include "NxSNMPVar.h"
#include "NxValueCheckControls.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

enum class GenericDialogKind { ScalarsEditor, TableList, TableListAddDelete, Tabbed, PortRowEditor };

struct GenericTableRef {
    MibObjectTable Table = nullptr;
    NxVarListKind Kind = SVT_SV;
    int KeyCount = 0;
    std::string InstanceSuffix;  // a port row editor's row: port number, ".", medium digit
};

struct GenericRowFormat {
    int Row = 0;
    std::string Format;
    NxTextChecker Checker = nullptr;  // with a checker the format goes to the list-view panel's row dialogs
};

struct GenericPageRecipe {
    std::string Caption;
    GenericTableRef Table;
    int RowStatusColumn = -1;  // Add ("createAndGo") and Delete ("destroy"); -1 none
    bool NoEdit = false;
    bool StopShown = false;
};

// Sizes marked scaled are multiplied by the screen's scale factor (whole pixels, truncated).
struct GenericDialogExtras {
    int Timeout = 0;  // hundredths of a second; 0 the default
    int RowStatusColumn = -1;
    bool NoEdit = false;        // Edit hidden and a double click opens nothing
    bool NoEditButton = false;  // Edit hidden, a double click still edits
    bool NoAdd = false;
    bool StopShown = false;
    std::vector<GenericRowFormat> Formats;
    std::vector<int> OptionalRows;  // editors tagged 99
    int EditWidth = 0;              // scaled
    int EditWidthPlus = 0;          // scaled, plus the first editor's width
    int RowEditorWidth = 0;         // pixels
    int RowEditorWidthPlus = 0;     // scaled, plus the first editor's width
    int Height = 0;                 // scaled
    int FixedHeight = 0;
    int Taller = 0;                 // scaled
    int Wider = 0;                  // scaled
    int FixedWidth = 0;
    bool SizeBeforePages = false;
    int FontCharset = 0;            // the list view and the editors of CharsetRows; 0 the default
    std::vector<int> CharsetRows;
    // The dialog's close step replaced by a hook that runs the dialog's own first (hook gets the dialog).
    std::function<void(TConfigForm& dialog)> OnClose;
};

// A table read once, synchronously, before the dialog shows; it takes no part in the dialog. When its first
// variable reads "disabled", OffMessage shows and the list offers no Edit. A state that cannot be read changes
// nothing.
struct GenericStateCheck {
    GenericTableRef Table;  // Table.Table null: no check
    std::string OffMessage;
};

struct GenericDialogRecipe {
    std::string Caption;  // title, separator and device address, or empty to leave it unset
    GenericDialogKind Kind = GenericDialogKind::ScalarsEditor;
    GenericTableRef Table;               // every kind but tabbed
    std::vector<GenericPageRecipe> Pages;  // tabbed
    GenericDialogExtras Extras;
    GenericStateCheck StateCheck;
};

// The whole part of the scale factor times a design size.
int ScaledSize(int designSize);

// Assembles the dialog without showing it (its first read is pending). Raises Exception for a kind or table
// that cannot make a dialog.
std::unique_ptr<TConfigForm> BuildGenericDialog(const GenericDialogRecipe& recipe);
// Assembles the dialog, shows it modally and frees it.
void ShowGenericDialog(const GenericDialogRecipe& recipe);
