#include "app/SurfaceTrace.h"

#include <cstdlib>
#include <fstream>
#include <span>

#include "screens/ScreenState.h"

namespace {

void WriteCentres(std::ofstream& out, const char* name, const auto& rects) {
    out << ' ' << name;
    for (const Rect& r : rects) {
        const Point c = r.IsEmpty() ? Point{-1, -1} : r.Center();
        out << ' ' << c.x << ',' << c.y;
    }
}

}  // namespace

std::unique_ptr<SurfaceTrace> SurfaceTrace::FromEnvironment() {
    const char* file = std::getenv(kVariable);
    return file && *file ? std::make_unique<SurfaceTrace>(file) : nullptr;
}

// Written beside and renamed, so that a reader never sees half a line.
void SurfaceTrace::Write(int screenId, bool running, const GameSurfaceLayout& layout, const ControlRects& controls,
                         const std::string& shownDate, const std::string& shownClub) const {
    const std::string partial = file_ + ".new";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << "screen " << screenId << " running " << (running ? 1 : 0);
        WriteCentres(out, "nav", layout.navRects);
        WriteCentres(out, "sub", layout.subButtonRects);
        WriteCentres(out, "ctl", controls);
        WriteCentres(out, "btn", std::span(g_screenButtonRects).first<kTracedScreenButtons>());
        out << " date " << shownDate << " club " << shownClub << '\n';
    }
    std::rename(partial.c_str(), file_.c_str());
}
