#pragma once
// Every command of the main menu as one static row: what it opens and how it departs from its kind.
#include "Catalog.h"
#include "DedicatedFormClass.h"
#include "NxSNMPVar.h"

#include <span>
#include <string_view>

enum class CommandKind : uint8_t {
    ScalarsEditor,       // generic dialog, SVT_SV, editor panel
    TableList,           // generic dialog, list view without Add and Delete
    TableListAddDelete,  // list view with Add and Delete through a RowStatus column
    Tabbed,              // generic dialog with a page control, one request per page
    PortRowEditor,       // one-row editor of the port under the popup menu
    DedicatedDialog,     // a form class of its own
    DialogFunction,      // a function that builds, shows and frees its dialog
    HostTool,            // a host MIB-browser tool started with a page option
    NoAction,            // does nothing
    Special,             // Refresh Panel, Help, About
};

enum class SpecialCommand : uint8_t { None, RefreshPanel, Help, About };

// A main-window step that a command runs around its dialog.
enum class MainWindowStep : uint8_t {
    None,
    RmonSettingFormClose,  // replaces the dialog's close event, after the dialog's own close step
    Update8021xMenus,
    StpVersionReread,      // synchronous Get of StpVersionRequest; an error goes to status panel 0
};

// A catalogue table read through one variable list.
struct CommandTable {
    const CatalogTable* Catalog = nullptr;  // one of the catalogue modules' named tables; nullptr: none
    NxVarListKind ListKind = SVT_SV;
    int KeyCount = 0;

    const char* Label() const { return Catalog ? Catalog->Label : nullptr; }
};

// The text checker an editor row's text must satisfy, named after the checker function the dialog runs.
enum class TextCheck : uint8_t {
    None,
    CheckIpText,
    CheckMulticastIpText,
    CheckIpv6HexText,
    CheckMacText,
    CheckMulticastMacText,
    CheckUnicastMacText,
    CheckNetmaskText,
    NormalizeHexWordText,
};

// An edit-constraint format for one row (0-based variable index) of the editor.
struct RowFormat {
    int Row;
    const char* Format;
    TextCheck Checker;       // text checker that must accept the row's text
    const char* RowCaption;  // the variable's caption where the command names it; nullptr: not named
};

// One page of a tabbed command.
struct CommandPage {
    const char* Caption = nullptr;
    CommandTable Table{};
    int RowStatusColumn = -1;  // Add and Delete column; -1: a page without Add and Delete
    bool NoEdit = false;
    bool StopShown = false;
};

struct CommandExtras {
    // request
    int Timeout = 0;  // hundredths of a second; 0: the default
    // list-view panel
    int RowStatusColumn = -1;              // Add ("createAndGo") and Delete ("destroy") column; -1: none
    const char* RowStatusCaption = nullptr;
    bool NoEdit = false;        // Edit hidden, a double click opens nothing
    bool NoEditButton = false;  // Edit hidden, a double click still edits
    bool NoAdd = false;
    // editor rows
    std::span<const RowFormat> Formats{};
    std::span<const int> OptionalRows{};  // tagged 99: may stay empty
    int EditWidth = 0;                  // scaled
    int EditWidthPlus = 0;              // scaled, added to the first editor's width
    int RowEditorWidth = 0;             // Add/Edit row editor, fixed width
    int RowEditorWidthPlus = 0;         // Add/Edit row editor, scaled, added to the first editor's width
    int FontCharset = 0;                // list view and the rows below use this character set; 0: default
    std::span<const int> CharsetRows{};
    // size, all 0 when unset
    int Height = 0;       // scaled
    int FixedHeight = 0;  // pixels
    int Taller = 0;       // scaled
    int Wider = 0;        // scaled
    int FixedWidth = 0;   // pixels
    bool SizeBeforePages = false;
    // caption: title + separator + device address
    const char* CaptionSeparator = ": ";
    // SNMP version and main-window steps
    bool V2cAtLeast = false;
    MainWindowStep OnClose = MainWindowStep::None;
    MainWindowStep AfterClose = MainWindowStep::None;
    MainWindowStep Before = MainWindowStep::None;
    // dedicated dialog
    bool OwnerMainWindow = false;
    bool NoInstancePointer = false;
    bool PointerKept = false;
    // dialog function
    bool PassesAddressAndScale = false;  // the function gets the device address and ScaleFactor
    // menu item
    bool HiddenAtStart = false;
    bool InHiddenSubmenu = false;
    bool FollowsRmonState = false;  // enabled only while the RMON state reads "enabled"
    // a table read once before the dialog opens: when its first variable reads "disabled", this message shows
    // before the dialog and Edit is not offered
    CommandTable StateTable{};
    const char* StateOffMessage = nullptr;
    // rules not expressed by the fields above, word for word
    std::span<const char* const> Other{};
};

// The About box's form class, which the shell itself holds.
namespace shellforms {
inline constexpr DedicatedFormClass TAboutForm{"TAboutForm"};
}

struct MenuCommand {
    const char* Handler = nullptr;   // TMainForm handler, e.g. "Auth1Click"
    const char* MenuPath = nullptr;  // exact captions joined by " > "; "" for a handler no item calls
    const char* Title = nullptr;     // text before the caption separator; nullptr: no dialog of its own
    CommandKind Kind = CommandKind::NoAction;
    CommandTable Table{};                  // generic kinds
    std::span<const CommandPage> Pages{};  // tabbed
    const DedicatedFormClass* FormClass = nullptr;  // dedicated dialog (an area's form class), or About
    const char* InstancePointer = nullptr;
    const char* Function = nullptr;     // dialog function
    const char* PageOption = nullptr;   // host tool, "/T" + tool + "_" + page
    SpecialCommand Special = SpecialCommand::None;
    CommandExtras Extras{};
};

// Every command, menu by menu in menu-bar order, each menu top to bottom.
std::span<const MenuCommand> AllMenuCommands();

// The first command with this handler, or nullptr.
const MenuCommand* FindMenuCommand(std::string_view handler);

// The two commands of the port buttons' popup menu (PortInfoPopupMenu); MenuPath is the item's caption.
std::span<const MenuCommand> PortPopupCommands();

// Every catalogue table the commands name: tables, pages and state tables.
std::span<const CatalogTable* const> MenuCommandCatalogTables();
