#include <gtest/gtest.h>

#include "platform/Random.h"
#include "tests/app/MessageBoxFixture.h"
#include "tests/world/PlayerSamples.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

TEST(PlayerSkills, OnlyTwoSkillsMayBeOffTheNormalLevel) {
    CPlayer p;
    p.SetSkillLevel(1, 3);
    p.SetSkillLevel(4, 2);
    EXPECT_TRUE(p.ChangeSkillLevel(7, 1));
    EXPECT_EQ(p.GetSkillLevel(1), 3);
    EXPECT_EQ(p.GetSkillLevel(4), kNormalSkill);
    EXPECT_EQ(p.GetSkillLevel(7), 2);

    // On a tie the later skill makes room; a deficit stays before a skill.
    EXPECT_TRUE(p.ChangeSkillLevel(7, 1));
    EXPECT_TRUE(p.ChangeSkillLevel(0, -1));
    EXPECT_EQ(p.GetSkillLevel(7), kNormalSkill);
    EXPECT_EQ(p.GetSkillLevel(1), 3);
    EXPECT_EQ(p.GetSkillLevel(0), kSkillDeficit);
    EXPECT_TRUE(p.ChangeSkillLevel(9, 1));
    EXPECT_EQ(p.GetSkillLevel(1), kNormalSkill);
    EXPECT_EQ(p.GetSkillLevel(0), kSkillDeficit);

    CPlayer deficits;
    deficits.SetSkillLevel(2, 0);
    deficits.SetSkillLevel(3, 0);
    EXPECT_FALSE(deficits.ChangeSkillLevel(5, 1));
    EXPECT_EQ(deficits.GetSkillLevel(5), kNormalSkill);
}

TEST(PlayerSkills, LevelsStayWithinTheirRange) {
    CPlayer p;
    p.SetSkillLevel(2, 4);
    EXPECT_FALSE(p.ChangeSkillLevel(2, 1));
    EXPECT_EQ(p.GetSkillLevel(2), 4);
    EXPECT_TRUE(p.ChangeSkillLevel(6, -1));
    EXPECT_FALSE(p.ChangeSkillLevel(6, -1));
    EXPECT_FALSE(p.ChangeSkillLevel(10, 1));
}

TEST(PlayerSkills, TrainingOneSkillAndBack) {
    CPlayer p;
    p.strengthTalent = 0x52;  // talent 2
    p.skillProgress = 100;
    p.SetSkillTraining(3);
    EXPECT_EQ(p.skillTraining, 0xA3);
    EXPECT_EQ(p.skillProgress, 100);
    EXPECT_EQ(p.GetSkillInTraining(), 3);

    p.AdvanceSkillTraining(13);
    EXPECT_EQ(p.skillProgress, 106);
    p.AdvanceSkillTraining(4);
    EXPECT_EQ(p.skillProgress, 106);
    p.SetTrait(false, kDiligentPlayer, false);
    p.AdvanceSkillTraining(3);
    EXPECT_EQ(p.skillProgress, 113);

    p.SetSkillTraining(-1);
    EXPECT_EQ(p.skillTraining, CPlayer::kGeneralTrainingStart);
    EXPECT_EQ(p.skillProgress, 113 / 16);
}

TEST(PlayerSkills, TrainingState) {
    CPlayer p;
    p.strengthTalent = 0x53;
    p.skillTraining = 0x40;  // general training at level 2
    p.skillProgress = 150;
    int level = -1;
    int progress = -1;
    EXPECT_TRUE(p.GetSkillTrainingState(-1, level, progress));
    EXPECT_EQ(level, 2);
    EXPECT_EQ(progress, 150);
    EXPECT_TRUE(p.GetSkillTrainingState(5, level, progress));
    EXPECT_EQ(level, 1);
    EXPECT_EQ(progress, 200);  // 300 + 200, at most 200

    p.SetSkillLevel(5, 4);
    EXPECT_FALSE(p.GetSkillTrainingState(5, level, progress));
    EXPECT_EQ(progress, 0);
    p.strengthTalent = 0x50;  // talent 0 trains no normal skill
    EXPECT_FALSE(p.GetSkillTrainingState(6, level, progress));
}

TEST(PlayerSkills, GeneralTrainingRaisesItsLevelWithinTheTalent) {
    for (int talent : {1, 3}) {
        CPlayer p;
        p.strengthTalent = static_cast<uint8_t>(0x50 | talent);
        p.skillProgress = 200;
        SeedRandom(5);
        for (int i = 0; i < 1000 && p.skillProgress == 200 && p.skillTraining == 0x20; ++i)
            p.AdvanceSkillTraining(0);
        if (talent == 3) {
            EXPECT_EQ(p.skillTraining, 0x40);
            EXPECT_EQ(p.skillProgress, 0);
        } else {
            EXPECT_EQ(p.skillTraining, 0x20);
            EXPECT_EQ(p.skillProgress, 200);
        }
    }
}

TEST(PlayerSkills, SkillInTrainingName) {
    CPlayer p;
    EXPECT_EQ(p.GetSkillInTrainingName(), "");
    p.SetSkillTraining(kSkillShotPrecision);
    EXPECT_EQ(p.GetSkillInTrainingName(), "shot precision");
    p.positions = 0;
    p.skillTraining = CPlayer::kSkillInTraining | kKeeperSevenMetreKiller;
    EXPECT_EQ(p.GetSkillInTrainingName(), "7m-killer");
}

TEST(PlayerSkills, AttackAndDefenceRatings) {
    const struct {
        int height;
        int strength;
        int attack;
        int defence;
    } cases[] = {{200, 2, 1, 1}, {180, 10, 3, 3}, {150, 1, 0, 0}, {180, 3, 1, 1}};
    for (const auto& c : cases) {
        CPlayer p;
        p.height = static_cast<uint8_t>(c.height);
        p.strengthTalent = static_cast<uint8_t>(c.strength << 4 | 3);
        int attack = -1;
        int defence = -1;
        p.GetAttackDefenceRatings(attack, defence);
        EXPECT_EQ(attack, c.attack) << c.height << " " << c.strength;
        EXPECT_EQ(defence, c.defence) << c.height << " " << c.strength;
    }
}

TEST(PlayerSkills, SkillDeclineLowersASkillOrTheDefence) {
    // At age 2 a fifth of the draws reach the decline.
    GameDateScope date(Date(1982, 6, 1));
    SeedRandom(9);
    int lost = 0;
    int reduced = 0;
    for (int i = 0; i < 200; ++i) {
        CPlayer p;
        p.SetSkillLevel(6, 3);
        const SkillDecline d = p.CheckSkillDecline();
        if (d.kind == SkillDecline::kNone) {
            EXPECT_EQ(p.GetSkillLevel(6), 3);
            EXPECT_EQ(p.strengthOffset, 0);
        } else if (d.kind == SkillDecline::kSkillLost) {
            ++lost;
            EXPECT_EQ(d.skill, 6);
            EXPECT_EQ(p.GetSkillLevel(6), 2);
        } else {
            ++reduced;
            EXPECT_GE(d.offsetChange, -14);
            EXPECT_LE(d.offsetChange, -5);
            EXPECT_EQ(p.strengthOffset, d.offsetChange);
        }
    }
    EXPECT_NEAR(lost + reduced, 40, 15);
    EXPECT_GT(lost, 0);
    EXPECT_GT(reduced, 0);
}

TEST(PlayerSkills, SkillDeclineIsRareForGrownPlayers) {
    GameDateScope date(Date(2010, 6, 1));
    CPlayer p;
    p.birthday = PackDate(Date(1980, 1, 1));  // 30: 13 of 32768 draws
    SeedRandom(11);
    int declines = 0;
    for (int i = 0; i < 32768; ++i)
        declines += p.CheckSkillDecline().kind != SkillDecline::kNone;
    EXPECT_LT(declines, 60);
}

TEST(PlayerSkills, SkillDeclineNotices) {
    CPlayer p;
    p.firstName = "Ole";
    p.nickname = "Bear";
    p.lastName = "Dahl";
    SkillDeclineNotice n = DescribeSkillDecline(p, {SkillDecline::kSkillLost, 8, 0});
    EXPECT_EQ(n.news, "Ole Dahl : Skill sh. precision worsened");
    EXPECT_EQ(n.caption, "lost skill");
    EXPECT_EQ(n.text, "Ole Dahl has lost the skill sh. precision and has to work harder again.");

    n = DescribeSkillDecline(p, {SkillDecline::kDefenceReduced, -1, -7});
    EXPECT_EQ(n.news, "Ole Dahl : defence strength reduced");
    EXPECT_EQ(n.caption, "defense deficit");
    EXPECT_EQ(n.text, "Ole Dahl is getting worse at the defence. The defence strength reduces by 7 %");

    p.positions = 0;
    EXPECT_EQ(DescribeSkillDecline(p, {SkillDecline::kSkillLost, 0, 0}).news, "Ole Dahl : Skill reflexes worsened");
}

class SkillDeclineAnnouncement : public MessageBoxFixture {
protected:
    void SetUp() override {
        MessageBoxFixture::SetUp();
        g_manager.club = &club;
        g_manager.newsList = &news;
    }
    void TearDown() override {
        g_manager.club = &g_noClubTeam;
        g_manager.newsList = nullptr;
        MessageBoxFixture::TearDown();
    }
    // Runs declines until one happens; young players decline often.
    SkillDecline DeclineOf(CPlayer& p) {
        GameDateScope date(Date(1982, 6, 1));
        SeedRandom(9);
        for (int i = 0; i < 100; ++i) {
            const SkillDecline d = p.CheckSkillDecline();
            if (d.kind != SkillDecline::kNone)
                return d;
        }
        return {};
    }
    CTeam club;
    std::vector<std::string> news;
};

TEST_F(SkillDeclineAnnouncement, TheUsersPlayersAreAnnounced) {
    club.squad.push_back(std::make_unique<CPlayer>());
    CPlayer& p = *club.squad[0];
    p.firstName = "Ole";
    p.lastName = "Dahl";
    const SkillDecline d = DeclineOf(p);
    ASSERT_NE(d.kind, SkillDecline::kNone);
    const SkillDeclineNotice notice = DescribeSkillDecline(p, d);

    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].title, notice.caption);
    EXPECT_EQ(runner.Records()[0].text, notice.text);
    EXPECT_EQ(runner.Records()[0].flags, 0xA1u);
    EXPECT_EQ(runner.Records()[0].extra, 1);
    ASSERT_EQ(news.size(), 1u);
    EXPECT_EQ(news[0].substr(0, notice.news.size()), notice.news);
}

TEST_F(SkillDeclineAnnouncement, OtherClubsPlayersAreNot) {
    CPlayer p;
    ASSERT_NE(DeclineOf(p).kind, SkillDecline::kNone);
    EXPECT_TRUE(runner.Records().empty());
    EXPECT_TRUE(news.empty());
}
