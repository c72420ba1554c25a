// A new game for the manager, once its set-up has given him his names,
// birthday, level, place, club and national team.
#include "career/ManagerPosts.h"
#include "engine/GeneratedPeople.h"
#include "finance/IncomeFormulae.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"

namespace {

// His own player is a weak one of great talent and his own age.
constexpr float kOwnPlayerStrength = 2.0f;
constexpr float kOwnPlayerTalent = 3.0f;
constexpr uint8_t kOwnPlayerTalentBits = 0x03;
// A national coach is paid as a professional coach of a top league.
constexpr int kNationalCoachLeagueLevel = 1;

std::unique_ptr<CPlayer> MakeOwnPlayer(const CManager& manager, const CNation& nation) {
    PlayerRecipe recipe;
    recipe.position = DrawRandomPosition();
    recipe.strengthCentre = kOwnPlayerStrength;
    recipe.strengthSpread = 1;
    recipe.ageCentre = AgeFromPackedDate(manager.birthday);
    recipe.ageSpread = 1;
    recipe.talentCentre = kOwnPlayerTalent;
    recipe.talentSpread = 1.0f;
    recipe.professional = true;
    recipe.inflationPermille = manager.GetInflationPermille();
    std::unique_ptr<CPlayer> player = nation.GeneratePlayer(recipe, false);
    player->strengthTalent |= kOwnPlayerTalentBits;
    player->styleTraits |= CManager::kOwnPlayerMarks;
    player->firstName = manager.firstName;
    player->lastName = manager.lastName;
    player->birthday = manager.birthday;
    player->handAndSlot |= CPlayer::kNoSlot << CPlayer::kSlotShift;
    player->RandomizeCondition();
    return player;
}

}  // namespace

void CManager::PrepareNewGame() {
    ResetCareerState();
    DeleteOwnedItems();
    history.Reset();
    if (nation)
        ownPlayer = MakeOwnPlayer(*this, *nation);
    if (HasClub() && league) {
        SetContract(ProposeContractTerms(*league, *club));
        if (club->coachSurname.size() > 1 && nation) {
            SendCoachToPool(*club, *nation);
            club->coachFirstName.clear();
            club->coachSurname.clear();
        }
        // A club whose manager bears its name has just been taken over: its
        // season start starts his season there (CNation::StartSeason).
        club->managerSurname = club->name;
        ++clubsManaged;
    }
    if (HasNationalTeam()) {
        nationalTeam->coachFirstName = firstName;
        nationalTeam->coachSurname = lastName;
        nationalTeam->coachBirthday = birthday;
        nationalTeam->coachCode = coachingLevel;
        nationalCoachSalary = static_cast<int32_t>(CalcStaffSalary(coachingLevel, kNationalCoachLeagueLevel, true));
    }
}
