#include "screens/WeekPlanRename.h"

#include "platform/PlayerMessages.h"
#include "screens/ScreenState.h"
#include "squad/WeekPlanNames.h"

namespace {

constexpr uint32_t kRenameBox = MSG_INPUT | MSG_TEAM | MSG_CANCEL | MSG_OK | MSG_BLUE;
constexpr int kRenameIcon = 4;

bool RenameWeekPlan(int plan) {
    std::string& name = g_weekPlanNames[plan - 1];
    std::string entry = name;
    const PlayerMessage question{"change name", "To which name the training week '" + name + "' shoud be changed ?",
                                 kRenameBox, kRenameIcon};
    if (!AskPlayer(question, entry))
        return false;
    name = entry;
    return true;
}

}  // namespace

bool OnWeekPlanRightClick(Point p) {
    for (int plan = kFirstFreeWeekPlan; plan <= kWeekPlanCount; ++plan)
        if (g_screenButtonRects[plan].Contains(p))
            return RenameWeekPlan(plan);
    return false;
}
