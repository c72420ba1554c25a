#include <gtest/gtest.h>

#include "platform/Date.h"
#include "world/TransferMarket.h"
#include "world/WorldRef.h"

TEST(WorldRefTest, PacksOneBytePerLevelAndCutsEachIndex) {
    EXPECT_EQ(PackWorldRef(1, 2, kRefNationLevel, kRefNationalTeam), 0x0102FF00u);
    EXPECT_EQ(PackWorldRef(1, 2, kRefNationLevel, 1), 0x0102FF01u);
    EXPECT_EQ(PackWorldRef(3, 4, 5, 6), 0x03040506u);
    EXPECT_EQ(PackWorldRef(0x101, 0x102, 0x103, 0x104), 0x01020304u);
    constexpr WorldRef ref = 0xA1B2C3D4;
    EXPECT_EQ(RefContinent(ref), 0xA1);
    EXPECT_EQ(RefNation(ref), 0xB2);
    EXPECT_EQ(RefLeague(ref), 0xC3);
    EXPECT_EQ(RefTeam(ref), 0xD4);
}

TEST(TransferMarketTest, EntryPacksEveryField) {
    TransferEntry e;
    e.price = 1234500;
    e.loan = true;
    e.free = false;
    e.talksOffset = 5;
    e.leagueByte = 0xFF;
    const uint32_t word = e.Pack();
    EXPECT_EQ(word, 12345u | 1u << 16 | 5u << 18 | 0xFFu << 21);
    const TransferEntry back = TransferEntry::Unpack(word);
    EXPECT_EQ(back.price, 1234500u);
    EXPECT_TRUE(back.loan);
    EXPECT_FALSE(back.free);
    EXPECT_EQ(back.talksOffset, 5);
    EXPECT_EQ(back.leagueByte, 0xFF);
}

TEST(TransferMarketTest, PriceBeyondTheFieldIsCappedNotWrapped) {
    TransferEntry e;
    e.price = 10000000;  // 100000 hundreds do not fit 16 bits
    EXPECT_EQ(TransferEntry::Unpack(e.Pack()).price, 0xFFFFu * 100);
    EXPECT_FALSE(TransferEntry::Unpack(e.Pack()).loan);
}

TEST(TransferMarketTest, AgreedTermsKeepTheContract) {
    PlayerContract c;
    c.salary = 456700;
    c.fixedFee = 2500000;
    c.bonus = 1230;
    c.years = 3;
    c.clause = 31;
    c.clubOption = true;
    c.playerOption = false;
    c.professional = true;
    const uint32_t first = AgreedTerms::PackFirst(c);
    const uint32_t second = AgreedTerms::PackSecond(c);
    EXPECT_EQ(first, 4567u | 25000u << 16);
    EXPECT_EQ(second, 123u | 3u << 16 | 31u << 24 | 1u << 29 | 1u << 31);
    const PlayerContract back = AgreedTerms::Unpack(first, second);
    EXPECT_EQ(back.salary, c.salary);
    EXPECT_EQ(back.fixedFee, c.fixedFee);
    EXPECT_EQ(back.bonus, c.bonus);
    EXPECT_EQ(back.years, 3);
    EXPECT_EQ(back.clause, 31);
    EXPECT_TRUE(back.clubOption);
    EXPECT_FALSE(back.playerOption);
    EXPECT_TRUE(back.professional);
}

TEST(TransferMarketTest, WindowRunsFromFifteenthJanuaryToJune) {
    const struct {
        int month, day;
        bool open;
    } cases[] = {{1, 14, false}, {1, 15, true}, {3, 20, true}, {6, 30, true}, {7, 1, false}, {12, 31, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsInTransferWindow(Date(2004, c.month, c.day)), c.open) << c.month << "/" << c.day;
}
