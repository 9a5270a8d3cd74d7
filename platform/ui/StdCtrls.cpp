#include "StdCtrls.h"

#include "Exception.h"
#include "Form.h"
#include "Text.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QValidator>
#include <algorithm>
#include <limits>

namespace ui {

namespace {

// Sets a flag for the length of a scope, so a widget's own signal knows the change came from code.
class CodeChange {
public:
    explicit CodeChange(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~CodeChange() { flag_ = old_; }

private:
    bool& flag_;
    bool old_;
};

Qt::Alignment ToQtAlignment(Alignment alignment) {
    switch (alignment) {
    case taRightJustify: return Qt::AlignRight | Qt::AlignTop;
    case taCenter: return Qt::AlignHCenter | Qt::AlignTop;
    default: return Qt::AlignLeft | Qt::AlignTop;
    }
}

// Refuses typing beyond the limit, as the platform's text limit does (counted in bytes of the edit's character
// set), and characters the character set has no bytes for; longer text set by code stays.
class LengthLimit : public QValidator {
public:
    LengthLimit(QLineEdit* widget, const Edit& edit, const int& maxLength)
        : QValidator(widget), edit_(edit), maxLength_(maxLength) {}
    State validate(QString& input, int&) const override {
        const std::optional<std::string> bytes = edit_.BytesOf(input);
        if (!bytes) return Invalid;
        const auto length = static_cast<qsizetype>(bytes->size());
        if (maxLength_ > 0 && length > maxLength_ && length > length_) return Invalid;
        return Acceptable;
    }
    // The length of the text as it stands, before the change being validated.
    void Remember(const QString& text) {
        const std::optional<std::string> bytes = edit_.BytesOf(text);
        length_ = bytes ? static_cast<qsizetype>(bytes->size()) : text.size();
    }

private:
    const Edit& edit_;
    const int& maxLength_;
    qsizetype length_ = 0;
};

}  // namespace

// ---- Label ----

Label::Label(Component* owner) : Control(owner, new QLabel) {
    LabelWidget()->setTextFormat(Qt::PlainText);
    LabelWidget()->setAlignment(ToQtAlignment(alignment_));
    SetBounds(0, 0, 65, 13);
    AdjustSize();
}

QLabel* Label::LabelWidget() const { return static_cast<QLabel*>(Widget()); }

void Label::SetCaption(const std::string& caption) {
    if (caption == caption_ && !caption.empty()) return;  // a counter set on every list change stays cheap
    caption_ = caption;
    LabelWidget()->setText(ToQString(caption));
    AdjustSize();
}

void Label::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustSize();
}

void Label::SetAlignment(ui::Alignment alignment) {
    alignment_ = alignment;
    LabelWidget()->setAlignment(ToQtAlignment(alignment));
}

void Label::SetWordWrap(bool wordWrap) {
    wordWrap_ = wordWrap;
    LabelWidget()->setWordWrap(wordWrap);
    AdjustSize();
}

void Label::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Widget()->setAutoFillBackground(!transparent && Widget()->autoFillBackground());
}

void Label::AdjustSize() {
    if (!autoSize_) return;
    const QFontMetrics metrics(Widget()->font());
    // An empty caption still measures one blank, as the platform's text measurement does.
    const QString text = caption_.empty() ? QStringLiteral(" ") : ToQString(caption_);
    if (wordWrap_) {
        const QRect box = metrics.boundingRect(QRect(0, 0, std::max(1, Width()), 100000), Qt::TextWordWrap, text);
        SetBounds(Left(), Top(), Width(), box.height());
    } else {
        const QRect box = metrics.boundingRect(QRect(), Qt::TextExpandTabs, text);
        SetBounds(Left(), Top(), box.width(), std::max(box.height(), metrics.height()));
    }
}

bool Label::WidgetEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) FireUser([this] { AdjustSize(); });
    return Control::WidgetEvent(event);
}

// ---- StaticText ----

StaticText::StaticText(Component* owner) : Label(owner) {
    SetBounds(Left(), Top(), 65, 17);
    AdjustSize();
}

void StaticText::SetBorderStyle(StaticBorder border) {
    border_ = border;
    auto* label = LabelWidget();
    switch (border) {
    case sbsSingle: label->setFrameStyle(QFrame::Box | QFrame::Plain); break;
    case sbsSunken: label->setFrameStyle(QFrame::Panel | QFrame::Sunken); break;
    default: label->setFrameStyle(QFrame::NoFrame); break;
    }
    label->setLineWidth(1);
    AdjustSize();
}

int StaticText::WidthFor(const std::string& text, StaticBorder border) {
    const QFontMetrics metrics(QApplication::font("QLabel"));
    const int frame = border == sbsNone ? 0 : 1;  // the line width SetBorderStyle gives
    // A framed label indents its text by half an "x" (QLabel's default indent).
    const int indent = frame > 0 ? metrics.horizontalAdvance(QLatin1Char('x')) / 2 : 0;
    return metrics.horizontalAdvance(ToQString(text)) + 2 * frame + indent;
}

void StaticText::AdjustSize() {
    if (!autoSize_) return;
    const QFontMetrics metrics(Widget()->font());
    const QString text = caption_.empty() ? QStringLiteral(" ") : ToQString(caption_);
    const QRect box = metrics.boundingRect(QRect(), Qt::TextExpandTabs, text);
    const int frame = border_ == sbsNone ? 0 : 2 * LabelWidget()->frameWidth();
    SetBounds(Left(), Top(), box.width() + frame, std::max(box.height(), metrics.height()) + frame);
}

// ---- Edit ----

Edit::Edit(Component* owner) : Control(owner, new QLineEdit) {
    QLineEdit* edit = LineEdit();
    edit->setMaxLength(std::numeric_limits<int>::max());
    auto* limit = new LengthLimit(edit, *this, maxLength_);
    edit->setValidator(limit);
    edit->setFocusPolicy(Qt::StrongFocus);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 21);
    QObject::connect(edit, &QLineEdit::textChanged, SignalContext(), [this, limit](const QString& text) {
        limit->Remember(text);
        if (codeChange_) return;
        FireUser([this] {
            if (OnChange) OnChange(this);
        });
    });
}

QLineEdit* Edit::LineEdit() const { return static_cast<QLineEdit*>(Widget()); }

std::string Edit::Text() const {
    if (FontCharset() == DefaultCharset) return FromQString(LineEdit()->text());
    std::optional<std::string> bytes = BytesOf(LineEdit()->text());
    // Typing refuses such characters, so only code can have put them there; never hand on substitute bytes.
    if (!bytes) throw Exception("The text holds characters that the edit's character set cannot write!");
    return std::move(*bytes);
}

std::optional<std::string> Edit::BytesOf(const QString& text) const {
    return FromQString(text, byteView_ ? DefaultCharset : FontCharset());
}

void Edit::SetText(const std::string& text) {
    bool byteView = true;
    const QString value = ToQString(text, FontCharset(), &byteView);
    if (value == LineEdit()->text() && byteView == byteView_) return;
    // In a character set the same characters may stand for other bytes in the other view: compare bytes.
    const bool changed = FontCharset() == DefaultCharset || BytesOf(LineEdit()->text()) != text;
    {
        CodeChange change(codeChange_);
        byteView_ = byteView;
        LineEdit()->setText(value);
    }
    if (!changed || !OnChange) return;
    auto life = LifeToken();
    const bool outer = changedByCode_;
    changedByCode_ = true;
    OnChange(this);
    if (!life.expired()) changedByCode_ = outer;
}

void Edit::SetFontCharset(int charset) {
    const std::string bytes = Text();
    Control::SetFontCharset(charset);
    ShowBytes(bytes);
}

// The same bytes shown again; the value has not changed, so no change event.
void Edit::ShowBytes(const std::string& bytes) {
    CodeChange change(codeChange_);
    bool byteView = true;
    const QString value = ToQString(bytes, FontCharset(), &byteView);
    byteView_ = byteView;
    LineEdit()->setText(value);
}

bool Edit::ReadOnly() const { return LineEdit()->isReadOnly(); }

void Edit::SetReadOnly(bool readOnly) { LineEdit()->setReadOnly(readOnly); }

void Edit::SetPasswordChar(char passwordChar) {
    passwordChar_ = passwordChar;
    LineEdit()->setEchoMode(passwordChar ? QLineEdit::Password : QLineEdit::Normal);
}

void Edit::SelectAll() { LineEdit()->selectAll(); }

int Edit::SelStart() const { return LineEdit()->cursorPosition(); }

void Edit::SetSelStart(int start) { LineEdit()->setCursorPosition(start); }

// ---- Memo ----

namespace {
class MemoLines : public Strings {
public:
    explicit MemoLines(Memo& memo) : memo_(memo) {}
    int Count() const override { return static_cast<int>(SplitLines(memo_.Text()).size()); }
    std::string Get(int index) const override { return SplitLines(memo_.Text()).at(static_cast<size_t>(index)); }
    void Insert(int index, const std::string& text) override {
        auto lines = SplitLines(memo_.Text());
        const auto at = static_cast<size_t>(std::clamp(index, 0, static_cast<int>(lines.size())));
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), text);
        Store(lines);
    }
    void Delete(int index) override {
        auto lines = SplitLines(memo_.Text());
        if (index < 0 || index >= static_cast<int>(lines.size())) return;
        lines.erase(lines.begin() + index);
        Store(lines);
    }
    void Clear() override { memo_.SetText(""); }

private:
    void Store(const std::vector<std::string>& lines) {
        std::string text;
        for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
        memo_.SetText(text);
    }
    Memo& memo_;
};
}  // namespace

Memo::Memo(Component* owner) : Control(owner, new QPlainTextEdit), lines_(std::make_unique<MemoLines>(*this)) {
    TextEdit()->setFocusPolicy(Qt::StrongFocus);
    SetTabStop(true);
    SetColor(clWindow);
    SetScrollBars(ssNone);
    SetBounds(0, 0, 185, 89);
    QObject::connect(TextEdit(), &QPlainTextEdit::textChanged, SignalContext(), [this] {
        if (codeChange_) return;
        FireUser([this] {
            if (OnChange) OnChange(this);
        });
    });
}

Memo::~Memo() = default;

QPlainTextEdit* Memo::TextEdit() const { return static_cast<QPlainTextEdit*>(Widget()); }

std::string Memo::Text() const {
    // The raw text keeps non-breaking spaces; paragraph marks become line feeds.
    QString text = TextEdit()->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return FromQString(text);
}

void Memo::SetText(const std::string& text) {
    if (text == Text()) return;
    {
        CodeChange change(codeChange_);
        TextEdit()->setPlainText(ToQString(text));
    }
    if (OnChange) OnChange(this);
}

bool Memo::ReadOnly() const { return TextEdit()->isReadOnly(); }

void Memo::SetReadOnly(bool readOnly) { TextEdit()->setReadOnly(readOnly); }

bool Memo::WordWrap() const { return TextEdit()->lineWrapMode() != QPlainTextEdit::NoWrap; }

void Memo::SetWordWrap(bool wordWrap) {
    TextEdit()->setLineWrapMode(wordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void Memo::SetScrollBars(ScrollStyle scrollBars) {
    scrollBars_ = scrollBars;
    const bool horizontal = scrollBars == ssHorizontal || scrollBars == ssBoth;
    const bool vertical = scrollBars == ssVertical || scrollBars == ssBoth;
    TextEdit()->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    TextEdit()->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

// ---- Button ----

Button::Button(Component* owner) : Button(owner, new QPushButton) {}

Button::Button(Component* owner, QPushButton* widget) : Control(owner, widget) {
    widget->setFocusPolicy(Qt::StrongFocus);
    widget->setAutoDefault(false);
    SetTabStop(true);
    SetBounds(0, 0, 75, 25);
    QObject::connect(widget, &QPushButton::clicked, SignalContext(), [this] { FireUser([this] { Click(); }); });
}

QPushButton* Button::PushButton() const { return static_cast<QPushButton*>(Widget()); }

std::string Button::Caption() const { return FromQString(PushButton()->text()); }

void Button::SetCaption(const std::string& caption) { PushButton()->setText(ToQString(caption)); }

bool Button::Default() const { return PushButton()->isDefault(); }

void Button::SetDefault(bool isDefault) { PushButton()->setDefault(isDefault); }

void Button::Click() {
    if (modalResult_ != mrNone)
        if (Form* form = ParentForm()) form->SetModalResult(modalResult_);
    Control::Click();
}

// ---- CheckBox ----

CheckBox::CheckBox(Component* owner) : Control(owner, new QCheckBox) {
    Box()->setFocusPolicy(Qt::StrongFocus);
    SetTabStop(true);
    SetBounds(0, 0, 97, 17);
    QObject::connect(Box(), &QCheckBox::stateChanged, SignalContext(), [this] {
        if (codeChange_) return;
        FireUser([this] { Click(); });
    });
}

QCheckBox* CheckBox::Box() const { return static_cast<QCheckBox*>(Widget()); }

std::string CheckBox::Caption() const { return FromQString(Box()->text()); }

void CheckBox::SetCaption(const std::string& caption) { Box()->setText(ToQString(caption)); }

bool CheckBox::Checked() const { return Box()->checkState() == Qt::Checked; }

void CheckBox::SetChecked(bool checked) { SetState(checked ? cbChecked : cbUnchecked); }

CheckBoxState CheckBox::State() const {
    switch (Box()->checkState()) {
    case Qt::Checked: return cbChecked;
    case Qt::PartiallyChecked: return cbGrayed;
    default: return cbUnchecked;
    }
}

void CheckBox::SetState(CheckBoxState state) {
    if (state == State()) return;
    {
        CodeChange change(codeChange_);
        Box()->setCheckState(state == cbChecked ? Qt::Checked : state == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    }
    Click();
}

bool CheckBox::AllowGrayed() const { return Box()->isTristate(); }

void CheckBox::SetAllowGrayed(bool allowGrayed) { Box()->setTristate(allowGrayed); }

// ---- RadioButton ----

namespace {
// An exclusive radio button refuses to be unchecked directly; lift the rule for that one change.
void UncheckRadio(QRadioButton* radio) {
    const bool exclusive = radio->autoExclusive();
    radio->setAutoExclusive(false);
    radio->setChecked(false);
    radio->setAutoExclusive(exclusive);
}
}  // namespace

RadioButton::RadioButton(Component* owner) : Control(owner, new QRadioButton) {
    Radio()->setFocusPolicy(Qt::StrongFocus);
    SetTabStop(true);
    SetBounds(0, 0, 113, 17);
    QObject::connect(Radio(), &QRadioButton::toggled, SignalContext(), [this](bool on) {
        if (codeChange_ || !on) return;
        FireUser([this] { Click(); });
    });
}

QRadioButton* RadioButton::Radio() const { return static_cast<QRadioButton*>(Widget()); }

std::string RadioButton::Caption() const { return FromQString(Radio()->text()); }

void RadioButton::SetCaption(const std::string& caption) { Radio()->setText(ToQString(caption)); }

bool RadioButton::Checked() const { return Radio()->isChecked(); }

void RadioButton::SetChecked(bool checked) {
    if (checked == Checked()) return;
    {
        CodeChange change(codeChange_);
        if (checked)
            Radio()->setChecked(true);
        else
            UncheckRadio(Radio());
    }
    if (checked) Click();
}

// ---- ComboBox ----

class ComboItems : public Strings {
public:
    explicit ComboItems(ComboBox& owner) : owner_(owner) {}
    int Count() const override { return owner_.Combo()->count(); }
    std::string Get(int index) const override {
        if (index < 0 || index >= Count()) throw std::out_of_range("List index out of bounds");
        return FromQString(owner_.Combo()->itemText(index));
    }
    void Insert(int index, const std::string& text) override {
        Quiet quiet(owner_);
        QComboBox* combo = owner_.Combo();
        const int selected = combo->currentIndex();
        const QString typed = combo->currentText();
        combo->insertItem(std::clamp(index, 0, Count()), ToQString(text));
        // Adding items never selects one.
        if (selected < 0) {
            combo->setCurrentIndex(-1);
            if (combo->isEditable()) combo->setEditText(typed);
        }
    }
    void Delete(int index) override {
        if (index < 0 || index >= Count()) return;
        Quiet quiet(owner_);
        QComboBox* combo = owner_.Combo();
        const bool wasSelected = combo->currentIndex() == index;
        combo->removeItem(index);
        if (wasSelected) combo->setCurrentIndex(-1);
    }
    void Clear() override {
        Quiet quiet(owner_);
        owner_.Combo()->clear();
    }

private:
    struct Quiet {
        explicit Quiet(ComboBox& c) : combo(c) { ++combo.codeChange_; }
        ~Quiet() { --combo.codeChange_; }
        ComboBox& combo;
    };
    ComboBox& owner_;
};

ComboBox::ComboBox(Component* owner) : Control(owner, new QComboBox), items_(std::make_unique<ComboItems>(*this)) {
    Combo()->setFocusPolicy(Qt::StrongFocus);
    Combo()->setInsertPolicy(QComboBox::NoInsert);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 145, 21);
    // A selection by the user is a click, then a change.
    QObject::connect(Combo(), &QComboBox::currentIndexChanged, SignalContext(), [this] {
        if (codeChange_ > 0) return;
        auto life = LifeToken();
        FireUser([this] { Click(); });
        if (life.expired()) return;
        FireUser([this] {
            if (OnChange) OnChange(this);
        });
    });
    SetStyle(csDropDown);
}

ComboBox::~ComboBox() = default;

QComboBox* ComboBox::Combo() const { return static_cast<QComboBox*>(Widget()); }

void ComboBox::SetStyle(ComboStyle style) {
    style_ = style;
    const bool wasEditable = Combo()->isEditable();
    ++codeChange_;
    const int selected = Combo()->currentIndex();
    Combo()->setEditable(style == csDropDown);
    Combo()->setCurrentIndex(selected);
    --codeChange_;
    if (style == csDropDown && !wasEditable && Combo()->lineEdit()) {
        QObject::connect(Combo()->lineEdit(), &QLineEdit::textEdited, SignalContext(), [this] {
            FireUser([this] {
                if (OnChange) OnChange(this);
            });
        });
    }
}

int ComboBox::ItemIndex() const { return Combo()->currentIndex(); }

void ComboBox::SetItemIndex(int index) {
    if (index < -1 || index >= Combo()->count()) index = -1;
    ++codeChange_;
    Combo()->setCurrentIndex(index);
    --codeChange_;
}

std::string ComboBox::Text() const {
    if (style_ == csDropDownList) {
        const int index = Combo()->currentIndex();
        return index < 0 ? std::string() : FromQString(Combo()->itemText(index));
    }
    return FromQString(Combo()->currentText());
}

void ComboBox::SetText(const std::string& text) {
    if (style_ == csDropDownList) {
        SetItemIndex(items_->IndexOf(text));
        return;
    }
    ++codeChange_;
    Combo()->setEditText(ToQString(text));
    --codeChange_;
}

// ---- GroupBox ----

GroupBox::GroupBox(Component* owner) : GroupBox(owner, new QGroupBox) {}

GroupBox::GroupBox(Component* owner, QGroupBox* widget) : Control(owner, widget) { SetBounds(0, 0, 185, 105); }

QGroupBox* GroupBox::Box() const { return static_cast<QGroupBox*>(Widget()); }

std::string GroupBox::Caption() const { return FromQString(Box()->title()); }

void GroupBox::SetCaption(const std::string& caption) { Box()->setTitle(ToQString(caption)); }

Rect GroupBox::AlignRect() const {
    // Below the caption line, inside the two-pixel border.
    const int textHeight = QFontMetrics(Widget()->font()).height();
    return {2, textHeight + 2, ClientWidth() - 2, ClientHeight() - 2};
}

// ---- RadioGroup ----

class RadioItems : public Strings {
public:
    explicit RadioItems(RadioGroup& owner) : owner_(owner) {}
    int Count() const override { return static_cast<int>(owner_.texts_.size()); }
    std::string Get(int index) const override { return owner_.texts_.at(static_cast<size_t>(index)); }
    void Insert(int index, const std::string& text) override {
        auto& texts = owner_.texts_;
        texts.insert(texts.begin() + std::clamp(index, 0, Count()), text);
        owner_.RebuildButtons();
    }
    void Delete(int index) override {
        if (index < 0 || index >= Count()) return;
        owner_.texts_.erase(owner_.texts_.begin() + index);
        owner_.RebuildButtons();
    }
    void Clear() override {
        owner_.texts_.clear();
        owner_.RebuildButtons();
    }

private:
    RadioGroup& owner_;
};

RadioGroup::RadioGroup(Component* owner) : GroupBox(owner, new QGroupBox), items_(std::make_unique<RadioItems>(*this)) {}

RadioGroup::~RadioGroup() = default;

void RadioGroup::RebuildButtons() {
    CodeChange change(codeChange_);
    for (QRadioButton* button : buttons_) delete button;
    buttons_.clear();
    for (size_t i = 0; i < texts_.size(); ++i) {
        auto* button = new QRadioButton(ToQString(texts_[i]), Box());
        button->setFocusPolicy(Qt::StrongFocus);
        const int index = static_cast<int>(i);
        QObject::connect(button, &QRadioButton::toggled, SignalContext(), [this, index](bool on) {
            if (on && !codeChange_) UserPicked(index);
        });
        buttons_.push_back(button);
        button->show();
    }
    // The selection survives a change of items while it still points at one.
    if (itemIndex_ >= static_cast<int>(texts_.size())) itemIndex_ = static_cast<int>(texts_.size()) - 1;
    ShowItemIndex();
    ArrangeButtons();
}

void RadioGroup::ShowItemIndex() {
    CodeChange change(codeChange_);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        if (static_cast<int>(i) == itemIndex_)
            buttons_[i]->setChecked(true);
        else if (buttons_[i]->isChecked())
            UncheckRadio(buttons_[i]);
    }
}

void RadioGroup::ArrangeButtons() {
    const int count = static_cast<int>(buttons_.size());
    if (count == 0) return;
    const int textHeight = QFontMetrics(Widget()->font()).height();
    const int perColumn = (count + columns_ - 1) / columns_;
    const int buttonWidth = (Width() - 10) / columns_;
    const int space = Height() - textHeight - 5;
    const int buttonHeight = space / perColumn;
    const int topMargin = textHeight + 1 + (space % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<size_t>(i)]->setGeometry((i / perColumn) * buttonWidth + 8,
                                                      (i % perColumn) * buttonHeight + topMargin,
                                                      std::max(0, buttonWidth), std::max(0, buttonHeight));
    }
}

void RadioGroup::BoundsChanged() { ArrangeButtons(); }

void RadioGroup::UserPicked(int index) {
    FireUser([this, index] {
        itemIndex_ = index;
        Click();
    });
}

void RadioGroup::SetItemIndex(int index) {
    const int count = static_cast<int>(texts_.size());
    index = std::clamp(index, -1, count - 1);
    if (index == itemIndex_) return;
    itemIndex_ = index;
    ShowItemIndex();
    Click();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = std::clamp(columns, 1, 16);
    ArrangeButtons();
}

}  // namespace ui
