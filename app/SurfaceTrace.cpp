#include "app/SurfaceTrace.h"

#include <cstdlib>
#include <fstream>
#include <span>

#include "screens/ScreenState.h"
#include "world/Team.h"

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
                         const CTeam& team, const std::string& shownDate) const {
    const std::string partial = file_ + ".new";
    {
        std::ofstream out(partial, std::ios::trunc);
        out << "screen " << screenId << " running " << (running ? 1 : 0);
        WriteCentres(out, "nav", layout.navRects);
        WriteCentres(out, "sub", layout.subButtonRects);
        WriteCentres(out, "ctl", controls);
        WriteCentres(out, "btn", std::span(g_screenButtonRects).first<kTracedScreenButtons>());
        WriteCentres(out, "cards", g_lineupCardRects);
        const Rect& list = g_screenListRect;
        out << " list " << list.left << ' ' << list.top << ' ' << list.right << ' ' << list.bottom << " top "
            << g_screenListTop << " rows " << g_screenListA.size() << " lineup";
        for (const uint8_t slot : team.lineup)
            out << ' ' << static_cast<int>(slot);
        out << " system " << static_cast<int>(team.defenceSystem);
        out << " date " << shownDate << " club " << team.name << '\n';
    }
    std::rename(partial.c_str(), file_.c_str());
}
