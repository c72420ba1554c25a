#pragma once

#include <memory>

#include "platform/Random.h"
#include "squad/LineupSlots.h"
#include "world/Match.h"
#include "world/Player.h"
#include "world/Team.h"

// Generated clubs for match tests: 14 players, two per position, the first
// seven in goal and in both formations, the rest on the bench.
inline std::unique_ptr<CTeam> MakeClub(int strengthLow, int strengthHigh) {
    auto team = std::make_unique<CTeam>();
    for (int i = 0; i < 14; ++i) {
        auto p = std::make_unique<CPlayer>();
        const int position = i % 7;
        p->positions = static_cast<uint8_t>(position);
        const int strength = strengthLow + RandBelow(strengthHigh - strengthLow + 1);
        p->strengthTalent = static_cast<uint8_t>(strength << 4 | 2);
        p->height = static_cast<uint8_t>(175 + RandBelow(25));
        p->bonusTens = 50;
        p->handAndSlot = static_cast<uint8_t>((i < 7 ? position : CPlayer::kNoSlot) << CPlayer::kSlotShift);
        p->firstName = "Player";
        p->lastName = std::to_string(i);
        team->squad.push_back(std::move(p));
    }
    team->lineup[kSlotGoalkeeper] = 1;
    for (int j = kSlotFirstDefence; j <= kSlotLastDefence; ++j) {
        team->lineup[j] = static_cast<uint8_t>(j + 1);
        team->lineup[j + kOffenceSlotOffset] = static_cast<uint8_t>(j + 1);
    }
    for (int s = kSlotFirstBench; s <= 17; ++s)
        team->lineup[s] = static_cast<uint8_t>(s - kSlotFirstBench + 8);
    team->captains = {3};
    team->penaltyTakers = {3, 2};
    team->penaltyKeepers = {0};
    team->defenceSystem = 1;
    team->account.SetProfessional(1);
    team->account.ApplyProfessionalSize();
    team->account.SetAdmissionFee(kSeatAdmission, 1800);
    team->account.SetAdmissionFee(kBenchAdmission, 1200);
    return team;
}

// A match between two clubs of the fixture.
struct MatchUnderTest {
    std::unique_ptr<CTeam> homeTeam = MakeClub(3, 9);
    std::unique_ptr<CTeam> awayTeam = MakeClub(3, 9);
    CMatch match;

    explicit MatchUnderTest(uint8_t legs = 0) {
        match.home.team = homeTeam.get();
        match.away.team = awayTeam.get();
        match.legs = legs;
        match.spectators = 2000;
    }
};
