// A font character set decides how a control turns text bytes into characters and back; bytes the set cannot
// read survive a read and write-back unchanged, and characters it cannot write are refused.
#include "Form.h"
#include "ListView.h"
#include "StdCtrls.h"
#include "Text.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const std::string Nihon = "\x93\xfa\x96\x7b";          // 日本 in Shift-JIS
const QString NihonText = QString::fromUtf8("日本");
const QString Hangul = QString::fromUtf8("한");          // no Shift-JIS form

// Types text as the keyboard would, one key event per character (QTest takes only ASCII keys).
void Type(ui::Control& control, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control.Widget(), &press);
    }
}

struct Conversion {
    const char* Name;
    std::string Bytes;
    bool ByteView;  // shown one character per byte
    QString Shown;
};

class FontCharsetTest : public testing::Test {
protected:
    void SetUp() override {
        if (!ui::CharsetAvailable(ui::ShiftJisCharset)) GTEST_SKIP() << "no Shift_JIS converter in this Qt";
    }
    template <class T>
    T* Make() {
        auto* control = new T(form.get());
        control->SetParent(form.get());
        return control;
    }
    static void UseShiftJis(ui::Control& control) {
        ui::Font font = control.Font();
        font.Charset = ui::ShiftJisCharset;
        control.SetFont(font);
    }
    static QLineEdit* Line(ui::Edit& edit) { return static_cast<QLineEdit*>(edit.Widget()); }

    std::unique_ptr<ui::Form> form = std::make_unique<ui::Form>(nullptr);
};

TEST_F(FontCharsetTest, ValuesConvertOrFallBackToTheByteViewAndComeBackUnchanged) {
    const Conversion cases[] = {
        {"Shift-JIS text", Nihon, false, NihonText},
        {"half-width katakana", "\xb1", false, QString::fromUtf8("ｱ")},
        {"ASCII", "Login page", false, "Login page"},
        {"empty", "", false, ""},
        {"lead byte without trail", "ab\x93", true, QString::fromLatin1("ab\x93")},
        {"invalid trail byte", "\x81\x20", true, QString::fromLatin1("\x81\x20")},
        {"bytes no character has", "\xff\xfe", true, QString::fromLatin1("\xff\xfe")},
        {"a duplicate code that writes back otherwise", "\xed\x40", true, QString::fromLatin1("\xed\x40")},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.Name);
        bool byteView = !c.ByteView;
        const QString shown = ui::ToQString(c.Bytes, ui::ShiftJisCharset, &byteView);
        EXPECT_EQ(byteView, c.ByteView);
        EXPECT_EQ(shown, c.Shown);
        EXPECT_EQ(ui::FromQString(shown, byteView ? ui::DefaultCharset : ui::ShiftJisCharset), c.Bytes);
    }
}

TEST_F(FontCharsetTest, CharactersWithoutAByteFormGiveNoBytes) {
    EXPECT_EQ(ui::FromQString(NihonText, ui::ShiftJisCharset), Nihon);
    EXPECT_FALSE(ui::FromQString(Hangul, ui::ShiftJisCharset).has_value());
    EXPECT_FALSE(ui::FromQString(QString::fromUtf8("a€"), ui::DefaultCharset).has_value());
    EXPECT_FALSE(ui::FromQString(NihonText, ui::DefaultCharset).has_value());
}

TEST_F(FontCharsetTest, AnEditShowsTheCharactersAndGivesBackTheBytes) {
    auto* edit = Make<ui::Edit>();
    UseShiftJis(*edit);
    EXPECT_EQ(edit->Font().Charset, ui::ShiftJisCharset);
    for (const std::string& bytes : {Nihon, std::string("\x81\x20xyz"), std::string("plain")}) {
        edit->SetText(bytes);
        EXPECT_EQ(edit->Text(), bytes);
    }
    edit->SetText(Nihon);
    EXPECT_EQ(Line(*edit)->text(), NihonText);
}

TEST_F(FontCharsetTest, ChangingTheCharsetShowsTheSameBytesAgainWithoutAChange) {
    auto* edit = Make<ui::Edit>();
    edit->SetText(Nihon);
    EXPECT_EQ(Line(*edit)->text(), QString::fromLatin1(Nihon.c_str()));
    int changes = 0;
    edit->OnChange = [&](ui::Component*) { ++changes; };
    UseShiftJis(*edit);
    EXPECT_EQ(Line(*edit)->text(), NihonText);
    EXPECT_EQ(edit->Text(), Nihon);
    EXPECT_EQ(changes, 0);
}

TEST_F(FontCharsetTest, TypingRefusesCharactersTheValueCannotWrite) {
    form->Show();
    auto* edit = Make<ui::Edit>();
    UseShiftJis(*edit);
    edit->SetText("");
    Type(*edit, NihonText);
    Type(*edit, Hangul);
    EXPECT_EQ(Line(*edit)->text(), NihonText);
    EXPECT_EQ(edit->Text(), Nihon);

    // A value in the byte view takes only characters that are bytes, so it is written back as bytes.
    edit->SetText("\xff");
    Type(*edit, NihonText + "a");
    EXPECT_EQ(edit->Text(), "\xff" "a");

    // The default set takes one byte per character: a character beyond it is refused, never written as "?".
    auto* plain = Make<ui::Edit>();
    Type(*plain, QString::fromUtf8("\xc3\xa9") + NihonText + "a");
    EXPECT_EQ(plain->Text(), "\xe9" "a");
}

TEST_F(FontCharsetTest, TheLengthLimitCountsBytes) {
    form->Show();
    auto* edit = Make<ui::Edit>();
    UseShiftJis(*edit);
    edit->SetMaxLength(5);
    Type(*edit, QString::fromUtf8("日本語"));
    EXPECT_EQ(edit->Text(), Nihon);
    Type(*edit, QStringLiteral("ab"));
    EXPECT_EQ(edit->Text(), Nihon + "a");
}

TEST_F(FontCharsetTest, AListViewShowsItsRowsInTheCharset) {
    auto* list = Make<ui::ListView>();
    list->Columns().Add()->SetCaption("Page Title");
    list->Items().Add()->SetCaption(Nihon);
    list->Items().Add()->SetCaption("\x81\x20");
    list->FlushRows();
    auto* view = static_cast<QTableView*>(list->Widget());
    auto shown = [&](int row) { return view->model()->index(row, 0).data().toString(); };
    EXPECT_EQ(shown(0), QString::fromLatin1(Nihon.c_str()));
    UseShiftJis(*list);
    EXPECT_EQ(shown(0), NihonText);
    EXPECT_EQ(shown(1), QString::fromLatin1("\x81\x20"));
    EXPECT_EQ(list->Items()[0]->Caption(), Nihon);
    // The row's hint reads in the same characters.
    list->SetShowHint(true);
    list->SetHint(Nihon);
    EXPECT_TRUE(view->model()->index(0, 0).data(Qt::ToolTipRole).toString().contains(NihonText));
}

}  // namespace
