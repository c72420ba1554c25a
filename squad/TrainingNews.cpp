// The words of the training's player events.
#include "squad/TrainingNews.h"

#include "platform/PlayerMessages.h"
#include "platform/Text.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/PlayerNames.h"

namespace {

constexpr uint32_t kEventBox = MSG_TEAM | MSG_OK | MSG_BLUE;  // 0xA1
constexpr int kSicknessExtra = 5;
constexpr int kAbsenceExtra = 2;
constexpr int kImprovedExtra = 0;
constexpr uint32_t kReturnNewsColour = 0x080810;

std::string SkillName(const CPlayer& player, int skill) {
    const int entry = skill + (player.IsGoalkeeper() ? kKeeperSkillNameOffset : 0);
    return entry >= 0 && entry < kSkillNameCount ? g_skillNames[entry] : "";
}

}  // namespace

TrainingNotice DescribeSickness(const CPlayer& player, const std::string& sickness, int days) {
    const std::string name = player.GetDisplayName(false);
    return {name + " sick", CManager::kNewsRed, "player is sick",
            name + " suffers from " + sickness + Format(" and will not be available for %d days.", days),
            kSicknessExtra};
}

TrainingNotice DescribeAbsence(const CPlayer& player, bool vacation, bool womensGame, int days) {
    const std::string name = player.GetDisplayName(false);
    if (vacation)
        return {name + " on vacation", CManager::kNewsRed, "player on vacation",
                name + Format(" is going on vacation, and will not be available for %d days.", days), kAbsenceExtra};
    const char* caption = womensGame ? "player busy with her job" : "player busy with his job";
    const char* text = womensGame ? " is informing you that she doesn't have time for the club the next %d days."
                                  : " is informing you that he doesn't have time for the club the next %d days.";
    return {name + " busy with the job", CManager::kNewsRed, caption, name + Format(text, days), kAbsenceExtra};
}

TrainingNotice DescribeSkillImproved(const CPlayer& player, int skill) {
    const std::string skillName = SkillName(player, skill);
    return {player.firstName + " " + player.lastName + " : Skill " + skillName + " improved", CManager::kNewsGreen,
            "improved skill",
            player.GetDisplayName(false) + " has improved his skill " + skillName +
                " and is now able to concentrate on a new challenge.",
            kImprovedExtra};
}

TrainingNotice DescribeReturn(const CPlayer& player, bool toYouthTeam) {
    const char* where = toYouthTeam ? " is going back to the youth team." : " is going back to the amateur team.";
    return {player.GetDisplayName(false) + where, kReturnNewsColour, "", "", 0};
}

void Announce(const TrainingNotice& notice) {
    g_manager.AddNews(notice.news, notice.newsColour);
    if (notice.caption.empty())
        return;
    TellPlayer({notice.caption, notice.text, kEventBox, notice.boxExtra});
}
