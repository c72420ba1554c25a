#include <gtest/gtest.h>

#include "platform/Date.h"
#include "world/Manager.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"

TEST(Manager, StartsAsANewManagerWithoutClub) {
    CManager manager;
    EXPECT_EQ(manager.lastName, "plastname");
    EXPECT_EQ(manager.firstName, "Pfirstname");
    EXPECT_EQ(manager.coachingLevel, 1);
    EXPECT_EQ(UnpackDate(manager.birthday), Date(1980, 1, 1));
    EXPECT_NE(manager.ownPlayer, nullptr);
    EXPECT_EQ(manager.nationalTeam, &g_noClubTeam);
    EXPECT_EQ(manager.nextClub, &g_noClubTeam);
    EXPECT_EQ(manager.newsList, nullptr);
}

TEST(Manager, ResetCareerStateKeepsMoneyAndLevel) {
    CManager manager;
    manager.coachingLevel = 4;
    manager.balance = 12345;
    manager.salary = 90000;
    manager.championships = 3;
    manager.merchandisePrice[0] = 1;
    manager.statisticsBookmarks = {0x02000100};
    manager.statisticsBookmarkNames = {"teams"};
    manager.ResetCareerState();

    for (int g = 0; g < CManager::kSkillGroups; ++g) {
        EXPECT_EQ(manager.skillGroupLevel[g], 4);
        EXPECT_EQ(manager.skillGroupPoints[g], 4);
        EXPECT_EQ(manager.skillGroupProgress[g], 0);
    }
    const std::array<int32_t, 5> prices = {4500, 1600, 1200, 1400, 600};
    for (size_t k = 0; k < prices.size(); ++k)
        EXPECT_EQ(manager.merchandisePrice[k], prices[k]);
    EXPECT_EQ(manager.salary, 0);
    EXPECT_EQ(manager.championships, 0);
    EXPECT_TRUE(manager.statisticsBookmarks.empty());
    EXPECT_TRUE(manager.statisticsBookmarkNames.empty());
    EXPECT_EQ(manager.balance, 12345);
    EXPECT_EQ(manager.coachingLevel, 4);
}

TEST(Manager, NewsNeedsTheWindowsList) {
    CManager manager;
    manager.AddNews("lost", CManager::kNewsRed);

    std::vector<std::string> news;
    manager.newsList = &news;
    manager.AddNews("won", CManager::kNewsGreen);
    ASSERT_EQ(news.size(), 1u);
    EXPECT_EQ(news[0], std::string("won") + '\0' + '\x60' + '\0');
}
