#include "world/Cup.h"

#include <algorithm>

#include "world/CompetitionMask.h"
#include "world/Match.h"
#include "world/Team.h"

CCup::CCup() = default;

CCup::CCup(uint8_t kind) : kind(kind) {}

CCup::~CCup() = default;

CCup& CCup::operator=(CCup&&) noexcept = default;

bool CCup::FindParticipant(const CTeam* team, int& index) const {
    const auto found = std::find(participants.begin(), participants.end(), team);
    if (found == participants.end())
        return false;
    index = static_cast<int>(found - participants.begin());
    return true;
}

bool CCup::FindInRound(int round, int participant, int& position) const {
    if (round < 1 || round > static_cast<int>(drawnRounds.size()))
        return false;
    const std::vector<uint16_t>& list = drawnRounds[round - 1];
    const auto found = std::find(list.begin(), list.end(), participant);
    if (found == list.end())
        return false;
    position = static_cast<int>(found - list.begin());
    return true;
}

bool CCup::IsPlayedInSeason(int seasonYear) const {
    if (!TakesPlace())
        return false;
    switch (kind) {
    case kCupChampionship:
        return !IsWorldCupSeason(seasonYear);
    case kCupWorldCup:
        return IsWorldCupSeason(seasonYear);
    case kCupOlympia:
        return IsOlympicSeason(seasonYear);
    default:
        return true;
    }
}

bool CCup::HasFinished() const {
    return currentMatchDay > GetLastMatchDay();
}

void CCup::GetParticipantNamesOfNation(std::vector<std::string>& names, int nation) const {
    names.clear();
    for (size_t i = 0; i < participants.size() && i < participantNations.size(); ++i)
        if (participantNations[i] == nation)
            names.push_back(participants[i]->name);
}

void CCup::Clear() {
    roundRecords.clear();
    drawnRounds.clear();
    groupWins.clear();
    groupDraws.clear();
    groupLosses.clear();
    groupGoalDifference.clear();
    participants.clear();
    participantNations.clear();
    matches.clear();
}
