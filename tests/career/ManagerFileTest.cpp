#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/BinaryFile.h"
#include "squad/Training.h"
#include "squad/WeekPlanNames.h"
#include "tools/sample-world/SampleManager.h"
#include "tools/sample-world/SampleWorld.h"
#include "world/Continent.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"
#include "world/World.h"

namespace {

// A manager of a small sample world with every saved member set, and the
// free week plans filled.
class ManagerFile : public ::testing::Test {
protected:
    ManagerFile() : world(MakeSampleWorld(Size())) {
        FillSampleManager(manager, *world);
        g_freeWeekPlanUnits[1].fill(7);
        g_weekPlanNames[kFirstFreeWeekPlan] = "sprints";
    }
    ~ManagerFile() override { world->Clear(); }

    static SampleWorldSize Size() {
        SampleWorldSize size;
        size.continents = 1;
        size.clubs = 3;
        size.players = 4;
        return size;
    }

    std::vector<uint8_t> Bytes(const CManager& m) const {
        MemoryFile f;
        EXPECT_TRUE(m.Write(f));
        return f.Bytes();
    }

    // A reader that starts from a manager of its own in the same world.
    std::unique_ptr<CManager> Target() const {
        auto target = std::make_unique<CManager>();
        target->world = world.get();
        target->lastName = "Target";
        target->club = target->nationalTeam = target->nextClub = &g_noClubTeam;
        return target;
    }

    // Reading bytes fails, and the target and the week plans, as they are
    // at the program's start, stay as they were.
    void ExpectRefused(const std::vector<uint8_t>& bytes, const std::string& what) const {
        const auto units = g_freeWeekPlanUnits;
        const auto names = g_weekPlanNames;
        ResetFreeWeekPlans();
        ResetWeekPlanNames();
        const auto target = Target();
        const std::vector<uint8_t> before = Bytes(*target);
        MemoryFile in(bytes);
        EXPECT_FALSE(target->Read(in)) << what;
        EXPECT_EQ(Bytes(*target), before) << what;
        EXPECT_EQ(target->continent, nullptr) << what;
        EXPECT_EQ(g_freeWeekPlanUnits[1], GetWeekPlanUnits(0)) << what;
        EXPECT_EQ(g_weekPlanNames[kFirstFreeWeekPlan], "free 2") << what;
        g_freeWeekPlanUnits = units;
        g_weekPlanNames = names;
    }

    // Where the bytes written for a and b first differ.
    size_t FirstDifference(const CManager& a, const CManager& b) const {
        const std::vector<uint8_t> x = Bytes(a), y = Bytes(b);
        return static_cast<size_t>(std::mismatch(x.begin(), x.end(), y.begin(), y.end()).first - x.begin());
    }

    std::unique_ptr<CWorld> world;
    CManager manager;
};

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    for (size_t i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Fields land at their places in the record: a manager without club or
// own player, named "L" and "F", with an empty diary and no skills. The
// history follows the commitment variants at byte 1958.
TEST(ManagerFileLayout, FieldsLandAtTheirPlaces) {
    struct Case {
        const char* what;
        std::function<void(CManager&)> set;
        size_t at;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"club: none", [](CManager&) {}, 0, {0, 0, 0, 0xFF}},
        {"last name", [](CManager&) {}, 4, {1, 'L'}},
        {"next match's day code", [](CManager& m) { m.nextMatchDayCode = 0x0A0B; }, 10, {0x0B, 0x0A}},
        {"coaching level, first name", [](CManager& m) { m.coachingLevel = 7; }, 120, {7, 1, 'F'}},
        {"weekly balance", [](CManager& m) { m.weeklyBalance[1] = 0x01020304; }, 139, {4, 3, 2, 1}},
        {"automatic reordering", [](CManager& m) { m.noAutoReorder = 1; }, 407, {1}},
        {"transfer talks, day slots", [](CManager& m) {
             m.transferTalksLeft = 3;
             m.daySlots[0] = 0x0102;
         }, 504, {3, 0, 0, 0, 2, 1}},
        {"diary count, weekly strength", [](CManager& m) { m.weeklyStrength[0] = 9; }, 1248, {0, 0, 9}},
        {"skill scroll, skill count", [](CManager& m) { m.skillScroll = 6; }, 1660, {6, 0, 0, 0, 0, 0}},
        {"promotions first", [](CManager& m) { m.promotions = 11; }, 1666, {11}},
        {"balance last", [](CManager& m) { m.balance = -2; }, 1726, {0xFE, 0xFF, 0xFF, 0xFF}},
        {"next contract flag", [](CManager& m) { m.hasNextContract = 1; }, 1768, {1}},
        {"national coach's salary, no own player",
         [](CManager& m) { m.nationalCoachSalary = 5; }, 1791, {5, 0, 0, 0, 0}},
        {"free plan units", [](CManager&) { g_freeWeekPlanUnits[0][0] = 4; }, 1796, {4, kFreeUnit}},
        {"free plan names", [](CManager&) {}, 1841, {6, 'f', 'r', 'e', 'e', ' ', '1'}},
        {"commitment variants", [](CManager& m) { m.commitmentVariant[0] = 2; }, 1910, {2, 0}},
    };
    for (const Case& c : cases) {
        CManager m;
        m.lastName = "L";
        m.firstName = "F";
        m.ownPlayer.reset();
        c.set(m);
        MemoryFile f;
        ASSERT_TRUE(m.Write(f)) << c.what;
        const std::vector<uint8_t>& bytes = f.Bytes();
        ASSERT_LE(c.at + c.bytes.size(), bytes.size()) << c.what;
        EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + static_cast<long>(c.at),
                                       bytes.begin() + static_cast<long>(c.at + c.bytes.size())),
                  c.bytes)
            << c.what;
        MemoryFile history;
        ASSERT_TRUE(m.history.Write(history));
        EXPECT_EQ(bytes.size(), 1958 + history.Bytes().size() + 4) << c.what << ": two empty property lists";
        ResetFreeWeekPlans();
    }
}

// Written, read back into another manager and written again: the same
// bytes, the reader took every byte, and the place, the owned objects and
// the free week plans came back.
TEST_F(ManagerFile, ReadBackWritesTheSameBytes) {
    struct Case {
        const char* what;
        std::function<void(CManager&)> change;
    };
    const Case cases[] = {
        {"every member set", [](CManager&) {}},
        {"player-manager, empty diary, no skills or property",
         [](CManager& m) {
             m.ownPlayer.reset();
             m.diary.clear();
             m.DeleteOwnedItems();
         }},
        {"no club, no national team, no next club",
         [](CManager& m) { m.club = m.nationalTeam = m.nextClub = &g_noClubTeam; }},
        {"a club of another nation's second league",
         [](CManager& m) {
             m.nation = m.continent->nations[1].get();
             m.league = m.nation->leagues[1].get();
             m.club = m.league->clubs[2].get();
             m.nationalTeam = &m.nation->nationalTeam;
         }},
    };
    for (const Case& c : cases) {
        FillSampleManager(manager, *world);
        c.change(manager);
        const std::vector<uint8_t> bytes = Bytes(manager);
        ResetFreeWeekPlans();
        ResetWeekPlanNames();

        const auto copy = Target();
        MemoryFile in(bytes);
        ASSERT_TRUE(copy->Read(in)) << c.what;
        EXPECT_EQ(in.Position(), bytes.size()) << c.what;
        EXPECT_EQ(Bytes(*copy), bytes) << c.what;
        EXPECT_EQ(g_freeWeekPlanUnits[1][0], 7) << c.what;
        EXPECT_EQ(g_weekPlanNames[kFirstFreeWeekPlan], "sprints") << c.what;

        const bool hasClub = manager.club != &g_noClubTeam;
        EXPECT_EQ(copy->club, manager.club) << c.what;
        EXPECT_EQ(copy->nationalTeam, manager.nationalTeam) << c.what;
        EXPECT_EQ(copy->nextClub, manager.nextClub) << c.what;
        if (hasClub) {
            EXPECT_EQ(copy->league, manager.league) << c.what;
            EXPECT_EQ(copy->nation, manager.nation) << c.what;
            EXPECT_EQ(copy->continent, manager.continent) << c.what;
        } else {
            EXPECT_NE(copy->league, nullptr) << c.what << ": placed where he lives";
        }
        EXPECT_EQ(copy->ownPlayer != nullptr, manager.ownPlayer != nullptr) << c.what;
        EXPECT_EQ(copy->history, manager.history) << c.what;
    }
}

// What the file keeps apart from the record is not touched by a read.
TEST_F(ManagerFile, ReadKeepsWhatTheRecordDoesNotHold) {
    const std::vector<uint8_t> bytes = Bytes(manager);
    const auto target = Target();
    std::vector<std::string> news;
    target->newsList = &news;
    target->birthday = 0x07C00101;
    target->clubCareerNames = {"IK Norheim"};
    target->trainingWeekNames = {"my week"};
    MemoryFile in(bytes);
    ASSERT_TRUE(target->Read(in));
    EXPECT_EQ(target->newsList, &news);
    EXPECT_EQ(target->birthday, 0x07C00101u);
    EXPECT_EQ(target->clubCareerNames, std::vector<std::string>{"IK Norheim"});
    EXPECT_EQ(target->trainingWeekNames, std::vector<std::string>{"my week"});
}

TEST_F(ManagerFile, EveryCutFailsAndLeavesTheManagerAsItWas) {
    const std::vector<uint8_t> bytes = Bytes(manager);
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        ExpectRefused(std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<long>(cut)),
                      "cut at " + std::to_string(cut));
}

// Each counted list's count raised to the largest it can say, with the
// rest of the record behind it.
TEST_F(ManagerFile, CountsBeyondTheRestAreRefused) {
    struct Case {
        const char* what;
        std::function<void(CManager&)> oneMore;
    };
    const Case cases[] = {
        {"diary", [](CManager& m) { m.diary.push_back(1); }},
        {"coaching skills", [](CManager& m) { m.coachingSkills.push_back(std::make_unique<CCoachingSkill>()); }},
        {"used property", [](CManager& m) { m.usedProperty.push_back(std::make_unique<CProperty>()); }},
        {"further property", [](CManager& m) { m.furtherProperty.push_back(std::make_unique<CProperty>()); }},
    };
    for (const Case& c : cases) {
        CManager longer;
        FillSampleManager(longer, *world);
        c.oneMore(longer);
        const size_t count = FirstDifference(manager, longer);
        std::vector<uint8_t> bytes = Bytes(manager);
        ASSERT_LT(count + 1, bytes.size()) << c.what;
        bytes[count] = bytes[count + 1] = 0xFF;
        ExpectRefused(bytes, c.what);
    }
}

// References that name nothing in the world, or not what they must name.
TEST_F(ManagerFile, UnresolvableReferencesAreRefused) {
    const size_t nationalRef = 4 + 1 + manager.lastName.size();
    CManager otherNextClub;
    FillSampleManager(otherNextClub, *world);
    otherNextClub.nextClub = manager.league->clubs[0].get();
    const size_t nextClubRef = FirstDifference(manager, otherNextClub);

    struct Case {
        const char* what;
        size_t at;
        WorldRef ref;
    };
    const Case cases[] = {
        {"club of a missing continent", 0, PackWorldRef(9, 0, 0, 0)},
        {"club of a missing nation", 0, PackWorldRef(0, 9, 0, 0)},
        {"club of a missing league", 0, PackWorldRef(0, 0, 9, 0)},
        {"missing club", 0, PackWorldRef(0, 0, 0, 9)},
        {"a national team as his club", 0, PackWorldRef(0, 0, kRefNationLevel, kRefNationalTeam)},
        {"a club as his national team", nationalRef, PackWorldRef(0, 0, 0, 1)},
        {"national team of a missing nation", nationalRef, PackWorldRef(0, 9, kRefNationLevel, kRefNationalTeam)},
        {"missing next club", nextClubRef, PackWorldRef(0, 0, 0, 9)},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = Bytes(manager);
        PutU32(bytes, c.at, c.ref);
        ExpectRefused(bytes, c.what);
    }
}

TEST_F(ManagerFile, WithoutAWorldNothingResolves) {
    const std::vector<uint8_t> bytes = Bytes(manager);
    CManager target;
    MemoryFile in(bytes);
    EXPECT_FALSE(target.Read(in));
    EXPECT_EQ(target.lastName, CManager().lastName);
}

// Skills and property items the tables do not know spoil the record.
TEST_F(ManagerFile, UnknownSkillsAndPropertyKindsAreRefused) {
    struct Case {
        const char* what;
        std::function<void(CManager&)> change;
    };
    const Case cases[] = {
        {"skill group", [](CManager& m) { m.coachingSkills[0]->group = CManager::kSkillGroups; }},
        {"selection rule", [](CManager& m) { m.coachingSkills[0]->selectionRule = 8; }},
        {"benefit kind", [](CManager& m) { m.coachingSkills[1]->kinds[0] = 61; }},
        {"downside kind", [](CManager& m) { m.coachingSkills[1]->kinds[2] = -46; }},
        {"property kind", [](CManager& m) { m.furtherProperty[0]->kind = CProperty::kKinds; }},
    };
    for (const Case& c : cases) {
        CManager bad;
        FillSampleManager(bad, *world);
        c.change(bad);
        ExpectRefused(Bytes(bad), c.what);
    }
}

}  // namespace
