#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "career/Diary.h"
#include "tests/career/DiaryFixture.h"
#include "tests/world/CalendarWorldFixture.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"

namespace {

constexpr int kDay = 40;

// The manager runs club 1.1.1 (article 3: said with "the") on a contract
// in its last year; club 1.1.2 has no article.
class DiaryLabel : public ::testing::Test {
protected:
    void SetUp() override {
        world.ManageClub(0, 0);
        own = g_manager.club;
        other = world.League(0, 0).clubs[1].get();
        own->article = 3;
        own->squad[0]->nickname = "Ace";
        world.Nation(0, 0).freePlayers.push_back(MakeCalendarPlayer(1, 3, 7));
        Prepare();
    }

    // What the cases change, back as the fixture has it.
    void Prepare() {
        own->squad[0]->contractYears = 1;
        own->squad[0]->styleTraits = 0;
        g_manager.contractYears = 1;
        g_manager.hasNextContract = 0;
    }

    // The label and colour of a day that holds only this entry.
    bool LabelOf(uint32_t head, const std::vector<uint32_t>& data, std::string& label, Colour& colour) {
        g_manager.diary.clear();
        g_manager.daySlots.fill(0);
        BookDiaryEntry(kDay, head, data);
        return g_manager.GetDiaryEntryLabel(label, kDay, colour, kIndexColours);
    }

    CalendarWorld world;
    CTeam* own = nullptr;
    CTeam* other = nullptr;
};

TEST_F(DiaryLabel, EachKindNamesItsAppointmentInItsColour) {
    const uint32_t otherRef = g_manager.GetTeamRef(other);
    struct Case {
        uint32_t head;
        std::vector<uint32_t> data;
        const char* label;
        int colour;
    };
    const Case cases[] = {
        {DiaryHeadWord(DiaryKind::kContractExtension, 0, 0), {}, "contract extension Player 'Ace' 1-0-12", 31},
        {DiaryHeadWord(DiaryKind::kOwnPlayerTalks, 1, 0), {}, "negotiation Player 1-0-11", 31},
        {DiaryHeadWord(DiaryKind::kOtherPlayerTalks, 2, 1), {otherRef}, "negotiation Player 1-1-11", 31},
        {DiaryHeadWord(DiaryKind::kFreePlayerTalks, 0, 1), {0}, "negotiation Player 1-3-7", 31},
        {DiaryHeadWord(DiaryKind::kHospitalVisit, 0, 0), {}, "patient attendance Player 1-0-12", 32},
        {DiaryHeadWord(5, 0, 0), {}, "fan advertisement", 31},
        {DiaryHeadWord(10, 0, 0), {}, "managing com. discussion", 31},
        // The article brings its own blank.
        {DiaryHeadWord(DiaryKind::kOwnContractTalks, 0, 0), {}, "contract negotiations with  the Club 1.1.1", 33},
        {DiaryHeadWord(DiaryKind::kJobTalks, 0, 1), {otherRef}, "negotiation with Club 1.1.2", 33},
        {DiaryHeadWord(DiaryKind::kJobTalksNextSeason, 0, 1), {otherRef}, "negotiation with Club 1.1.2", 33},
        {DiaryHeadWord(DiaryKind::kOwnExtensionInquiry, 0, 0), {},
         "Inquiry for extension of your contract the Club 1.1.1", 33},
        {DiaryHeadWord(15, 0, 1), {0}, "press conference", 36},
        {DiaryHeadWord(20, 0, 1), {1}, "team party", 35},
        {DiaryHeadWord(DiaryKind::kTrainingCamp, 0, 1), {2}, "training camp", 34},
        {DiaryHeadWord(26, 0, 1), {7}, "tournament", 35},
        {DiaryHeadWord(DiaryKind::kTrainingCampDay, 0, 0), {}, "training camp", 34},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::string label = "> ";
        Colour colour = kBlack;
        ASSERT_TRUE(LabelOf(c.head, c.data, label, colour));
        EXPECT_EQ(label, std::string("> ") + c.label);
        EXPECT_EQ(colour, kIndexColours[c.colour]);
    }
}

TEST_F(DiaryLabel, EntriesWhoseSubjectIsGoneHaveNoLabel) {
    struct Case {
        const char* what;
        uint32_t head;
        std::vector<uint32_t> data;
        void (*setUp)(CTeam& own);
    };
    const Case cases[] = {
        {"a squad index past the squad", DiaryHeadWord(DiaryKind::kOwnPlayerTalks, 99, 0), {}, nullptr},
        {"a patient who left", DiaryHeadWord(DiaryKind::kHospitalVisit, 99, 0), {}, nullptr},
        {"an extension without contract years", DiaryHeadWord(DiaryKind::kContractExtension, 0, 0), {},
         [](CTeam& c) { c.squad[0]->contractYears = 0; }},
        {"an extension of a player new this season", DiaryHeadWord(DiaryKind::kContractExtension, 0, 0), {},
         [](CTeam& c) { c.squad[0]->styleTraits |= CPlayer::kChangedTeam; }},
        {"a free player no longer listed", DiaryHeadWord(DiaryKind::kFreePlayerTalks, 0, 1), {1}, nullptr},
        {"job talks with a club that is gone", DiaryHeadWord(DiaryKind::kJobTalks, 0, 1), {kRefNotFound}, nullptr},
        {"own contract talks with two years left", DiaryHeadWord(DiaryKind::kOwnContractTalks, 0, 0), {},
         [](CTeam&) { g_manager.contractYears = 2; }},
        {"an inquiry after next season's contract", DiaryHeadWord(DiaryKind::kOwnExtensionInquiry, 0, 0), {},
         [](CTeam&) { g_manager.hasNextContract = 1; }},
        {"an unknown kind", DiaryHeadWord(28, 0, 0), {}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Prepare();
        if (c.setUp)
            c.setUp(*own);
        std::string label;
        Colour colour = kBlack;
        EXPECT_FALSE(LabelOf(c.head, c.data, label, colour));
        EXPECT_EQ(label, "");
        EXPECT_EQ(colour, kBlack);
    }
}

TEST_F(DiaryLabel, SlotsThatLeadNowhereAreFreeDays) {
    std::string label;
    Colour colour = kBlack;
    BookDiaryEntry(kDay, DiaryHeadWord(5, 0, 0), {});
    EXPECT_FALSE(g_manager.GetDiaryEntryLabel(label, kDay + 1, colour, kIndexColours));  // slot 0
    EXPECT_FALSE(g_manager.GetDiaryEntryLabel(label, -1, colour, kIndexColours));
    EXPECT_FALSE(g_manager.GetDiaryEntryLabel(label, CManager::kDiaryDays, colour, kIndexColours));

    g_manager.daySlots[kDay + 1] = static_cast<uint16_t>(g_manager.diary.size());  // past the diary's end
    EXPECT_FALSE(g_manager.GetDiaryEntryLabel(label, kDay + 1, colour, kIndexColours));

    g_manager.diary.push_back(DiaryHeadWord(15, 0, 1));  // its data word is missing
    EXPECT_FALSE(g_manager.GetDiaryEntryLabel(label, kDay + 1, colour, kIndexColours));
    EXPECT_EQ(label, "");

    // A day of the days before the first Monday of July, which the diary keeps.
    BookDiaryEntry(CManager::kDiaryDays - 1, DiaryHeadWord(5, 0, 0), {});
    EXPECT_TRUE(g_manager.GetDiaryEntryLabel(label, CManager::kDiaryDays - 1, colour, kIndexColours));
    EXPECT_EQ(label, "fan advertisement");
}

}  // namespace
