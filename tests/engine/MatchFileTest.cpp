#include <gtest/gtest.h>

#include <vector>

#include "platform/BinaryFile.h"
#include "world/Match.h"
#include "world/Team.h"

namespace {

std::vector<uint8_t> Written(const CMatch& match) {
    MemoryFile f;
    EXPECT_TRUE(match.Write(f));
    return f.Bytes();
}

CMatch SampleMatch() {
    CMatch match;
    match.legScores = {21, 19, 18, 20, 19, 21};
    match.sheetSize = 14;
    match.legs = 2;
    match.home.team = &g_noClubTeam;
    match.away.team = &g_noClubTeam;
    return match;
}

}  // namespace

TEST(MatchFile, LayoutAndRoundTrip) {
    const std::vector<uint8_t> bytes = Written(SampleMatch());
    const std::vector<uint8_t> head = {6, 21, 19, 18, 20, 19, 21, 14, 2};
    ASSERT_EQ(bytes.size(), head.size() + 8);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), bytes.begin()));

    MemoryFile in(bytes);
    CMatch copy;
    ASSERT_TRUE(copy.Read(in));
    EXPECT_EQ(in.Position(), bytes.size());
    EXPECT_EQ(copy.legScores, SampleMatch().legScores);
    EXPECT_EQ(copy.home.team, &g_noClubTeam);
    EXPECT_EQ(Written(copy), bytes);
}

TEST(MatchFile, ShortOrOddFilesFail) {
    const std::vector<uint8_t> bytes = Written(SampleMatch());
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CMatch target;
        EXPECT_FALSE(target.Read(in)) << cut;
        EXPECT_TRUE(target.legScores.empty());
    }
    std::vector<uint8_t> odd = bytes;
    odd[0] = 5;
    MemoryFile in(odd);
    CMatch target;
    EXPECT_FALSE(target.Read(in));
}
