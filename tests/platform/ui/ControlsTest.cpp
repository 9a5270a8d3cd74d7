// Control details the dialogs rely on: group areas, radio layout, glyphs, colours, focus events.
#include "Exception.h"
#include "ExtCtrls.h"
#include "Form.h"
#include "StdCtrls.h"
#include "Text.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include "Menus.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ControlsTest : public testing::Test {
protected:
    template <class T>
    T* Make(ui::Control* parent = nullptr) {
        auto* control = new T(form.get());
        control->SetParent(parent ? parent : form.get());
        return control;
    }
    std::unique_ptr<ui::Form> form = std::make_unique<ui::Form>(nullptr);
};

TEST_F(ControlsTest, GroupBoxAlignsChildrenBelowItsCaption) {
    auto* group = Make<ui::GroupBox>();
    group->SetCaption("Ports");
    group->SetBounds(0, 0, 200, 100);
    auto* inner = Make<ui::Panel>(group);
    inner->SetAlign(ui::alClient);
    const int textHeight = QFontMetrics(group->Widget()->font()).height();
    EXPECT_EQ(inner->BoundsRect(), (ui::Rect{2, textHeight + 2, 198, 98}));
    EXPECT_EQ(inner->Widget()->parentWidget(), group->Widget());
}

TEST_F(ControlsTest, RadioGroupLaysOutItemsInColumns) {
    auto* group = Make<ui::RadioGroup>();
    group->SetBounds(0, 0, 210, 105);
    group->SetColumns(2);
    for (const char* text : {"a", "b", "c"}) group->Items().Add(text);
    const auto buttons = group->Widget()->findChildren<QRadioButton*>();
    ASSERT_EQ(buttons.size(), 3);
    const int textHeight = QFontMetrics(group->Widget()->font()).height();
    const int space = 105 - textHeight - 5;  // two rows
    const int top = textHeight + 1 + (space % 2) / 2;
    EXPECT_EQ(buttons[0]->geometry(), QRect(8, top, 100, space / 2));
    EXPECT_EQ(buttons[1]->geometry(), QRect(8, top + space / 2, 100, space / 2));
    EXPECT_EQ(buttons[2]->geometry(), QRect(108, top, 100, space / 2));
    EXPECT_EQ(buttons[2]->text(), "c");

    group->SetItemIndex(2);
    group->Items().Delete(0);  // the index stays while it still points at an item
    EXPECT_EQ(group->ItemIndex(), 1);
    group->Items().Delete(1);
    EXPECT_EQ(group->ItemIndex(), 0);
}

TEST_F(ControlsTest, BitmapLoadFailureIsDetectable) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string missing = ui::FromQString(dir.filePath("Get.bmp"));
    ui::Bitmap bitmap;
    EXPECT_THROW(bitmap.LoadFromFile(missing), Exception);
    EXPECT_TRUE(bitmap.Empty());

    QFile broken(dir.filePath("Set.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not a picture");
    broken.close();
    EXPECT_THROW(bitmap.LoadFromFile(ui::FromQString(broken.fileName())), Exception);
    EXPECT_TRUE(bitmap.Empty());
}

TEST_F(ControlsTest, BitButtonShowsFirstGlyphOfLoadedBitmap) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage strip(32, 16, QImage::Format_RGB32);  // two glyphs side by side
    strip.fill(Qt::red);
    const QString path = dir.filePath("Close.bmp");
    ASSERT_TRUE(strip.save(path, "BMP"));

    ui::Bitmap glyph;
    glyph.LoadFromFile(ui::FromQString(path));
    EXPECT_EQ(glyph.Width(), 32);
    auto* button = Make<ui::BitBtn>();
    button->SetCaption("Close");
    button->SetGlyph(glyph);
    button->SetCaption("");
    auto* push = static_cast<QPushButton*>(button->Widget());
    EXPECT_FALSE(push->icon().isNull());
    EXPECT_EQ(push->iconSize(), QSize(16, 16));
    EXPECT_TRUE(push->text().isEmpty());

    button->SetGlyph(ui::Bitmap());
    EXPECT_TRUE(push->icon().isNull());
}

TEST_F(ControlsTest, ColourPaintsTextAreaOfEditsAndBackgroundOfPanels) {
    auto* edit = Make<ui::Edit>();
    EXPECT_EQ(edit->Color(), ui::clWindow);
    edit->SetColor(ui::clMenu);
    EXPECT_EQ(edit->Color(), ui::clMenu);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base), ui::ToQColor(ui::clMenu));
    edit->SetColor(ui::clWindow);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Base), QApplication::palette().color(QPalette::Base));

    ui::Font font = edit->Font();
    font.Color = ui::clRed;
    edit->SetFont(font);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Text), QColor(255, 0, 0));
    font.Color = ui::clWindowText;
    edit->SetFont(font);
    EXPECT_EQ(edit->Font().Color, ui::clWindowText);
    EXPECT_EQ(edit->Widget()->palette().color(QPalette::Text), QApplication::palette().color(QPalette::Text));

    auto* panel = Make<ui::Panel>();
    panel->SetColor(ui::clRed);
    EXPECT_EQ(panel->Widget()->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(ui::ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));  // 0x00BBGGRR
}

TEST_F(ControlsTest, EnterAndExitFollowFocus) {
    auto* first = Make<ui::Edit>();
    auto* second = Make<ui::Edit>();
    second->SetTop(30);
    std::vector<std::string> log;
    first->OnEnter = [&](ui::Component*) { log.push_back("enter first"); };
    first->OnExit = [&](ui::Component*) { log.push_back("exit first"); };
    second->OnEnter = [&](ui::Component*) { log.push_back("enter second"); };
    form->Show();
    QApplication::setActiveWindow(form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));

    first->SetFocus();
    second->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"enter first", "exit first", "enter second"}));
    EXPECT_TRUE(second->Focused());

    second->SetVisible(false);
    log.clear();
    second->SetFocus();  // a hidden control cannot take the focus: nothing happens
    EXPECT_TRUE(log.empty());
    form->Hide();
}

TEST_F(ControlsTest, ExitHandlerCanKeepTheFocus) {
    auto* checked = Make<ui::Edit>();
    auto* other = Make<ui::Edit>();
    other->SetTop(30);
    std::vector<std::string> log;
    checked->OnEnter = [&](ui::Component*) { log.push_back("enter checked"); };
    checked->OnExit = [&](ui::Component*) {
        log.push_back("exit checked");
        checked->SetFocus();  // what an input check does after refusing the text
    };
    other->OnEnter = [&](ui::Component*) { log.push_back("enter other"); };
    other->OnExit = [&](ui::Component*) { log.push_back("exit other"); };
    form->Show();
    QApplication::setActiveWindow(form->Widget());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Widget()));
    checked->SetFocus();
    log.clear();

    other->SetFocus();
    EXPECT_EQ(log, (std::vector<std::string>{"exit checked"}));
    EXPECT_TRUE(checked->Focused());
    form->Hide();
}

TEST_F(ControlsTest, EditableComboReportsTypingButNotCode) {
    auto* combo = Make<ui::ComboBox>();
    int changes = 0;
    combo->OnChange = [&](ui::Component*) { ++changes; };
    combo->SetText("by code");
    EXPECT_EQ(combo->Text(), "by code");
    EXPECT_EQ(changes, 0);
    combo->SetText("");
    QTest::keyClicks(combo->Widget()->focusProxy() ? combo->Widget()->focusProxy() : combo->Widget(), "ab");
    EXPECT_EQ(combo->Text(), "ab");
    EXPECT_EQ(changes, 2);
}

TEST_F(ControlsTest, CheckBoxGrayedState) {
    auto* box = Make<ui::CheckBox>();
    int clicks = 0;
    box->OnClick = [&](ui::Component*) { ++clicks; };
    box->SetAllowGrayed(true);
    box->SetState(ui::cbGrayed);
    EXPECT_EQ(box->State(), ui::cbGrayed);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(false);
    EXPECT_EQ(box->State(), ui::cbUnchecked);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ControlsTest, PanelCaptionAndBevels) {
    auto* panel = Make<ui::Panel>();
    panel->SetCaption("Unit1");
    EXPECT_EQ(panel->Caption(), "Unit1");
    panel->SetBevelInner(ui::bvLowered);
    panel->SetBorderWidth(2);
    EXPECT_EQ(panel->AlignRect(), (ui::Rect{4, 4, panel->Width() - 4, panel->Height() - 4}));
    panel->SetBevelOuter(ui::bvNone);
    panel->SetBevelInner(ui::bvNone);
    panel->SetBorderWidth(0);
    EXPECT_EQ(panel->AlignRect(), panel->ClientRect());
}

}  // namespace

namespace {

TEST(FontTest, PixelHeightOfFormResourcesRoundTrips) {
    auto form = std::make_unique<ui::Form>(nullptr);
    ui::Font font;
    font.Name = "MS Sans Serif";
    font.Height = -11;
    form->SetFont(font);
    EXPECT_EQ(form->Font().Height, -11);
    EXPECT_EQ(form->Widget()->font().pixelSize(), 11);
    auto* label = new ui::Label(form.get());
    label->SetParent(form.get());
    EXPECT_EQ(label->Widget()->font().pixelSize(), 11);  // children take their form's font
}

}  // namespace

namespace {

TEST(PopupTest, RightClickShowsTheControlsPopupMenu) {
    auto form = std::make_unique<ui::Form>(nullptr);
    auto* menu = new ui::PopupMenu(form.get());
    auto* port = new ui::SpeedButton(form.get());
    port->SetParent(form.get());
    port->SetPopupMenu(menu);
    form->Show();

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3), port->Widget()->mapToGlobal(QPoint(3, 3)));
    QApplication::sendEvent(port->Widget(), &event);
    EXPECT_EQ(menu->PopupComponent(), port);
    menu->MenuWidget()->hide();

    delete menu;  // a freed menu is no longer shown
    EXPECT_EQ(port->PopupMenu(), nullptr);
    QApplication::sendEvent(port->Widget(), &event);
    form->Hide();
}

// A label made the buddy of an edit takes the edit's state at once and then follows each change of it.
TEST_F(ControlsTest, BuddyFollowsItsControlsVisibleAndEnabled) {
    auto* edit = Make<ui::Edit>();
    auto* label = Make<ui::Label>();
    edit->Hide();
    edit->SetEnabled(false);
    edit->SetBuddy(label);
    EXPECT_EQ(edit->Buddy(), label);
    EXPECT_FALSE(label->Visible());
    EXPECT_FALSE(label->Enabled());
    const struct {
        bool Visible, Enabled;
    } steps[] = {{true, false}, {true, true}, {false, true}, {true, true}};
    for (const auto& step : steps) {
        edit->SetVisible(step.Visible);
        edit->SetEnabled(step.Enabled);
        EXPECT_EQ(label->Visible(), step.Visible);
        EXPECT_EQ(label->Enabled(), step.Enabled);
        EXPECT_EQ(label->Widget()->isEnabled(), step.Enabled);
    }
}

TEST_F(ControlsTest, BuddyFreedFirstIsDroppedAndMutualBuddiesSettle) {
    auto* edit = Make<ui::Edit>();
    auto* label = Make<ui::Label>();
    edit->SetBuddy(label);
    label->SetBuddy(edit);  // each follows the other: a change stops where nothing changes
    edit->Hide();
    EXPECT_FALSE(label->Visible());
    label->Show();
    EXPECT_TRUE(edit->Visible());
    delete label;
    EXPECT_EQ(edit->Buddy(), nullptr);
    edit->Hide();
    edit->SetEnabled(false);
    EXPECT_FALSE(edit->Visible());
}

}  // namespace
