#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editor/WorldCheck.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

std::unique_ptr<CPlayer> MakePlayer(int position, int strength, bool professional, const std::string& last) {
    auto p = std::make_unique<CPlayer>();
    p->firstName = "Jon";
    p->lastName = last;
    p->positions = static_cast<uint8_t>(position);
    p->strengthTalent = static_cast<uint8_t>(strength << 4 | 3);
    p->contractFlags = professional ? CPlayer::kProfessional : 0;
    return p;
}

// A club that breaks no rule in a professional top league: named arena of
// 1000 places with a score board, 14 players with two goalkeepers, people.
std::unique_ptr<CTeam> SoundClub(const std::string& name, bool professional = true) {
    auto team = std::make_unique<CTeam>();
    team->name = name;
    team->amateurTeamName = name + " II";
    team->arena.SetName(name + " Hall");
    team->arena.SetScoreBoard(1);
    while (team->arena.GetCapacity() < 1000)
        team->arena.AddGridLine(false, false, true, false, kStandingLarge);
    for (int i = 0; i < 14; ++i)
        team->AddPlayer(MakePlayer(i < 2 ? kGoalkeeper : 1 + i % 6, 5, professional, name + std::to_string(i)));
    team->managerSurname = "Manager";
    team->coachSurname = "Coach";
    team->mapPosition = 50 << 8 | 50;
    return team;
}

struct Fixture {
    CWorld world;
    CLeague* league = nullptr;

    explicit Fixture(bool professional = true, int division = 1) {
        auto continent = std::make_unique<CContinent>();
        auto nation = std::make_unique<CNation>();
        nation->nationNumber = 34;
        auto l = std::make_unique<CLeague>();
        l->name = "A league with a rather long name";
        l->division = static_cast<uint8_t>(division);
        l->flags = professional ? kLeagueProfessional : 0;
        league = l.get();
        nation->leagues.push_back(std::move(l));
        continent->nations.push_back(std::move(nation));
        world.continents.push_back(std::move(continent));
    }
    CTeam& Add(std::unique_ptr<CTeam> team) {
        league->clubs.push_back(std::move(team));
        return *league->clubs.back();
    }
};

std::vector<std::string> Remarks(const CLeague& league, const CTeam& team) { return CheckClubRules(league, team); }

}  // namespace

TEST(WorldCheck, EachRuleGivesItsRemark) {
    struct Case {
        const char* what;
        bool professional;
        int division;
        std::function<void(CTeam&)> spoil;
        std::vector<std::string> remarks;
    };
    const Case cases[] = {
        {"sound", true, 1, [](CTeam&) {}, {}},
        {"amateur name", true, 1, [](CTeam& t) { t.amateurTeamName = t.name; }, {"amateur team has same name"}},
        {"fans", true, 1, [](CTeam& t) { t.fanAmount = 0x35; }, {"Fan-arise more then max"}},
        {"no arena name", true, 1, [](CTeam& t) { t.arena.SetName(""); }, {"no arena name"}},
        {"no score board", true, 1, [](CTeam& t) { t.arena.SetScoreBoard(0); },
         {"no score board within the first division"}},
        {"no score board below", true, 2, [](CTeam& t) { t.arena.SetScoreBoard(0); }, {}},
        {"11 players, no keeper",
         true, 1,
         [](CTeam& t) {
             t.squad.clear();
             for (int i = 0; i < 11; ++i)
                 t.AddPlayer(MakePlayer(3, 5, true, std::to_string(i)));
         },
         {"only 11 players"}},
        {"no players", true, 1, [](CTeam& t) { t.squad.clear(); }, {"no players"}},
        {"one keeper", true, 1, [](CTeam& t) { t.squad[0]->positions = 3; }, {"only one goalkeeper"}},
        {"no keeper", true, 1, [](CTeam& t) { t.squad[0]->positions = t.squad[1]->positions = 3; },
         {"no goalkeeper"}},
        {"amateur in a pro league", true, 1, [](CTeam& t) { t.squad[3]->contractFlags = 0; },
         {"non-professional players in professional leguage"}},
        {"pro in an amateur league", false, 1, [](CTeam& t) { t.squad[3]->contractFlags = CPlayer::kProfessional; },
         {"professional players in not-professional leguages"}},
        {"people", true, 1, [](CTeam& t) { t.managerSurname.clear(); t.coachSurname.clear(); },
         {"no manager", "no coach"}},
        {"map", true, 1, [](CTeam& t) { t.mapPosition = 150; }, {"not within league range"}},
        {"several in order", true, 1, [](CTeam& t) { t.arena.SetName(""); t.coachSurname.clear(); },
         {"no arena name", "no coach"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Fixture f(c.professional, c.division);
        CTeam& team = f.Add(SoundClub("Club", c.professional));
        c.spoil(team);
        EXPECT_EQ(Remarks(*f.league, team), c.remarks);
    }
}

TEST(WorldCheck, ArenaPlacesByLevelAndProfession) {
    // The default arena has one row of three blocks below the field.
    struct Case {
        bool professional;
        int division;
        std::array<uint8_t, 3> blocks;
        bool remark;
    };
    const Case cases[] = {
        {false, 2, {kStandingSmall, kStandingSmall, kStandingLarge}, false},  // 300 of 250
        {false, 2, {kStandingSmall, kStandingSmall, kStandingMiddle}, true},  // 200 of 250
        {true, 2, {kStandingLarge, kStandingMiddle, kStandingMiddle}, false},  // 400 of 400
        {true, 2, {kStandingLarge, kStandingMiddle, kStandingSmall}, true},   // 350 of 400
        {true, 1, {kStandingLarge, kStandingLarge, kStandingLarge}, true},    // 600 of 800
        {true, 0, {kStandingSmall, kStandingSmall, kStandingSmall}, false},   // level 0 asks nothing
    };
    for (const Case& c : cases) {
        Fixture f(c.professional, c.division);
        CTeam& team = f.Add(SoundClub("Club", c.professional));
        team.arena = CArena();
        team.arena.SetName("Hall");
        team.arena.SetScoreBoard(1);
        for (size_t i = 0; i < c.blocks.size(); ++i)
            team.arena.SetBlockKind(6 + i, c.blocks[i]);
        const std::string places = std::to_string(team.arena.GetCapacity());
        const std::vector<std::string> expected =
            c.remark ? std::vector<std::string>{"very few arena places  (" + places + ")"} : std::vector<std::string>{};
        EXPECT_EQ(Remarks(*f.league, team), expected) << places << " places in division " << c.division;
    }
}

TEST(WorldCheck, WeakTeamIsStrictlyTwoBelowTheLeague) {
    Fixture f;
    f.Add(SoundClub("Strong"));
    for (const PlayerPtr& p : f.league->clubs[0]->squad)
        p->strengthTalent = 0x83;  // strength 8
    CTeam& weak = f.Add(SoundClub("Weak"));
    for (const PlayerPtr& p : weak.squad)
        p->strengthTalent = 0x43;  // 4: the league averages 6, exactly 2 above
    EXPECT_TRUE(Remarks(*f.league, weak).empty());
    weak.squad[2]->strengthTalent = 0x33;
    EXPECT_EQ(Remarks(*f.league, weak), std::vector<std::string>{"very weak team"});
}

TEST(WorldCheck, WorldRulesVisitEveryLeagueClub) {
    Fixture f;
    f.Add(SoundClub("A sound club"));
    CTeam& bad = f.Add(SoundClub("A club with a rather long name"));
    bad.coachSurname.clear();
    bad.managerSurname.clear();
    f.world.continents[0]->nations[0]->extraTeams.push_back(std::make_unique<CTeam>());
    const WorldCheckResult result = CheckWorldRules(f.world);
    EXPECT_EQ(result.leaguesVisited, 1);
    ASSERT_EQ(result.remarks.size(), 2u);
    EXPECT_EQ(result.remarks[0].team, &bad);
    EXPECT_EQ(FormatRemarkRow(result.remarks[0]), "Germany\tA league with a ra\tA club with a rath\tno manager");
    EXPECT_EQ(result.remarks[1].text, "no coach");
}

TEST(WorldCheck, DoubledPlayersAreListedOncePerRow) {
    Fixture f;
    CTeam& a = f.Add(SoundClub("A"));
    CTeam& b = f.Add(SoundClub("B"));
    // Three namesakes: two in one squad, one elsewhere.
    for (CPlayer* p : {a.squad[4].get(), a.squad[5].get(), b.squad[6].get()}) {
        p->firstName = "Ola";
        p->lastName = "Berg";
    }
    a.squad[5]->strengthTalent = 0x73;
    int progress = 0;
    const std::vector<DoubledPlayer> found = FindDoubledPlayers(f.world, [&](int done) { progress = done; });
    EXPECT_EQ(progress, 1);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].player, a.squad[4].get());
    EXPECT_EQ(found[1].player, a.squad[5].get());
    EXPECT_EQ(found[2].player, b.squad[6].get());
    EXPECT_EQ(found[2].club, &b);
}

TEST(WorldCheck, DoubledPlayerRowShowsHisValues) {
    CPlayer p;
    p.firstName = "Ola";
    p.lastName = "Berg";
    p.positions = kLeftBack;
    p.strengthTalent = 0x62;
    p.birthday = 1983 << 16 | 4 << 8 | 9;
    p.height = 185;
    CTeam club;
    club.name = "HC Ashby";
    EXPECT_EQ(FormatDoubledPlayerRow(p, club), "Ola Berg\tLB\t6\t+\t9.4.1983\t1,85\tHC Ashby");
}
