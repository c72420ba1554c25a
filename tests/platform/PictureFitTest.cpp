#include <gtest/gtest.h>

#include "platform/PictureFit.h"

TEST(PictureFit, PlacesThePictureAsLargeAsFitsCentredBetweenBars) {
    struct Case {
        Size picture;
        Size window;
        Rect placed;
    };
    const Case cases[] = {
        {{1280, 800}, {1280, 800}, {0, 0, 1280, 800}},     // its own size: pixel for pixel
        {{640, 400}, {1280, 800}, {0, 0, 1280, 800}},      // the same proportions, larger
        {{1280, 800}, {1024, 768}, {0, 64, 1024, 704}},    // wider than the window: bars above and below
        {{800, 600}, {1920, 1080}, {240, 0, 1680, 1080}},  // narrower: bars at the sides
        {{1000, 700}, {999, 1000}, {0, 150, 999, 849}},    // a height that does not come out even is cut down
        {{1280, 800}, {0, 0}, {}},                         // a window without a size shows nothing
        {{0, 0}, {1280, 800}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitPicture(c.picture, c.window), c.placed)
            << c.picture.width << "x" << c.picture.height << " in " << c.window.width << "x" << c.window.height;
}

TEST(PictureFit, TellsThePicturesPixelUnderAWindowPoint) {
    const Size picture{800, 600};
    const Rect placed = FitPicture(picture, {1920, 1080});  // 1.8 times, 240 pixels of bar at each side
    struct Case {
        Point window;
        Point inPicture;
    };
    const Case cases[] = {
        {{240, 0}, {0, 0}},         // the picture's first pixel
        {{241, 1}, {0, 0}},         // still inside the first, enlarged pixel
        {{1679, 1079}, {799, 599}}, // its last
        {{960, 540}, {400, 300}},   // the middle
        {{239, 0}, {-1, 0}},        // on the left bar: outside, never on the first pixel
        {{1680, 0}, {800, 0}},      // on the right bar
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowToPicture(c.window, picture, placed), c.inPicture) << c.window.x << "," << c.window.y;
    EXPECT_EQ(WindowToPicture({17, 23}, picture, FitPicture(picture, picture)), (Point{17, 23}));
}
