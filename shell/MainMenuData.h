#pragma once
// The main window's menu bar as it stands in the menu resource: every item in menu order.
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct MainMenuItem {
    const char* Name;       // component name; "" for a separator
    const char* Caption;    // exact caption, trailing blanks and line feeds included; "-" for a separator
    const char* Handler;    // the TMainForm handler its OnClick runs; "" when the item has no command
    bool HiddenAtStart;     // Visible is false in the resource
    std::span<const MainMenuItem> Children;

    bool IsSeparator() const { return Name[0] == '\0'; }
    bool HasCommand() const { return Handler[0] != '\0'; }
};

// The top menus in menu-bar order (Configuration ... Help).
std::span<const MainMenuItem> MainMenuTopItems();

// The item with this component name, or nullptr.
const MainMenuItem* FindMainMenuItem(std::string_view name);

// The items from the top menu down to this one; empty when the item is not in the menu.
std::vector<const MainMenuItem*> MainMenuPath(const MainMenuItem& item);

// Captions of a path joined by " > ".
std::string MainMenuPathText(const MainMenuItem& item);

// Every item, depth first in menu order.
std::vector<const MainMenuItem*> AllMainMenuItems();
