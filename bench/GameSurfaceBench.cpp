#include <benchmark/benchmark.h>

#include <string>

#include "app/GameView.h"
#include "tools/headless-game/HeadlessGameWindow.h"

// One full repaint of the game surface at 1920 × 1080, as every paint of
// the window does it: the surface laid out anew (navigation bar,
// information panel, sub-button column) and the lineup screen's frame, on a
// new game of the shipped world with its skin.
static void BM_RepaintGameSurface(benchmark::State& state) {
    HeadlessGameWindow::Settings settings;
    settings.worldFile = std::string(CORVANTA_PROGRAM_DIR) + "/Welt.kwl";
    settings.pictureFolder = CORVANTA_PROGRAM_DIR;
    HeadlessGameWindow game(settings);
    if (!game.Error().empty() ||
        !game.StartNewGame(HeadlessGameWindow::ClubToManage(game.View().World(), ""), 1)) {
        state.SkipWithError(game.Error().c_str());
        return;
    }
    CGameView& view = game.View();
    view.MoveWindow(Rect{0, 0, 1920, 1080});
    DeviceContext dc(&view.Surface());
    view.OnPaint(dc);
    view.OnLButtonDown(0, view.SurfaceLayout().navRects[0].Center());
    if (view.ScreenId() != CGameView::kTeamScreen) {
        state.SkipWithError("the lineup screen cannot be reached");
        return;
    }
    for (auto _ : state) {
        view.OnPaint(dc);
        benchmark::DoNotOptimize(view.Surface().Pixels());
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RepaintGameSurface)->Unit(benchmark::kMillisecond);
