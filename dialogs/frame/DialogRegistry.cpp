#include "DialogRegistry.h"

#include <map>

namespace {

std::map<const DedicatedFormClass*, DedicatedDialogEntry>& DedicatedDialogs() {
    static std::map<const DedicatedFormClass*, DedicatedDialogEntry> dialogs;
    return dialogs;
}

std::map<std::string, DialogFunction>& DialogFunctions() {
    static std::map<std::string, DialogFunction> functions;
    return functions;
}

}  // namespace

void RegisterDedicatedDialog(const DedicatedFormClass* formClass, DedicatedDialogFactory factory,
                             InstancePointerSetter publish) {
    if (!formClass) return;
    DedicatedDialogs()[formClass] = {std::move(factory), std::move(publish)};
}

void UnregisterDedicatedDialog(const DedicatedFormClass* formClass) { DedicatedDialogs().erase(formClass); }

const DedicatedDialogEntry* FindDedicatedDialog(const DedicatedFormClass* formClass) {
    const auto found = DedicatedDialogs().find(formClass);
    return found == DedicatedDialogs().end() ? nullptr : &found->second;
}

void RegisterDialogFunction(const std::string& name, DialogFunction function) {
    DialogFunctions()[name] = std::move(function);
}

void UnregisterDialogFunction(const std::string& name) { DialogFunctions().erase(name); }

const DialogFunction* FindDialogFunction(const std::string& name) {
    const auto found = DialogFunctions().find(name);
    return found == DialogFunctions().end() ? nullptr : &found->second;
}
