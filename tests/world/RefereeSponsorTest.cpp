#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "tests/world/FileFormChecks.h"
#include "world/Referee.h"
#include "world/Sponsor.h"

namespace {

CReferee MakePair() {
    CReferee r;
    r.names = {"Anton Berg", "Carl Dahl"};
    r.competence = 7;
    r.toughness = 2;
    return r;
}

CSponsor MakeSponsor() {
    CSponsor s;
    s.name = "Nordbank";
    s.logoFile = "nordbank.bmp";
    s.financialSituation = 6;
    return s;
}

}  // namespace

TEST(Referee, DefaultsAreFiveAndFive) {
    CReferee r;
    EXPECT_EQ(r.competence, 5);
    EXPECT_EQ(r.toughness, 5);
    EXPECT_EQ(WrittenBytes(r, 0), (std::vector<uint8_t>{0, 0, 5, 5}));
}

TEST(Referee, ToughnessIsStoredBeforeCompetence) {
    std::vector<uint8_t> expected = {2, 'A', 'B', 1, 'C', 2, 7};
    CReferee r;
    r.names = {"AB", "C"};
    r.competence = 7;
    r.toughness = 2;
    EXPECT_EQ(WrittenBytes(r, 0), expected);

    MemoryFile in(expected);
    CReferee back;
    ASSERT_TRUE(back.Read(in, 0));
    EXPECT_EQ(back.competence, 7);
    EXPECT_EQ(back.toughness, 2);
    EXPECT_EQ(back.names[0], "AB");
    EXPECT_EQ(back.names[1], "C");
}

TEST(Referee, CopyIsIndependentOfTheNationsPair) {
    const CReferee nations = MakePair();
    CReferee match;
    match.CopyFrom(nations);
    EXPECT_EQ(WrittenBytes(match, 0), WrittenBytes(nations, 0));
    match.names[0] = "Other";
    match.competence = 1;
    EXPECT_EQ(nations.names[0], "Anton Berg");
    EXPECT_EQ(nations.competence, 7);
}

TEST(Sponsor, LogoFileIsStoredBeforeTheName) {
    CSponsor s;
    s.name = "NB";
    s.logoFile = "n.bmp";
    s.financialSituation = 3;
    const std::vector<uint8_t> expected = {5, 'n', '.', 'b', 'm', 'p', 2, 'N', 'B', 3};
    EXPECT_EQ(WrittenBytes(s, 0), expected);

    MemoryFile in(expected);
    CSponsor back;
    ASSERT_TRUE(back.Read(in, 0));
    EXPECT_EQ(back.logoFile, "n.bmp");
    EXPECT_EQ(back.name, "NB");
    EXPECT_EQ(back.financialSituation, 3);
    EXPECT_EQ(CSponsor().financialSituation, 4);
}

TEST(RefereeSponsorFile, RoundTripsWithAndWithoutTheSaveGameFlag) {
    for (uint8_t flag : {0, 1}) {
        SCOPED_TRACE(flag);
        ExpectRoundTrip(CReferee(), flag);
        ExpectRoundTrip(MakePair(), flag);
        ExpectRoundTrip(CSponsor(), flag);
        ExpectRoundTrip(MakeSponsor(), flag);
        EXPECT_EQ(WrittenBytes(MakePair(), flag), WrittenBytes(MakePair(), 0));
        EXPECT_EQ(WrittenBytes(MakeSponsor(), flag), WrittenBytes(MakeSponsor(), 0));
    }
}

TEST(RefereeSponsorFile, EveryTruncationFailsAndChangesNothing) {
    for (uint8_t flag : {0, 1}) {
        SCOPED_TRACE(flag);
        ExpectEveryCutFails(MakePair(), flag);
        ExpectEveryCutFails(MakeSponsor(), flag);
    }
}
