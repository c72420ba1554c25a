#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/Random.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

void AddNamedPlayer(CTeam& team, const std::string& first, const std::string& last) {
    auto p = std::make_unique<CPlayer>();
    p->firstName = first;
    p->lastName = last;
    team.AddPlayer(std::move(p));
}

}  // namespace

TEST(ClubSetup, NormalizeBringsValuesIntoRange) {
    struct Case {
        const char* what;
        std::function<void(CTeam&)> set;
        std::function<void(const CTeam&)> expect;
    };
    const Case cases[] = {
        {"article", [](CTeam& t) { t.article = 4; }, [](const CTeam& t) { EXPECT_EQ(t.article, 0); }},
        {"article 3 stays", [](CTeam& t) { t.article = 3; }, [](const CTeam& t) { EXPECT_EQ(t.article, 3); }},
        {"defence system", [](CTeam& t) { t.defenceSystem = 7; }, [](const CTeam& t) { EXPECT_EQ(t.defenceSystem, 2); }},
        {"fans and finance", [](CTeam& t) { t.fansAndFinance = 0x98; },
         [](const CTeam& t) { EXPECT_EQ(t.fansAndFinance, 0x44); }},
        {"amount above its maximum", [](CTeam& t) { t.fanAmount = 0x25; },
         [](const CTeam& t) { EXPECT_EQ(t.fanAmount, 0x22); }},
        {"amount 9 becomes 3 first", [](CTeam& t) { t.fanAmount = 0x59; },
         [](const CTeam& t) { EXPECT_EQ(t.fanAmount, 0x53); }},
        {"maximum 7 becomes 3", [](CTeam& t) { t.fanAmount = 0x75; },
         [](const CTeam& t) { EXPECT_EQ(t.fanAmount, 0x33); }},
        {"founding year 999", [](CTeam& t) { t.foundingYear = 999; },
         [](const CTeam& t) { EXPECT_EQ(t.foundingYear, 1952); }},
        {"founding year 1000 stays", [](CTeam& t) { t.foundingYear = 1000; },
         [](const CTeam& t) { EXPECT_EQ(t.foundingYear, 1000); }},
        {"capital below", [](CTeam& t) { t.capital = -2500000; },
         [](const CTeam& t) { EXPECT_EQ(t.capital, -1000000); }},
        {"lowest capital", [](CTeam& t) { t.capital = INT32_MIN; },
         [](const CTeam& t) { EXPECT_EQ(t.capital, -1000000); }},
        {"capital above", [](CTeam& t) { t.capital = 1000001; },
         [](const CTeam& t) { EXPECT_EQ(t.capital, 1000000); }},
        {"colours", [](CTeam& t) { t.homeColour = 0x1E64FF; t.awayColour = 0xFE7F00; },
         [](const CTeam& t) {
             EXPECT_EQ(t.homeColour, 0x007FFEu);  // RGB(255,100,30) -> RGB(254,127,0)
             EXPECT_EQ(t.awayColour, 0xFE7F00u);
         }},
        {"competences", [](CTeam& t) { t.managerCompetence = 12; t.coachCode = 0x8B; t.keeperCoachCompetence = 15; },
         [](const CTeam& t) {
             EXPECT_EQ(t.managerCompetence, 10);
             EXPECT_EQ(t.coachCode, 0x0A);
             EXPECT_EQ(t.keeperCoachCompetence, 10);
         }},
        {"board and media", [](CTeam& t) { t.boardAndMedia = 0x86; },
         [](const CTeam& t) { EXPECT_EQ(t.boardAndMedia, 0x33); }},
        {"names", [](CTeam& t) { t.name.clear(); t.shorthand.clear(); },
         [](const CTeam& t) {
             EXPECT_EQ(t.name, "handball club");
             EXPECT_EQ(t.shorthand, "hc");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTeam team;
        team.name = "TV Nord";
        team.shorthand = "TVN";
        c.set(team);
        team.Normalize();
        c.expect(team);
    }
}

TEST(ClubSetup, MissingPeopleAreNamedAfterSquadPlayers) {
    CTeam empty;
    empty.Normalize();
    EXPECT_TRUE(empty.managerSurname.empty());
    EXPECT_TRUE(empty.coachSurname.empty());
    EXPECT_TRUE(empty.chiefSurname.empty());

    CTeam team;
    AddNamedPlayer(team, "Anna", "Berg");
    AddNamedPlayer(team, "Carl", "Dahl");
    team.coachSurname = "Kept";
    SeedRandom(11);
    team.Normalize();
    for (const std::string* last : {&team.managerSurname, &team.chiefSurname})
        EXPECT_TRUE(*last == "Berg" || *last == "Dahl") << *last;
    for (const std::string* first : {&team.managerFirstName, &team.chiefFirstName})
        EXPECT_TRUE(*first == "Anna" || *first == "Carl") << *first;
    EXPECT_EQ(team.coachSurname, "Kept");
    EXPECT_TRUE(team.coachFirstName.empty()) << "a first name is filled only with the surname";
}

TEST(ClubSetup, GameStartGivesEveryPlayerStartValues) {
    CTeam team;
    for (int i = 0; i < 40; ++i)
        AddNamedPlayer(team, "P", std::to_string(i));
    team.squad.front()->formByte = 0xC5;
    team.defenceSystem = 4;
    team.account.Book(3, 5000);
    SeedRandom(3);
    team.InitForGameStart();
    EXPECT_EQ(team.defenceSystem, 1);
    for (const PlayerPtr& p : team.squad) {
        EXPECT_GE(p->formByte, 7);
        EXPECT_LE(p->formByte, 14) << "the change marks are cleared";
        EXPECT_EQ(p->averageForm, static_cast<float>(p->formByte));
        EXPECT_GE(p->freshness, 50);
        EXPECT_LE(p->freshness, 70);
        EXPECT_GE(p->fitness, 30);
        EXPECT_LE(p->fitness, 50);
        EXPECT_GE(p->motivation, 98);
        EXPECT_LE(p->motivation, 103);
        for (int a = 0; a < kAttributeCount; ++a) {
            EXPECT_GE(p->GetAttribute(a), 3);
            EXPECT_LE(p->GetAttribute(a), 7);
        }
    }
    EXPECT_EQ(team.account.GetFigure(3), 0u);
}

TEST(ClubSetup, OnePlayerTakesFourteenDraws) {
    CTeam team;
    AddNamedPlayer(team, "A", "B");
    AddNamedPlayer(team, "C", "D");
    team.managerSurname = team.coachSurname = team.chiefSurname = "X";
    SeedRandom(99);
    team.InitForGameStart();
    SeedRandom(99);
    for (int i = 0; i < 14; ++i)
        Rand();
    const int form = Rand() / 4681 + 7;
    EXPECT_EQ(team.squad[1]->GetForm(), form);
}
