#pragma once

#include <memory>
#include <string>
#include <vector>

#include "squad/Training.h"
#include "tests/app/MessageBoxFixture.h"
#include "tests/world/PlayerSamples.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

// A team to train, made the user's club when a test wants its news and
// boxes; the week's globals and the game date are put back afterwards.
class TrainingFixture : public MessageBoxFixture {
protected:
    void SetUp() override {
        MessageBoxFixture::SetUp();
        g_manager.newsList = &news;
    }
    void TearDown() override {
        g_manager.club = &g_noClubTeam;
        g_manager.newsList = nullptr;
        MessageBoxFixture::TearDown();
    }

    void MakeUsersClub() { g_manager.club = &team; }

    CPlayer& Add(int position = kCentreBack) {
        auto p = std::make_unique<CPlayer>();
        p->positions = static_cast<uint8_t>(position);
        p->firstName = "Jens";
        p->lastName = "Holm" + std::to_string(team.squad.size());
        team.squad.push_back(std::move(p));
        return *team.squad.back();
    }

    void FillWeek(uint8_t kind) { g_weekTrainingRow.fill(kind); }

    TrainingWeekScope week{kMaxUnitsPerWeek};
    GameDateScope date{Date(2023, 7, 12)};  // a Wednesday of week 2
    CTeam team;
    std::vector<std::string> news;
};
