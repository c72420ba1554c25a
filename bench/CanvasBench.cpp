#include <benchmark/benchmark.h>

#include "ui/Buttons.h"
#include "ui/PicturedNumbers.h"
#include "ui/Shading.h"

// A full-HD frame painted as a screen is: a stretched background, gradient
// panels, buttons with text, a table of text rows, dot digits and shapes.
static void BM_PaintFullHdFrame(benchmark::State& state) {
    constexpr int kWidth = 1920, kHeight = 1080;
    Bitmap frame(kWidth, kHeight);
    DeviceContext dc(&frame);
    Bitmap background(640, 480);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            background.SetPixel(x, y, Rgb(x / 3, y / 2, 120));
    dc.SetBackMode(BackMode::Transparent);
    for (auto _ : state) {
        dc.StretchBlt(Rect{0, 0, kWidth, kHeight}, background, Rect{0, 0, 640, 480}, RasterOp::Copy);
        for (int i = 0; i < 6; ++i)
            FillGradientRect(Rect{20 + 300 * i, 20, 300 + 300 * i, 200}, Rgb(75, 145, 215), true, 255, dc);
        FillSoftEdgedRect(dc, Rect{20, 220, 900, 1060}, Rgb(200, 175, 150), 12);
        dc.SelectFont(Font::Point("Verdana", 100));
        for (int row = 0; row < 40; ++row)
            dc.DrawText("Hans-Joachim M\xFCller   RB   27   1.250.000 \x80", Rect{40, 240 + 20 * row, 880, 260 + 20 * row},
                        TextLeft | TextVCenter | TextSingleLine);
        for (int i = 0; i < 12; ++i)
            DrawBevelButton(Rect{940, 220 + 60 * i, 1240, 270 + 60 * i}, "training", Rgb(150, 200, 200), dc, 0);
        for (int d = 0; d < 10; ++d)
            DrawDotMatrixDigit(Rect{1280 + 60 * d, 240, 1330 + 60 * d, 330}, Rgb(255, 64, 64), Rgb(60, 30, 30), d, dc);
        for (int i = 0; i < 8; ++i)
            DrawShadedEllipse(dc, Rect{1280 + 75 * i, 400, 1350 + 75 * i, 470}, Rgb(255, 200, 64), true, true);
        benchmark::DoNotOptimize(frame.Pixels());
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PaintFullHdFrame)->Unit(benchmark::kMillisecond);
