#include "tools/assets/SkinArt.h"

#include <functional>
#include <map>

Bitmap DrawSkinFile(const std::string& name, const FlagTable& flags) {
    using Painter = std::function<Bitmap()>;
    const std::map<std::string, Painter> painters = {
        {"FLAGS.BMP", [&] { return DrawFlags(flags); }},
        {"PKVIEW.BMP", DrawCupBadges},
        {"BGGAME.BMP", [] { return DrawBackground("BGGAME.BMP"); }},
        {"BGFINANZ.BMP", [] { return DrawBackground("BGFINANZ.BMP"); }},
        {"BGCLUB.BMP", [] { return DrawBackground("BGCLUB.BMP"); }},
        {"BGSTAT.BMP", [] { return DrawBackground("BGSTAT.BMP"); }},
        {"BGDIALOG.BMP", [] { return DrawBackground("BGDIALOG.BMP"); }},
        {"BGTEAM.BMP", [] { return DrawBackground("BGTEAM.BMP"); }},
        {"UPEDGE.BMP", DrawInfoPanel},
        {"SBMLEER.BMP", DrawSubButtonColumn},
        {"SBMLAYER.BMP", DrawColumnOverlay},
        {"KEYVISUAL.BMP", DrawKeyVisual},
        {"DBUTTONS.BMP", DrawDialogButtons},
        {"TBUTTONS.BMP", DrawTableButtons},
        {"SCROLLB.BMP", DrawScrollBar},
        {"BAR.BMP", DrawBars},
        {"HAUPTMEN.BMP", DrawMainMenu},
        {"PMENU.BMP", DrawModeButtons},
        {"PICS.BMP", DrawPics},
        {"SICON.BMP", DrawLevelIcon},
        {"SKILLS.BMP", DrawSkills},
        {"TRAINING.BMP", DrawTraining},
        {"PROPERTY.BMP", DrawProperty},
        {"MONEY.BMP", DrawMoney},
        {"LOGOBALL.BMP", DrawLogoBall},
        {"HALL.BMP", DrawHall},
        {"FANART.BMP", DrawFanArticles},
        {"TRIKOTS.BMP", DrawShirts},
    };
    const auto p = painters.find(name);
    return p == painters.end() ? Bitmap() : p->second();
}
