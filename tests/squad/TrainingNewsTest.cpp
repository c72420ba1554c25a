#include <gtest/gtest.h>

#include "squad/TrainingNews.h"
#include "tests/squad/TrainingFixture.h"

namespace {

CPlayer Named() {
    CPlayer p;
    p.firstName = "Ole";
    p.nickname = "Bear";
    p.lastName = "Dahl";
    return p;
}

}  // namespace

TEST(TrainingNews, TheWordsOfEachEvent) {
    const CPlayer p = Named();
    struct Case {
        TrainingNotice notice;
        const char* news;
        const char* caption;
        const char* text;
        int extra;
    };
    const Case cases[] = {
        {DescribeSickness(p, "bronchitis", 9), "Ole Dahl sick", "player is sick",
         "Ole Dahl suffers from bronchitis and will not be available for 9 days.", 5},
        {DescribeAbsence(p, true, false, 12), "Ole Dahl on vacation", "player on vacation",
         "Ole Dahl is going on vacation, and will not be available for 12 days.", 2},
        {DescribeAbsence(p, false, false, 7), "Ole Dahl busy with the job", "player busy with his job",
         "Ole Dahl is informing you that he doesn't have time for the club the next 7 days.", 2},
        {DescribeAbsence(p, false, true, 21), "Ole Dahl busy with the job", "player busy with her job",
         "Ole Dahl is informing you that she doesn't have time for the club the next 21 days.", 2},
        {DescribeSkillImproved(p, kSkillShotPrecision), "Ole Dahl : Skill sh. precision improved", "improved skill",
         "Ole Dahl has improved his skill sh. precision and is now able to concentrate on a new challenge.", 0},
        {DescribeReturn(p, true), "Ole Dahl is going back to the youth team.", "", "", 0},
        {DescribeReturn(p, false), "Ole Dahl is going back to the amateur team.", "", "", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.notice.news, c.news);
        EXPECT_EQ(c.notice.caption, c.caption);
        EXPECT_EQ(c.notice.text, c.text);
        EXPECT_EQ(c.notice.boxExtra, c.extra);
    }
    EXPECT_EQ(DescribeSickness(p, "flu", 3).newsColour, 0x000060u);
    EXPECT_EQ(DescribeSkillImproved(p, 0).newsColour, 0x006000u);
    EXPECT_EQ(DescribeReturn(p, true).newsColour, 0x080810u);

    CPlayer keeper = Named();
    keeper.positions = kGoalkeeper;
    EXPECT_EQ(DescribeSkillImproved(keeper, kKeeperSevenMetreKiller).news, "Ole Dahl : Skill 7m-killer improved");
}

using TrainingAnnouncement = TrainingFixture;

TEST_F(TrainingAnnouncement, AReturnIsNewsWithoutABox) {
    Announce(DescribeReturn(Named(), false));
    EXPECT_TRUE(runner.Records().empty());
    ASSERT_EQ(news.size(), 1u);
}
