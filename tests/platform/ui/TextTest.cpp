// Text crosses the widget boundary as bytes and shows as plain text.
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"
#include "Text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string AllBytesExceptLineBreaks() {
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        if (b != '\n' && b != '\r') bytes.push_back(static_cast<char>(b));
    return bytes;
}

class TextTest : public testing::Test {
protected:
    template <class T>
    T* Make() {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        return control;
    }
    std::unique_ptr<ui::Form> form = std::make_unique<ui::Form>(nullptr);
};

TEST_F(TextTest, BytesSurviveEveryTextProperty) {
    const std::string bytes = AllBytesExceptLineBreaks();
    auto* edit = Make<ui::Edit>();
    edit->SetText(bytes);
    EXPECT_EQ(edit->Text(), bytes);

    auto* combo = Make<ui::ComboBox>();
    combo->SetStyle(ui::csDropDownList);
    combo->Items().Add(bytes);
    combo->SetItemIndex(0);
    EXPECT_EQ(combo->Text(), bytes);
    EXPECT_EQ(combo->Items()[0], bytes);

    auto* label = Make<ui::Label>();
    label->SetCaption(bytes);
    EXPECT_EQ(label->Caption(), bytes);

    auto* memo = Make<ui::Memo>();
    memo->SetText(bytes + "\n" + bytes);
    EXPECT_EQ(memo->Lines()[1], bytes);

    form->SetCaption(bytes);
    EXPECT_EQ(form->Caption(), bytes);
    label->SetHint(bytes);
    EXPECT_EQ(label->Hint(), bytes);
}

TEST_F(TextTest, DeviceMarkupShowsLiterally) {
    const std::string markup = "<b>x</b> & <i>y</i>";
    auto* label = Make<ui::Label>();
    label->SetCaption(markup);
    auto* qlabel = static_cast<QLabel*>(label->Widget());
    EXPECT_EQ(qlabel->textFormat(), Qt::PlainText);
    EXPECT_EQ(qlabel->text(), QString::fromLatin1(markup.c_str()));

    auto* text = Make<ui::StaticText>();
    text->SetCaption(markup);
    EXPECT_EQ(static_cast<QLabel*>(text->Widget())->textFormat(), Qt::PlainText);

    // A hint becomes a tool tip that shows the markup as text.
    label->SetHint(markup);
    label->SetShowHint(true);
    const QString tip = label->Widget()->toolTip();
    EXPECT_TRUE(tip.contains("&lt;b&gt;x&lt;/b&gt;")) << tip.toStdString();
    label->SetShowHint(false);
    EXPECT_TRUE(label->Widget()->toolTip().isEmpty());
}

TEST_F(TextTest, LabelSizesItselfToItsText) {
    auto* label = Make<ui::Label>();
    label->SetCaption("Samples");
    const int shortWidth = label->Width();
    label->SetCaption("Samples and more");
    EXPECT_GT(label->Width(), shortWidth);
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 10, 10);
    label->SetCaption("a much longer caption that does not fit");
    EXPECT_EQ(label->Width(), 10);
}

TEST_F(TextTest, StaticTextBorderAddsToAutoSize) {
    auto* plain = Make<ui::StaticText>();
    plain->SetCaption("0");
    auto* sunken = Make<ui::StaticText>();
    sunken->SetBorderStyle(ui::sbsSunken);
    sunken->SetCaption("0");
    EXPECT_GT(sunken->Width(), plain->Width());
    EXPECT_GT(sunken->Height(), plain->Height());
}

}  // namespace
