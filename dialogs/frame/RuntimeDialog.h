#pragma once
// Dialogs that have no form class of their own: a generic TConfigForm assembled at run time over one table, shown
// modally and freed when the modal loop returns (with it the request). Owner is the application object; the
// caption is the title, ": " and the device address. An editor recipe gets the editor panel with its own size; a
// list recipe gets the list-view panel without Add or Delete and, with a design height, the height
// trunc(height × scale factor) once the panel has sized the form.
#include "NxSNMPVar.h"

#include <functional>
#include <memory>
#include <string>

class NxSNMPRequest2Edits;
class TConfigForm;

enum class RuntimePanel { Editor, List };

struct RuntimeDialogRecipe {
    std::string Title;
    RuntimePanel Panel = RuntimePanel::List;
    MibObjectTable Table = nullptr;
    NxVarListKind Kind = MVT_FMV;
    int KeyCount = 0;
    int DesignHeight = 0;  // list dialogs; 0 keeps the panel's size
    // Makes the request for the form (a binding subclass); empty: a plain NxSNMPRequest2Edits.
    std::function<std::unique_ptr<NxSNMPRequest2Edits>(TConfigForm& form)> NewRequest;
};

// Assembles the dialog without showing it (its first read is pending).
std::unique_ptr<TConfigForm> BuildRuntimeDialog(const RuntimeDialogRecipe& recipe, const std::string& deviceAddress,
                                                float scaleFactor);
// Assembles the dialog, shows it modally and frees it.
void ShowRuntimeDialog(const RuntimeDialogRecipe& recipe, const std::string& deviceAddress, float scaleFactor);
