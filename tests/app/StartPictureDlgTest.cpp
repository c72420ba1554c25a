#include <gtest/gtest.h>

#include "tests/TempFolder.h"
#include "app/StartPictureDlg.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Input.h"
#include "platform/Path.h"
#include "ui/SkinFiles.h"

namespace {

// A program folder of the test's own, holding a start picture larger than
// the window and a headless screen with a clock to move.
class StartPicture : public ::testing::Test {
protected:
    void SetUp() override {
        previous_ = SetWindowSystem(&system);
        std::filesystem::create_directories(folder / "Bitmaps");
        Bitmap picture(kStartPictureWidth + 20, kStartPictureHeight + 20, Rgb(10, 20, 30));
        picture.SetPixel(kStartPictureWidth - 1, kStartPictureHeight - 1, Rgb(200, 100, 50));
        ASSERT_TRUE(picture.SaveBmp24(folder / "Bitmaps" / "Startbild.bmp"));
        SetProgramFolder(folder.Path());
    }
    void TearDown() override {
        SetProgramFolder(GetModulePath().parent_path());
        SetWindowSystem(previous_);
    }

    TempFolder folder;
    HeadlessWindowSystem system;

private:
    WindowSystem* previous_ = nullptr;
};

}  // namespace

TEST_F(StartPicture, ShowsTheFilesTopLeftCentredAndGoesWithTheSixthTick) {
    CStartPictureDlg dlg;
    dlg.Show();
    ASSERT_TRUE(dlg.IsVisible());
    EXPECT_EQ(dlg.WindowRect(), (Rect{228, 229, 228 + kStartPictureWidth, 229 + kStartPictureHeight}));
    EXPECT_FALSE(dlg.IsInvalid());  // painted at once
    EXPECT_EQ(dlg.Surface().GetPixel(0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(dlg.Surface().GetPixel(kStartPictureWidth - 1, kStartPictureHeight - 1), Rgb(200, 100, 50));

    system.AdvanceTime(5 * CStartPictureDlg::kTickMs);
    EXPECT_TRUE(dlg.IsVisible());
    system.AdvanceTime(CStartPictureDlg::kTickMs);
    EXPECT_FALSE(dlg.IsVisible());
    EXPECT_EQ(dlg.Ticks(), 6);
    system.AdvanceTime(5 * CStartPictureDlg::kTickMs);
    EXPECT_EQ(dlg.Ticks(), 6);  // the timer went with the window
}

TEST_F(StartPicture, AClickClosesItBeforeTheTimeIsUp) {
    CStartPictureDlg dlg;
    dlg.Show();
    system.AdvanceTime(CStartPictureDlg::kTickMs);
    system.Deliver(InputEvent::Down(dlg.WindowRect().Center()));
    EXPECT_FALSE(dlg.IsVisible());
}

TEST_F(StartPicture, WithoutItsFileTheWindowStaysBlack) {
    std::filesystem::remove(folder / "Bitmaps" / "Startbild.bmp");
    CStartPictureDlg dlg;
    dlg.Show();
    EXPECT_TRUE(dlg.IsVisible());
    EXPECT_EQ(dlg.Surface().GetPixel(100, 100), kBlack);
}
