#pragma once
// Standard controls: labels, static texts, edits, memos, buttons, check boxes, radio buttons and
// groups, combo boxes and group boxes. Which changes fire which event: see Control.h.
#include "Control.h"
#include "Strings.h"

#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QString;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QCheckBox;
class QRadioButton;

namespace ui {

// Shows its caption as plain text; with AutoSize (the default) it takes the size of its text.
class Label : public Control {
public:
    explicit Label(Component* owner);
    std::string Caption() const { return caption_; }
    void SetCaption(const std::string& caption);
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    ui::Alignment Alignment() const { return alignment_; }
    void SetAlignment(ui::Alignment alignment);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);

protected:
    bool WidgetEvent(QEvent* event) override;
    virtual void AdjustSize();
    QLabel* LabelWidget() const;
    std::string caption_;
    bool autoSize_ = true;
    ui::Alignment alignment_ = taLeftJustify;
    bool wordWrap_ = false;
    bool transparent_ = false;
};

// A label with a window of its own and an optional border.
class StaticText : public Label {
public:
    explicit StaticText(Component* owner);
    StaticBorder BorderStyle() const { return border_; }
    void SetBorderStyle(StaticBorder border);
    // The width a static text with border needs to draw text whole in the application's font (frame and the
    // indent of a framed text included). A static text showing values is made as wide as its widest value needs.
    static int WidthFor(const std::string& text, StaticBorder border);

protected:
    void AdjustSize() override;

private:
    StaticBorder border_ = sbsNone;
};

class Edit : public Control {
public:
    explicit Edit(Component* owner);
    std::string Text() const;
    void SetText(const std::string& text);
    // Limits what the user types; text set by code may be longer and is kept whole. 0: no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int maxLength) { maxLength_ = maxLength; }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char passwordChar);
    void SelectAll();
    int SelStart() const;
    void SetSelStart(int start);
    // The bytes text stands for in this edit's character set (and view); none when a character has no byte form
    // there. Typing such a character is refused.
    std::optional<std::string> BytesOf(const QString& text) const;
    // True while OnChange runs for a text set by code (SetText), false for what the user typed or pasted.
    bool ChangedByCode() const { return changedByCode_; }

    NotifyEvent OnChange;

protected:
    bool ColorPaintsBase() const override { return true; }
    void SetFontCharset(int charset) override;

private:
    QLineEdit* LineEdit() const;
    void ShowBytes(const std::string& bytes);
    int maxLength_ = 0;
    bool byteView_ = true;  // the text shows its bytes one per character (the value is not in the character set)
    char passwordChar_ = 0;
    bool codeChange_ = false;
    bool changedByCode_ = false;
};

class Memo : public Control {
public:
    explicit Memo(Component* owner);
    ~Memo() override;
    std::string Text() const;
    void SetText(const std::string& text);
    Strings& Lines() { return *lines_; }
    const Strings& Lines() const { return *lines_; }
    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);
    bool WordWrap() const;
    void SetWordWrap(bool wordWrap);
    ScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollStyle scrollBars);

    NotifyEvent OnChange;

protected:
    bool ColorPaintsBase() const override { return true; }

private:
    QPlainTextEdit* TextEdit() const;
    std::unique_ptr<Strings> lines_;
    ScrollStyle scrollBars_ = ssNone;
    bool codeChange_ = false;
};

class Button : public Control {
public:
    explicit Button(Component* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    // Clicking sets the parent form's modal result to this (when not mrNone).
    ui::ModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(ui::ModalResult result) { modalResult_ = result; }
    bool Default() const;
    void SetDefault(bool isDefault);
    void Click() override;

protected:
    Button(Component* owner, QPushButton* widget);
    bool MouseReleaseClicks() const override { return false; }
    QPushButton* PushButton() const;

private:
    ui::ModalResult modalResult_ = mrNone;
};

enum CheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class CheckBox : public Control {
public:
    explicit CheckBox(Component* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    void SetChecked(bool checked);  // fires OnClick when the state changes
    CheckBoxState State() const;
    void SetState(CheckBoxState state);
    bool AllowGrayed() const;
    void SetAllowGrayed(bool allowGrayed);

protected:
    bool MouseReleaseClicks() const override { return false; }

private:
    QCheckBox* Box() const;
    bool codeChange_ = false;
};

class RadioButton : public Control {
public:
    explicit RadioButton(Component* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    bool Checked() const;
    // Checking one unchecks the other radio buttons of the same parent; fires OnClick when it becomes checked.
    void SetChecked(bool checked);

protected:
    bool MouseReleaseClicks() const override { return false; }

private:
    QRadioButton* Radio() const;
    bool codeChange_ = false;
};

class ComboBox : public Control {
public:
    explicit ComboBox(Component* owner);
    ~ComboBox() override;
    ComboStyle Style() const { return style_; }
    void SetStyle(ComboStyle style);
    Strings& Items() { return *items_; }
    const Strings& Items() const { return *items_; }
    int ItemIndex() const;
    void SetItemIndex(int index);  // -1 selects nothing
    // The selected item's text (the typed text for csDropDown). Setting it on a drop-down list
    // selects the item with that text, or nothing.
    std::string Text() const;
    void SetText(const std::string& text);

    NotifyEvent OnChange;  // user changes only; a selected item fires OnClick first

protected:
    bool ColorPaintsBase() const override { return true; }
    bool MouseReleaseClicks() const override { return false; }

private:
    friend class ComboItems;
    QComboBox* Combo() const;
    std::unique_ptr<Strings> items_;
    ComboStyle style_ = csDropDown;
    int codeChange_ = 0;
};

class GroupBox : public Control {
public:
    explicit GroupBox(Component* owner);
    std::string Caption() const;
    void SetCaption(const std::string& caption);
    Rect AlignRect() const override;

protected:
    explicit GroupBox(Component* owner, QGroupBox* widget);
    QGroupBox* Box() const;
};

class RadioGroup : public GroupBox {
public:
    explicit RadioGroup(Component* owner);
    ~RadioGroup() override;
    Strings& Items() { return *items_; }
    const Strings& Items() const { return *items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);  // fires OnClick when it changes
    int Columns() const { return columns_; }
    void SetColumns(int columns);

protected:
    void BoundsChanged() override;
    bool MouseReleaseClicks() const override { return false; }

private:
    friend class RadioItems;
    void RebuildButtons();
    void ArrangeButtons();
    void ShowItemIndex();
    void UserPicked(int index);
    std::unique_ptr<Strings> items_;
    std::vector<std::string> texts_;
    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
    bool codeChange_ = false;
};

}  // namespace ui
