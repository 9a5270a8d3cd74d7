// The optional number check of an edit: empty or a decimal number within the range passes; anything else shows the
// message once and refuses.
#include "EditorInput.h"

#include "Application.h"
#include "Form.h"
#include "StdCtrls.h"
#include "TestHooks.h"

#include <gmock/gmock.h>

namespace {

TEST(EditorInputTest, AnOptionalNumberIsEmptyOrWithinItsRange) {
    struct Case {
        const char* Text;
        bool Passes;
    };
    ui::Form form(&ui::Application::Instance());
    auto* edit = new ui::Edit(&form);
    edit->SetParent(&form);
    ui::MessageBoxRecorder boxes;
    for (const Case c : {Case{"", true}, Case{"1", true}, Case{"65535", true}, Case{"0", false}, Case{"65536", false},
                         Case{"-1", false}, Case{"12a", false}, Case{" 5", false}, Case{"99999999999", false}}) {
        SCOPED_TRACE(c.Text);
        boxes.Clear();
        edit->SetText(c.Text);
        EXPECT_EQ(CheckOptionalNumberEdit(&form, edit, 1, 65535, "Metric should between 1-65535"), c.Passes);
        if (c.Passes) {
            EXPECT_TRUE(boxes.Calls().empty());
        } else {
            ASSERT_EQ(boxes.Calls().size(), 1u);
            EXPECT_EQ(boxes.Calls()[0].Text, "Metric should between 1-65535");
        }
    }
}

TEST(EditorInputTest, InputRefusedShowsTheMessageAndReturnsFalse) {
    ui::Form form(&ui::Application::Instance());
    ui::MessageBoxRecorder boxes;
    EXPECT_FALSE(InputRefused(&form, "Please Set Next Hop Address"));
    ASSERT_EQ(boxes.Calls().size(), 1u);
    EXPECT_EQ(boxes.Calls()[0].Text, "Please Set Next Hop Address");
}

}  // namespace
