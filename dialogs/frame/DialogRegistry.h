#pragma once
// Where the dialog areas register their dedicated dialogs and dialog functions, and where the menu commands find
// them. Each area registers its forms from one unit of its own (RegisterL2Dialogs, ...), which the module calls
// once at start-up; registering a form class again replaces its entry.
//
// A dedicated dialog is registered by its form class's identity (DedicatedFormClass) with a factory that builds
// the form with its owner, and the setter of the unit's global instance pointer, which the command sets while the
// dialog is open and clears afterwards.
#include "DedicatedFormClass.h"

#include <functional>
#include <string>

namespace ui {
class Component;
class Form;
}  // namespace ui

using DedicatedDialogFactory = std::function<ui::Form*(ui::Component* owner)>;
// Stores the open form in the unit's global instance pointer; null when the dialog is gone.
using InstancePointerSetter = std::function<void(ui::Form* form)>;

struct DedicatedDialogEntry {
    DedicatedDialogFactory Create;
    InstancePointerSetter Publish;  // empty: the unit keeps no pointer
};

void RegisterDedicatedDialog(const DedicatedFormClass* formClass, DedicatedDialogFactory factory,
                             InstancePointerSetter publish = {});
void UnregisterDedicatedDialog(const DedicatedFormClass* formClass);
// The entry of a registered form class, else null.
const DedicatedDialogEntry* FindDedicatedDialog(const DedicatedFormClass* formClass);

// Form class T, built as new T(owner) and created (OnCreate run), with the unit's global instance pointer (null: none).
template <typename T>
void RegisterDedicatedForm(const DedicatedFormClass& formClass, T** instancePointer) {
    InstancePointerSetter publish;
    if (instancePointer)
        publish = [instancePointer](ui::Form* form) { *instancePointer = static_cast<T*>(form); };
    RegisterDedicatedDialog(
        &formClass,
        [](ui::Component* owner) -> ui::Form* {
            T* form = new T(owner);
            form->DoCreate();  // the form's FormCreate, once it is built
            return form;
        },
        std::move(publish));
}

// Dialog functions by name; the DDM functions get the device address and the scale factor.
using DialogFunction = std::function<void(const std::string& deviceAddress, float scaleFactor)>;
void RegisterDialogFunction(const std::string& name, DialogFunction function);
void UnregisterDialogFunction(const std::string& name);
// The function registered under name, else null.
const DialogFunction* FindDialogFunction(const std::string& name);
