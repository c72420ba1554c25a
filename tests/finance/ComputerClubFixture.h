#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "finance/ComputerClub.h"
#include "platform/Random.h"
#include "world/GameDate.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"

// A computer-run professional club in a top league of six clubs, on a
// Monday of October: a review week outside the transfer window. The other
// clubs are empty, so the league's mean strength is the club's.
class ComputerClubTest : public ::testing::Test {
protected:
    static constexpr uint32_t kSalary = 20000;
    static constexpr uint32_t kBonus = 100;

    void SetUp() override {
        g_gameDate = Date(2004, 10, 11);
        SeedRandom(5);
        auto league = std::make_unique<CLeague>();
        league->division = 1;
        league->flags = kLeagueProfessional;
        for (int i = 0; i < 6; ++i)
            league->clubs.push_back(std::make_unique<CTeam>());
        league->ValidateSettings();
        nation.leagues.push_back(std::move(league));
        Club().name = "Pros";
        Club().account.SetProfessional(1);
        Club().account.Reset();
        Club().account.ApplyProfessionalSize();
    }
    void TearDown() override { g_gameDate = savedDate_; }

    CLeague& League() { return *nation.leagues[0]; }
    CTeam& Club() { return *League().clubs[0]; }
    ComputerClub Context() { return {nation, League(), Club()}; }

    // A 27-year-old professional with three years left.
    static std::unique_ptr<CPlayer> MakePlayer(int position, int strength, int talent = 2) {
        auto p = std::make_unique<CPlayer>();
        p->positions = static_cast<uint8_t>(position);
        p->strengthTalent = static_cast<uint8_t>(strength << 4 | talent);
        p->birthday = 1977 << 16 | 3 << 8 | 1;
        p->averageForm = 10;
        p->firstName = "First";
        p->lastName = "Last" + std::to_string(position);
        PlayerContract contract;
        contract.professional = true;
        contract.salary = kSalary;
        contract.bonus = kBonus;
        contract.years = 3;
        p->SetContract(contract);
        return p;
    }
    CPlayer& Sign(CTeam& team, int position, int strength) {
        team.squad.push_back(MakePlayer(position, strength));
        return *team.squad.back();
    }
    // Two of the same player at every position.
    void SignEvenSquad() {
        for (int p = 0; p < kPositionCount; ++p)
            for (int i = 0; i < 2; ++i)
                Sign(Club(), p, 8);
    }

    CNation nation;

private:
    Date savedDate_ = g_gameDate;
};
