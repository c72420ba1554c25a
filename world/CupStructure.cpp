#include <algorithm>

#include "platform/Text.h"
#include "world/Cup.h"
#include "world/RoundRobin.h"

namespace {

// Rounds beyond this would overflow the powers of two that count the teams;
// no playable cup comes near it.
constexpr int kMaxCupRounds = 30;
// The rounds before the final that have a name of their own ("1/8 final").
constexpr int kNamedFinalRounds = 3;

int64_t Pow2(int exponent) {
    return int64_t{1} << std::clamp(exponent, 0, 62);
}

}  // namespace

int CCup::GetQualificationPlaces(int slot) const {
    if (slot < 0 || slot >= static_cast<int>(cumulativePlaces.size()))
        return 0;
    if (slot == 0)
        return cumulativePlaces[0];
    return cumulativePlaces[slot] - cumulativePlaces[slot - 1];
}

int CCup::CountPlacesEnteringRound(int round) const {
    return static_cast<int>(std::count(entryRounds.begin(), entryRounds.end(), round));
}

int CCup::CountPlacesEnteringRound(const std::vector<int>& lateEntrants, int round) const {
    return CountPlacesEnteringRound(round) + lateEntrants[round];
}

int CCup::GetSlotOfPlace(int place) const {
    for (size_t slot = 0; slot < cumulativePlaces.size(); ++slot)
        if (place < cumulativePlaces[slot])
            return place >= 0 ? static_cast<int>(slot) : static_cast<int>(cumulativePlaces.size());
    return static_cast<int>(cumulativePlaces.size());
}

int CCup::GetTeamsInRound(int round) const {
    if (round < 1 || round > roundCount)
        return 0;
    int64_t teams;
    int lastCounted;
    if (HasGroupRound() && round <= groupRound) {
        teams = int64_t{groups} * teamsPerGroup * Pow2(groupRound - round);
        lastCounted = groupRound;
    } else {
        const bool pairsGiven = kind == kCupPlayoff && stageSettings.size() > kPlayoffFirstRoundPairs &&
                                stageSettings[kPlayoffFirstRoundPairs] != 0;
        teams = (pairsGiven ? stageSettings[kPlayoffFirstRoundPairs] : 2) * Pow2(roundCount - round);
        lastCounted = roundCount;
    }
    for (int k = round + 1; k <= lastCounted; ++k)
        teams -= CountPlacesEnteringRound(k) * Pow2(k - round);
    return static_cast<int>(std::clamp<int64_t>(teams, INT32_MIN, INT32_MAX));
}

bool CCup::HasSecondGroupStage() const {
    return (kind == kCupChampionship || kind == kCupWorldCup) && stageSettings.size() == kSecondStageSettingCount;
}

int CCup::FirstStageMatchDays() const {
    return CountRoundRobinMatchDays(teamsPerGroup, groupLegs);
}

int CCup::SecondStageMatchDays() const {
    if (!HasSecondGroupStage())
        return 0;
    return CountRoundRobinMatchDays(stageSettings[kStageTeamsPerGroup], groupLegs);
}

int CCup::GetMatchDaysUpToRound(int round) const {
    if (round < 1 || round > roundCount)
        return 0;
    int days = legs * round;
    if (HasGroupRound() && groupRound <= round)
        days += FirstStageMatchDays() + SecondStageMatchDays() - legs;
    return days;
}

int CCup::GetLosersPassedToCup(int cupIndex, int round) const {
    if (round < 1 || round >= static_cast<int>(loserLinks.size()) || loserLinks[round - 1] != cupIndex + 1)
        return 0;
    const int losers = round == groupRound ? GetTeamsInRound(round) - GetTeamsInRound(round + 1)
                                           : GetTeamsInRound(round) / 2;
    return std::max(losers, 0);
}

std::string CCup::GetRoundName(int round) const {
    if (HasGroupRound() && round == groupRound)
        return "group phase";
    if (kind == kCupPlayoff)
        return Format("%d. round", round);
    if (round == roundCount)
        return "final";
    const int beforeFinal = roundCount - round;
    if (beforeFinal >= 1 && beforeFinal <= kNamedFinalRounds)
        return Format("1/%d final", 1 << beforeFinal);
    return Format("%d. round", round);
}

// One qualification slot per source of the owner; a play-off keeps its own.
size_t CCup::CountSlotsFor(const CupOwnerView& owner) const {
    switch (kind) {
        case kCupContinental:
            return static_cast<size_t>(std::max(owner.nationCount, 0));
        case kCupContinentalSuper:
            return owner.furtherCups.size() + 1;
        case kCupNational:
        case kCupNationalSuper:
            return owner.leagues.size() + 1;
        case kCupChampionship:
            return 2;
        case kCupWorldCup:
            return static_cast<size_t>(std::max(owner.continentCount, 0)) + 1;
        case kCupOlympia:
            return 1;
        default:
            return cumulativePlaces.size();
    }
}

int CCup::GetPlaceCount() const {
    const int places = cumulativePlaces.empty() ? 0 : cumulativePlaces.back();
    return places + ((flags & kCupExtraPlace) ? 1 : 0);
}

// The slot arrays as FitSlotArrays leaves them for this owner.
bool CCup::SlotArraysFit(const CupOwnerView& owner) const {
    if (cumulativePlaces.size() != CountSlotsFor(owner) ||
        !std::is_sorted(cumulativePlaces.begin(), cumulativePlaces.end()))
        return false;
    return entryRounds.size() == static_cast<size_t>(GetPlaceCount()) &&
           std::all_of(entryRounds.begin(), entryRounds.end(), [&](uint8_t r) { return r >= 1 && r <= roundCount; });
}

// Sizes the qualification slots to the owner's sources and drops the arrays
// the kind does not use.
void CCup::FitSlotArrays(const CupOwnerView& owner) {
    if (kind == kCupContinental) {
        loserLinks.resize(roundCount);
        roundPoints.resize(roundCount + 1);
        if (HasGroupRound() && groupRound <= roundCount)
            stageSettings.resize(teamsPerGroup);
    } else {
        loserLinks.clear();
        roundPoints.clear();
    }
    if (kind == kCupPlayoff)
        stageSettings.resize(kPlayoffSettingCount);
    else if (kind == kCupChampionship || kind == kCupWorldCup) {
        if (stageSettings.size() != kSecondStageSettingCount)
            stageSettings.clear();
    } else if (kind != kCupContinental)
        stageSettings.clear();

    cumulativePlaces.resize(CountSlotsFor(owner), 0);
    for (size_t i = 1; i < cumulativePlaces.size(); ++i)
        cumulativePlaces[i] = std::max(cumulativePlaces[i], cumulativePlaces[i - 1]);

    entryRounds.resize(static_cast<size_t>(GetPlaceCount()));
    for (uint8_t& round : entryRounds)
        if (round == 0 || round > roundCount)
            round = 1;
}

bool CCup::PassesKindChecks(const CupOwnerView& owner) const {
    const int places = static_cast<int>(entryRounds.size());
    switch (kind) {
        case kCupContinentalSuper:
            if (GetQualificationPlaces(0) > 0 && !(owner.mainClubCup && owner.mainClubCup->TakesPlace()))
                return false;
            for (size_t j = 0; j < owner.furtherCups.size(); ++j)
                if (GetQualificationPlaces(j + 1) > 0 && !owner.furtherCups[j]->TakesPlace())
                    return false;
            return true;
        case kCupNational:
        case kCupNationalSuper:
            if (owner.nationInactive)
                return false;
            for (size_t i = 0; i < owner.leagues.size(); ++i) {
                const int wanted = GetQualificationPlaces(i + 1);
                if (wanted > owner.leagues[i].listed && wanted > owner.leagues[i].stored)
                    return false;
            }
            return true;
        case kCupChampionship:
        case kCupWorldCup:
            return places <= owner.nationCount;
        case kCupOlympia:
            return owner.worldCup && places <= static_cast<int>(owner.worldCup->ranking.size());
        default:
            return true;
    }
}

// Per round of this cup (index 1..round count), the losers of other further
// cups of the continent that join it there.
std::vector<int> CCup::CountLateEntrants(const CupOwnerView& owner) const {
    std::vector<int> late(roundCount + 1, 0);
    if (kind != kCupContinental)
        return late;
    const auto self = std::find(owner.furtherCups.begin(), owner.furtherCups.end(), this);
    if (self == owner.furtherCups.end())
        return late;
    const int index = static_cast<int>(self - owner.furtherCups.begin());
    for (const CCup* other : owner.furtherCups) {
        if (other == this)
            continue;
        for (int r = 1; r <= other->roundCount; ++r) {
            const int losers = other->GetLosersPassedToCup(index, r);
            if (losers <= 0)
                continue;
            const int passedAfter = other->GetMatchDaysUpToRound(r);
            for (int k = 1; k <= roundCount; ++k)
                if (GetMatchDaysUpToRound(k) > passedAfter) {
                    late[k] = losers;
                    break;
                }
        }
    }
    return late;
}

// Every round must receive exactly the teams its pairings or groups need.
bool CCup::RoundsBalance(const std::vector<int>& late) const {
    int64_t rest;
    int lastChecked;
    const bool pairsGiven = kind == kCupPlayoff && stageSettings.size() > kPlayoffFirstRoundPairs &&
                            stageSettings[kPlayoffFirstRoundPairs] != 0;
    if (HasGroupRound()) {
        rest = int64_t{groups} * teamsPerGroup * Pow2(groupRound - 1);
        lastChecked = groupRound;
    } else {
        rest = pairsGiven ? stageSettings[kPlayoffFirstRoundPairs] * Pow2(roundCount - 1) : Pow2(roundCount);
        lastChecked = roundCount;
    }
    for (int k = 1; k <= lastChecked; ++k)
        rest -= CountPlacesEnteringRound(late, k) * Pow2(k - 1);
    if (rest != 0)
        return false;

    if (HasGroupRound() && groupRound < roundCount) {
        int64_t qualifiers = pairsGiven ? stageSettings[kPlayoffFirstRoundPairs] * Pow2(roundCount - groupRound - 1)
                                        : Pow2(roundCount - groupRound);
        for (int k = groupRound + 1; k <= roundCount; ++k)
            qualifiers -= CountPlacesEnteringRound(late, k) * Pow2(k - groupRound);
        return qualifiers < GetTeamsInRound(groupRound);
    }
    return true;
}

bool CCup::PrepareStructure(const CupOwnerView& owner) {
    takesPlace = 0;
    FitSlotArrays(owner);
    takesPlace = PassesStructureCheck(owner) ? 1 : 0;
    return TakesPlace();
}

bool CCup::PassesStructureCheck(const CupOwnerView& owner) const {
    // A group round must lie within the rounds and hold teams; the schedule
    // of an empty group would divide by its size.
    if (roundCount > kMaxCupRounds)
        return false;
    if (HasGroupRound() && (groupRound > roundCount || groups == 0 || teamsPerGroup == 0))
        return false;
    return SlotArraysFit(owner) && PassesKindChecks(owner) && RoundsBalance(CountLateEntrants(owner));
}
