#include <algorithm>
#include <array>

#include "engine/GeneratedPeople.h"
#include "world/Manager.h"
#include "world/Player.h"
#include "world/Vocabulary.h"
#include "world/WorldWalk.h"

// The nomination of the national squads: the three best league players of
// each nation on each position are its candidates, and a squad takes all
// but the five weakest field candidates, with every goalkeeper candidate.

namespace {

constexpr int kPlacesPerPosition = 3;
constexpr int kPlacesPerNation = kPositionCount * kPlacesPerPosition;
constexpr int kFieldPlacesLeftOut = 5;

// Player score: strength, form and motivation, with a bonus of a tenth for
// an international and one for a second position.
constexpr int kStrengthWeight = 100;
constexpr int kFormWeight = 10;
constexpr int kMotivationScale = 100;
constexpr int kOffsetWeight = 4;
constexpr int kBonusNumerator = 11;
constexpr int kBonusDenominator = 10;
// A nation that cannot fill a squad of this many gets new free players,
// up to the target, for the next nomination.
constexpr size_t kSmallestSquad = 12;
constexpr size_t kSquadTarget = 16;
// What those players are drawn around.
constexpr int kGeneratedAge = 25;
constexpr float kGeneratedTalent = 1.5f;
constexpr int kGeneratedTalentLimit = 3;
constexpr int kGeneratedStrengthSpread = 2;
constexpr int kGeneratedAgeSpread = 4;
constexpr float kGeneratedTalentSpread = 1.0f;

// A player whom a club has marked for sale and whose value is not waived
// is not nominated.
constexpr uint16_t kTransferStatusBits = CPlayer::kTransferMarked | CPlayer::kStrengthHidden;

struct Candidate {
    uint16_t score = 0;  // 0: an empty place
    WorldRef club = kRefNotFound;
    uint8_t squadIndex = 0;
};
using NationCandidates = std::array<Candidate, kPlacesPerNation>;

class Nomination {
public:
    explicit Nomination(CWorld& world) : world_(world) { MapNationNumbers(); }

    void CollectCandidates();
    void RebuildSquads(bool includeUser, bool onlyUser);

private:
    void MapNationNumbers();
    void Offer(const CPlayer& player, WorldRef club, size_t squadIndex);
    void Rebuild(CNation& nation, const NationCandidates& places);
    void TopUpFreePlayers(CNation& nation, size_t squadSize);

    CWorld& world_;
    std::array<int, kNationCount> runningIndex_{};
    std::vector<CNation*> nations_;
    std::vector<NationCandidates> candidates_;
};

// A negative sum counts as no score: stored unsigned it would wrap to the
// best score of all.
int Score(const CPlayer& p) {
    int score = (p.GetStrengthClass() * kStrengthWeight + p.GetForm() * kFormWeight) * p.motivation /
                    kMotivationScale +
                kOffsetWeight * p.strengthOffset;
    if (score <= 0)
        return 0;
    if (p.popularityHealth & CPlayer::kInternational)
        score = score * kBonusNumerator / kBonusDenominator;
    if (p.GetAltPosition() >= 0)
        score = score * kBonusNumerator / kBonusDenominator;
    return std::min<int>(score, UINT16_MAX);
}

bool MayBeNominated(const CPlayer& p) {
    if (p.popularityHealth & CPlayer::kFormerInternational)
        return false;
    return !(p.styleTraits & kTransferStatusBits) || (p.styleTraits & CPlayer::kNoTransferValue);
}

// Every place at or below this score stays out: the highest of the five
// lowest field scores.
uint16_t FieldThreshold(const NationCandidates& places) {
    std::vector<uint16_t> field;
    for (int i = kPlacesPerPosition; i < kPlacesPerNation; ++i)
        field.push_back(places[i].score);
    std::sort(field.begin(), field.end());
    return field[kFieldPlacesLeftOut - 1];
}

void ClearSquad(CTeam& team) {
    while (!team.squad.empty())
        team.RemovePlayer(team.squad.back().get());
}

void Nomination::MapNationNumbers() {
    runningIndex_.fill(-1);
    VisitNations(world_, [&](CNation& nation) {
        if (nation.nationNumber < kNationCount && runningIndex_[nation.nationNumber] < 0)
            runningIndex_[nation.nationNumber] = static_cast<int>(nations_.size());
        nations_.push_back(&nation);
    });
    candidates_.resize(nations_.size());
}

void Nomination::CollectCandidates() {
    for (size_t c = 0; c < world_.continents.size(); ++c) {
        const auto& nations = world_.continents[c]->nations;
        for (size_t n = 0; n < nations.size(); ++n) {
            const auto& leagues = nations[n]->leagues;
            for (size_t l = 0; l < leagues.size(); ++l) {
                const auto& clubs = leagues[l]->clubs;
                for (size_t t = 0; t < clubs.size(); ++t)
                    for (size_t i = 0; i < clubs[t]->squad.size(); ++i)
                        Offer(*clubs[t]->squad[i], PackWorldRef(c, n, l, t), i);
            }
        }
    }
}

// He takes the first of the three places of his position that he beats,
// and the places below move down.
void Nomination::Offer(const CPlayer& player, WorldRef club, size_t squadIndex) {
    if (player.nationality >= kNationCount || player.GetPosition() >= kPositionCount || !MayBeNominated(player))
        return;
    const int nation = runningIndex_[player.nationality];
    if (nation < 0)
        return;
    const uint16_t score = static_cast<uint16_t>(Score(player));
    Candidate* first = &candidates_[nation][player.GetPosition() * kPlacesPerPosition];
    Candidate* last = first + kPlacesPerPosition;
    Candidate* place = std::find_if(first, last, [&](const Candidate& c) { return c.score < score; });
    if (place == last)
        return;
    std::move_backward(place, last - 1, last);
    *place = {score, club, static_cast<uint8_t>(squadIndex)};
}

void Nomination::RebuildSquads(bool includeUser, bool onlyUser) {
    for (size_t i = 0; i < nations_.size(); ++i) {
        CNation& nation = *nations_[i];
        const bool user = IsUserTeam(&nation.nationalTeam);
        if (onlyUser ? user : !user || includeUser)
            Rebuild(nation, candidates_[i]);
    }
}

void Nomination::Rebuild(CNation& nation, const NationCandidates& places) {
    CTeam& team = nation.nationalTeam;
    ClearSquad(team);
    const uint16_t threshold = FieldThreshold(places);
    for (int i = 0; i < kPlacesPerNation; ++i) {
        const Candidate& place = places[i];
        const bool goalkeeper = i / kPlacesPerPosition == kGoalkeeper;
        if (place.score <= threshold && !(goalkeeper && place.score != 0))
            continue;
        const CTeam* club = world_.ResolveTeam(place.club);
        if (place.squadIndex < club->squad.size())
            team.squad.push_back(LendPlayer(club->squad[place.squadIndex].get()));
    }
    team.RebuildResponsibilityLists();
    if (team.squad.size() < kSmallestSquad)
        TopUpFreePlayers(nation, team.squad.size());
}

void Nomination::TopUpFreePlayers(CNation& nation, size_t squadSize) {
    PlayerRecipe recipe;
    recipe.strengthCentre = nation.GetAverageLeagueStrength();
    recipe.strengthSpread = kGeneratedStrengthSpread;
    recipe.ageCentre = kGeneratedAge;
    recipe.ageSpread = kGeneratedAgeSpread;
    recipe.talentCentre = kGeneratedTalent;
    recipe.talentSpread = kGeneratedTalentSpread;
    recipe.talentLimit = kGeneratedTalentLimit;
    recipe.inflationPermille = g_manager.GetInflationPermille();
    for (size_t i = squadSize; i < kSquadTarget; ++i) {
        recipe.position = DrawRandomPosition();
        nation.freePlayers.push_back(nation.GeneratePlayer(recipe, false));
    }
    nation.RetireSurplusFreePlayers();
}

}  // namespace

void CWorld::NominateNationalSquads(bool includeUser, bool onlyUser) {
    Nomination nomination(*this);
    nomination.CollectCandidates();
    nomination.RebuildSquads(includeUser, onlyUser);
    ReleaseEndedCareers();
}
