#include <gtest/gtest.h>

#include "platform/Random.h"
#include "squad/SquadVocabulary.h"
#include "squad/Training.h"
#include "squad/TrainingNews.h"
#include "tests/squad/TrainingFixture.h"

namespace {

constexpr int kThursday = 5;
constexpr uint16_t kAway = CPlayer::kAbsent | CPlayer::kInjured;

int DaysLeft(const CPlayer& p) { return p.status >> CPlayer::kDaysOutShift; }

// A seed whose first draw of the week's player events (0-11999) lies in
// [low, high): a whole week's run draws it first for its first player.
uint32_t SeedForEventDraw(int low, int high) {
    for (uint32_t seed = 0;; ++seed) {
        SeedRandom(seed);
        const int draw = RandBelow(12000);
        if (draw >= low && draw < high) {
            SeedRandom(seed);
            return seed;
        }
    }
}

}  // namespace

using TrainingUnits = TrainingFixture;

TEST_F(TrainingUnits, NothingHappensWithoutUnits) {
    CPlayer& p = Add();
    p.status = CPlayer::kInjured | 5 << CPlayer::kDaysOutShift;
    const CPlayer before = p;
    for (auto [from, to] : {std::pair{3, 3}, {5, 2}, {-1, 3}}) {
        team.RunTrainingUnits(from, to);
        EXPECT_EQ(p.status, before.status);
        EXPECT_EQ(p.fitness, before.fitness);
        EXPECT_EQ(p.freshness, before.freshness);
    }
}

TEST_F(TrainingUnits, AWeekCountsSevenDaysHoweverItIsSplit) {
    TrainingWeekScope thirteen(13);
    FillWeek(kFreeUnit);
    CPlayer& sick = Add();
    sick.status = CPlayer::kInjured | 7 << CPlayer::kDaysOutShift;
    team.injuries = {21 << 8 | 0};
    CPlayer& away = Add();
    away.status = CPlayer::kAbsent | 8 << CPlayer::kDaysOutShift;

    for (int day = Weekday::kMonday; day <= kThursday; ++day) {
        const TrainingUnitRange r = TrainingUnitsOfDay(day);
        team.RunTrainingUnits(r.from, r.to);
    }
    EXPECT_EQ(DaysLeft(sick), 2);
    EXPECT_TRUE(sick.status & CPlayer::kInjured);
    EXPECT_EQ(team.injuries.size(), 1u);

    // The sick player is back on the run whose days reach 0, and his
    // entry in the illness list goes with it.
    const TrainingUnitRange friday = TrainingUnitsOfDay(Weekday::kFriday);
    team.RunTrainingUnits(friday.from, friday.to);
    EXPECT_EQ(sick.status & (kAway | 0xFF00), 0);
    EXPECT_TRUE(team.injuries.empty());
    EXPECT_EQ(DaysLeft(away), 1);
    EXPECT_TRUE(away.status & CPlayer::kAbsent);
}

TEST_F(TrainingUnits, SuspensionsAndTheAverageFormMoveOnlyAtTheEndOfTheWeek) {
    FillWeek(kFreeUnit);  // no coach, free units: no skill gains, form stays
    CPlayer& p = Add();
    p.status = 3;  // three matches of suspension
    p.averageForm = 4.0f;

    team.RunTrainingUnits(0, 3);  // Monday
    EXPECT_EQ(p.status & 0x1F, 3);
    EXPECT_FLOAT_EQ(p.averageForm, 4.0f);

    team.RunTrainingUnits(12, 15);  // Friday
    EXPECT_EQ(p.status & 0x1F, 2);
    EXPECT_FLOAT_EQ(p.averageForm, (10.0f + 2 * 4.0f) / 3);  // week 2
}

TEST_F(TrainingUnits, AFreeWeekTiresNoOneAndRestsEveryone) {
    // Fifteen free units: fitness -75, freshness +300, + 24 for a 15-unit
    // week and halved; fitness loses half the squad's mean of 50. Fitness
    // effect -(100 / 10) = -10, less 8 / 6 for the fitness skill 8; the
    // freshness effect root(16200) / 10 = 12.
    FillWeek(kFreeUnit);
    CPlayer& amateur = Add();
    CPlayer& pro = Add();
    pro.contractFlags = CPlayer::kProfessional;
    SeedForEventDraw(300, 12000);
    team.RunTrainingUnits(0, 15);
    ASSERT_EQ(amateur.status & kAway, 0);
    ASSERT_EQ(pro.status & kAway, 0);

    EXPECT_EQ(amateur.fitness, 50 - 75 * 11 / 100);
    EXPECT_EQ(amateur.freshness, 50 + 100 * 12 / 100);
    EXPECT_EQ(pro.fitness, 50 - 75 * 11 / 100 * 4 / 5);
    EXPECT_EQ(pro.freshness, 50 + 100 * 12 / 100 * 13 / 10);
}

TEST_F(TrainingUnits, TheWeeksEventDrawDecidesSicknessAndAbsence) {
    struct Case {
        const char* name;
        int drawLow, drawHigh;
        int health;
        bool professional;
        uint16_t status;  // the mark the player gets
        int sickness;     // the illness entry's kind, -1 none
        int leastDays, mostDays;
    };
    const Case cases[] = {
        {"flu", 0, 36, kHealthNormal, false, CPlayer::kInjured, 21, 3, 8},
        {"gland fever", 144, 150, kHealthNormal, true, CPlayer::kInjured, 26, 21, 35},
        {"often injured falls sick at 7/8 of the draw", 168, 176, kOftenInjured, true, CPlayer::kInjured, 26, 21, 35},
        {"vacation or job", 150, 300, kHealthNormal, false, CPlayer::kAbsent, -1, 7, 21},
        {"a professional is never away for his job", 150, 300, kHealthNormal, true, 0, -1, 0, 0},
        {"a quiet week", 300, 12000, kHealthNormal, false, 0, -1, 0, 0},
    };
    FillWeek(kFreeUnit);
    for (const Case& c : cases) {
        team.squad.clear();
        team.injuries.clear();
        CPlayer& p = Add();
        p.popularityHealth = static_cast<uint8_t>(c.health << 2);
        if (c.professional)
            p.contractFlags = CPlayer::kProfessional;
        SeedForEventDraw(c.drawLow, c.drawHigh);
        team.RunTrainingUnits(0, 15);

        EXPECT_EQ(p.status & kAway, c.status) << c.name;
        if (c.sickness >= 0) {
            ASSERT_EQ(team.injuries.size(), 1u) << c.name;
            EXPECT_EQ(team.injuries[0], c.sickness << 8 | 0) << c.name;
        } else {
            EXPECT_TRUE(team.injuries.empty()) << c.name;
        }
        if (c.status) {
            EXPECT_GE(DaysLeft(p), c.leastDays) << c.name;
            EXPECT_LE(DaysLeft(p), c.mostDays) << c.name;
        }
    }
}

TEST_F(TrainingUnits, ASquadWithoutFieldPlayersLosesNoSkillValues) {
    // The chance of a loss grows with the field players' mean skill value;
    // with none it is 0, and without coaches a goalkeeper gains nothing.
    FillWeek(kFreeUnit);
    CPlayer& keeper = Add(kGoalkeeper);
    keeper.contractFlags = CPlayer::kProfessional;
    const auto skills = keeper.attributes;
    SeedRandom(5);
    for (int week = 0; week < 50; ++week) {
        keeper.status = 0;
        team.RunTrainingUnits(0, 15);
    }
    EXPECT_EQ(keeper.attributes, skills);

    CPlayer& field = Add();
    field.contractFlags = CPlayer::kProfessional;
    team.RunTrainingUnits(0, 15);
    int total = 0;
    for (int s = 0; s < kSkillCount; ++s)
        total += field.GetAttribute(s);
    EXPECT_LT(total, 80);  // mean 8: a loss chance of 32 % per skill
}

TEST_F(TrainingUnits, AFullSkillTrainingRaisesTheSkillAndTellsTheUser) {
    MakeUsersClub();
    FillWeek(21);  // "playing combinations": creativity gains are certain
    CPlayer& p = Add();
    p.contractFlags = CPlayer::kProfessional;
    p.strengthTalent = 0x64;  // talent 4
    p.skillTraining = CPlayer::kSkillInTraining | 2 << 5 | kSkillCreativity;  // to level 2
    p.skillProgress = 200;
    SeedForEventDraw(300, 12000);  // U / n is 15 / 14: still no event
    team.RunTrainingUnits(1, 15);

    EXPECT_EQ(p.GetSkillLevel(kSkillCreativity), 2);
    EXPECT_EQ(p.skillTraining, CPlayer::kSkillInTraining | 3 << 5 | kSkillCreativity);
    EXPECT_EQ(p.skillProgress, 0);
    ASSERT_EQ(runner.Records().size(), 1u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.title, "improved skill");
    EXPECT_EQ(box.text, "Jens Holm0 has improved his skill creativity and is now able to concentrate on a new challenge.");
    EXPECT_EQ(box.flags, 0xA1u);
    EXPECT_EQ(box.extra, 0);
    ASSERT_EQ(news.size(), 1u);
    EXPECT_EQ(news[0].rfind("Jens Holm0 : Skill creativity improved", 0), 0u);
}

TEST_F(TrainingUnits, ASkillBeyondTheTalentEndsInGeneralTraining) {
    FillWeek(21);
    CPlayer& p = Add();
    p.contractFlags = CPlayer::kProfessional;
    p.strengthTalent = 0x62;  // talent 2: level 3 is out of reach
    p.skillTraining = CPlayer::kSkillInTraining | 2 << 5 | kSkillCreativity;
    p.skillProgress = 200;
    SeedForEventDraw(300, 12000);
    team.RunTrainingUnits(1, 15);
    EXPECT_EQ(p.GetSkillLevel(kSkillCreativity), 2);
    EXPECT_EQ(p.skillTraining, CPlayer::kGeneralTrainingStart);
    EXPECT_TRUE(runner.Records().empty());  // not the user's team
    EXPECT_TRUE(news.empty());
}

TEST_F(TrainingUnits, TheUsersSickPlayerIsAnnouncedWordForWord) {
    MakeUsersClub();
    FillWeek(kFreeUnit);
    CPlayer& p = Add();
    SeedForEventDraw(0, 36);
    team.RunTrainingUnits(0, 15);

    ASSERT_TRUE(p.status & CPlayer::kInjured);
    ASSERT_GE(runner.Records().size(), 1u);
    const ModalRecord& box = runner.Records()[0];
    EXPECT_EQ(box.kind, "message");
    EXPECT_EQ(box.title, "player is sick");
    EXPECT_EQ(box.text, "Jens Holm0 suffers from flu and will not be available for " + std::to_string(DaysLeft(p)) +
                            " days.");
    EXPECT_EQ(box.flags, 0xA1u);
    EXPECT_EQ(box.extra, 5);
    ASSERT_GE(news.size(), 1u);
    EXPECT_EQ(news[0].rfind("Jens Holm0 sick", 0), 0u);
}

TEST_F(TrainingUnits, TheUsersAbsentPlayerIsAnnounced) {
    MakeUsersClub();
    FillWeek(kFreeUnit);
    CPlayer& p = Add();
    SeedForEventDraw(150, 300);
    team.RunTrainingUnits(0, 15);

    ASSERT_TRUE(p.status & CPlayer::kAbsent);
    ASSERT_GE(runner.Records().size(), 1u);
    const ModalRecord& box = runner.Records()[0];
    const bool vacation = box.title == "player on vacation";
    const TrainingNotice expected = DescribeAbsence(p, vacation, false, DaysLeft(p));
    EXPECT_EQ(box.title, expected.caption);
    EXPECT_EQ(box.text, expected.text);
    EXPECT_EQ(box.flags, 0xA1u);
    EXPECT_EQ(box.extra, 2);
    EXPECT_EQ(news[0].rfind(expected.news, 0), 0u);
}

TEST_F(TrainingUnits, TrialPlayersGoBackInTheLastWeekOfTheMonth) {
    struct Case {
        Date date;
        uint16_t marks;
        bool leaves;
        bool toYouth;
    };
    const Case cases[] = {
        {Date(2023, 7, 25), 0x0001, true, true},
        {Date(2023, 7, 25), 0x0002, true, false},
        {Date(2023, 7, 24), 0x0001, false, false},  // 24 of 31 is not in the last 7 days
        {Date(2023, 7, 25), 0x0011, false, false},  // his return is held back
        {Date(2024, 2, 22), 0x0002, true, false},   // February counts 28 days, leap year or not
    };
    MakeUsersClub();
    FillWeek(kFreeUnit);
    for (const Case& c : cases) {
        GameDateScope date(c.date);
        team.squad.clear();
        team.youth.clear();
        team.amateurs.clear();
        news.clear();
        Add().contractFlags = CPlayer::kProfessional;
        CPlayer& trial = Add();
        trial.contractFlags = CPlayer::kProfessional;
        trial.styleTraits = c.marks;
        team.lineup[kSlotFirstDefence] = 2;
        SeedForEventDraw(300, 12000);
        team.RunTrainingUnits(1, 15);  // not Monday: nobody leaves
        ASSERT_EQ(team.squad.size(), 2u);
        team.RunTrainingUnits(0, 3);

        const PlayerList& target = c.toYouth ? team.youth : team.amateurs;
        if (!c.leaves) {
            EXPECT_EQ(team.squad.size(), 2u);
            continue;
        }
        ASSERT_EQ(team.squad.size(), 1u);
        ASSERT_EQ(target.size(), 1u);
        EXPECT_EQ(target[0]->styleTraits & 0x03, 0);
        EXPECT_NE(team.lineup[kSlotFirstDefence], 2);
        ASSERT_GE(news.size(), 1u);
        const std::string expected = c.toYouth ? "Jens Holm1 is going back to the youth team."
                                               : "Jens Holm1 is going back to the amateur team.";
        EXPECT_EQ(news[0].rfind(expected, 0), 0u);
    }
}
