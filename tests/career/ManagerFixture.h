#pragma once

#include "platform/Date.h"
#include "platform/HeadlessModalRunner.h"
#include "platform/ModalRunner.h"
#include "squad/Training.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/GameDate.h"
#include "world/WorldWalk.h"

// A new manager at a club of the first league of nation 0, in a world of two
// nations with two leagues of six clubs each. Every club keeps a
// professional account, so contract records can be booked; the boxes the
// manager is shown are recorded. The date is the first Monday of the 2003
// season.
struct ManagerAtClub {
    static constexpr int kClub = 2;

    CalendarWorld fixture{{.continents = 1, .nations = 2, .leagues = 2, .clubs = 6}};
    HeadlessModalRunner runner;

    ManagerAtClub() {
        ResetManager();
        ResetTrainingWeek();
        g_manager.world = &fixture.world;
        SetModalRunner(&runner);
        VisitClubs(fixture.world, [](CNation&, CLeague&, CTeam& club) {
            club.account.SetProfessional(1);
            club.account.ApplyProfessionalSize();
        });
        fixture.ManageClub(0, kClub);
        g_manager.firstName = "Erik";
        g_manager.lastName = "Lindqvist";
        g_manager.birthday = PackDate(Date(1968, 4, 2));
        g_manager.coachingLevel = 4;
        g_gameDate = Date(2003, 7, 7);
    }

    CTeam& Club() { return *g_manager.club; }
    CNation& Nation() { return *g_manager.nation; }
    std::vector<std::string> Titles() const {
        std::vector<std::string> titles;
        for (const ModalRecord& record : runner.Records())
            titles.push_back(record.title);
        return titles;
    }
};
