// The button column and the message panel: layout, sizes and the optional button pictures.
#include "ComCtrls.h"
#include "GUIPanels.h"
#include "SnmpdAgent.h"
#include "StdCtrls.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

const char* const PictureNames[] = {"Get.bmp",    "Set.bmp",        "SetCheck.bmp", "Add.bmp",  "Delete.bmp",
                                    "SelectAll.bmp", "SelectNone.bmp", "Close.bmp",    "Stop.bmp"};

// Runs in a scratch working directory, where the button pictures are looked up.
class InScratchDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(dir_.Path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }
    void WritePicture(const std::string& name) {
        QImage image(16, 16, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(QString::fromStdString(dir_.File(name)), "BMP"));
    }
    void WriteBroken(const std::string& name) { std::ofstream(dir_.File(name)) << "not a picture"; }

    testsupport::TempDir dir_;
    std::filesystem::path previous_;
};

std::vector<ui::BitBtn*> ButtonsInPictureOrder(TCtrlBtnPanel& p) {
    return {p.RefreshButton, p.EditButton,        p.SetCheckedButton, p.AddButton,  p.DeleteButton,
            p.CheckAllButton, p.ClearChecksButton, p.CloseButton,      p.StopButton};
}

TEST_F(InScratchDirectory, ButtonColumnIs116WideWithAddDeleteStopHidden) {
    ui::Panel host(nullptr);
    auto* column = new TCtrlBtnPanel(&host);
    EXPECT_EQ(column->Width(), 116);
    EXPECT_EQ(column->Parent(), &host);
    EXPECT_EQ(column->Align(), ui::alRight);
    EXPECT_FALSE(column->AddButton->Visible());
    EXPECT_FALSE(column->DeleteButton->Visible());
    EXPECT_FALSE(column->StopButton->Visible());
    EXPECT_EQ(column->RowCounter->Caption(), "0");
    EXPECT_EQ(column->SamplesLabel->Caption(), "Samples");
    EXPECT_EQ(column->RefreshButton->Caption(), "Refresh");
    EXPECT_EQ(column->SetCheckedButton->Caption(), "Set Checked");
    EXPECT_EQ(column->ClearChecksButton->Caption(), "Clear Checks");
    for (ui::Control* control : column->LayoutList) {
        EXPECT_EQ(control->Left(), 10);
        EXPECT_EQ(control->Width(), 96);
    }
    // Aligned right, the column takes its parent's height; on its own it ends 10 below Close.
    column->SetAlign(ui::alNone);
    column->ArrangeButtons();
    EXPECT_EQ(column->Height(), column->CloseButton->Top() + column->CloseButton->Height() + 10);
}

TEST_F(InScratchDirectory, HidingAButtonClosesTheGap) {
    ui::Panel host(nullptr);
    auto* column = new TCtrlBtnPanel(&host);
    const int editTop = column->EditButton->Top();
    const int setTop = column->SetCheckedButton->Top();
    const int closeTop = column->CloseButton->Top();
    column->EditButton->Hide();
    column->ArrangeButtons();
    EXPECT_EQ(column->SetCheckedButton->Top(), editTop);
    EXPECT_EQ(column->CloseButton->Top(), closeTop - (setTop - editTop));
    // A hidden control sits where the next visible one starts.
    EXPECT_EQ(column->EditButton->Top(), editTop);
}

TEST_F(InScratchDirectory, WithoutPicturesEveryButtonKeepsItsCaption) {
    ui::Panel host(nullptr);
    auto* column = new TCtrlBtnPanel(&host);
    for (ui::BitBtn* button : ButtonsInPictureOrder(*column)) {
        EXPECT_FALSE(button->Caption().empty());
        EXPECT_TRUE(button->Glyph().Empty());
    }
}

TEST_F(InScratchDirectory, EveryPicturePresentReplacesEveryCaption) {
    for (const char* name : PictureNames) WritePicture(name);
    ui::Panel host(nullptr);
    auto* column = new TCtrlBtnPanel(&host);
    for (ui::BitBtn* button : ButtonsInPictureOrder(*column)) {
        EXPECT_EQ(button->Caption(), "");
        EXPECT_FALSE(button->Glyph().Empty());
    }
}

TEST_F(InScratchDirectory, ABrokenPictureEndsTheLookUpSilently) {
    WritePicture("Get.bmp");
    WriteBroken("Set.bmp");
    WritePicture("SetCheck.bmp");
    ui::Panel host(nullptr);
    auto* column = new TCtrlBtnPanel(&host);
    EXPECT_EQ(column->RefreshButton->Caption(), "");
    EXPECT_EQ(column->EditButton->Caption(), "Edit");
    EXPECT_EQ(column->SetCheckedButton->Caption(), "Set Checked");
    EXPECT_TRUE(column->SetCheckedButton->Glyph().Empty());
}

TEST(TMsgPanel, IsATwentyPixelStatusBarAtTheBottom) {
    ui::Panel host(nullptr);
    auto* panel = new TMsgPanel(&host);
    EXPECT_EQ(panel->Height(), 20);
    EXPECT_EQ(panel->Parent(), &host);
    EXPECT_EQ(panel->StatusBar->Height(), 20);
    EXPECT_EQ(panel->StatusBar->Align(), ui::alBottom);
}

}  // namespace
