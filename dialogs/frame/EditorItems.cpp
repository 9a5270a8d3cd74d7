#include "EditorItems.h"

#include "EditorInput.h"
#include "StdCtrls.h"

#include <type_traits>

namespace {

constexpr int EditorGap = 8;

void Style(ui::Edit*) {}
void Style(ui::ComboBox* combo) { combo->SetStyle(ui::csDropDownList); }
void Style(ui::StaticText* text) {
    text->SetAutoSize(false);
    text->SetBorderStyle(ui::sbsSunken);
}

void ApplyFlags(ui::Control* editor, EditorFlag flags) {
    if (HasFlag(flags, EditorFlag::Hidden)) editor->Hide();
    if (HasFlag(flags, EditorFlag::ReadOnly)) SetEditorEnabled(editor, false);
}

}  // namespace

ui::Control* NewItemEditor(ui::Component* owner, ui::Control* parent, const EditorItem& item, LabelPlace place,
                           int top) {
    ui::Control* editor = std::visit(
        [&](auto** target) -> ui::Control* {
            using T = std::remove_pointer_t<std::remove_pointer_t<decltype(target)>>;
            T* made = NewLabelledControl<T>(owner, parent, item.Name, item.Label, place, top, item.Width);
            Style(made);
            *target = made;
            return made;
        },
        item.Target);
    ApplyFlags(editor, item.Flags);
    return editor;
}

ui::StaticText* NewHiddenKeyText(ui::Component* owner, ui::Control* parent, const std::string& name) {
    ui::StaticText* text = nullptr;
    NewItemEditor(owner, parent, {&text, name, "", 65, EditorFlag::Hidden}, {}, 0);
    return text;
}

ui::GroupBox* NewGroupBox(ui::Component* owner, ui::Control* parent, const std::string& name,
                          const std::string& caption, int left, int top, int width, int height) {
    auto* box = new ui::GroupBox(owner);
    box->SetName(name);
    box->SetParent(parent);
    box->SetCaption(caption);
    box->SetBounds(left, top, width, height);
    return box;
}

// ------------------------------------------------------------------------------------------------ EditorRow

EditorRow::EditorRow(ui::Component* owner, ui::Control* parent, int left, int top)
    : owner_(owner), parent_(parent), left_(left), top_(top) {}

ui::Control* EditorRow::Place(const EditorItem& item) {
    ui::Control* editor = NewItemEditor(owner_, parent_, item, {left_, 0}, top_);
    left_ = editor->Left() + editor->Width() + EditorGap;
    return editor;
}

ui::Edit* EditorRow::Edit(const std::string& name, const std::string& label, int width) {
    ui::Edit* edit = nullptr;
    Place({&edit, name, label, width});
    return edit;
}

ui::ComboBox* EditorRow::Combo(const std::string& name, const std::string& label, int width) {
    ui::ComboBox* combo = nullptr;
    Place({&combo, name, label, width});
    return combo;
}

ui::StaticText* EditorRow::Text(const std::string& name, const std::string& label, int width) {
    ui::StaticText* text = nullptr;
    Place({&text, name, label, width});
    return text;
}

BuiltEditors EditorRow::Add(std::initializer_list<EditorItem> items) {
    BuiltEditors built;
    for (const EditorItem& item : items) built.Add(Place(item), item);
    return built;
}
