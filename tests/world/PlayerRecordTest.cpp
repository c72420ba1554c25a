#include <gtest/gtest.h>

#include "platform/Date.h"
#include "world/GameDate.h"
#include "tests/world/PlayerSamples.h"
#include "world/Player.h"

TEST(PlayerRecord, AgeCountsWholeYearsAtTheGameDate) {
    struct Case {
        Date born;
        Date today;
        int age;
    };
    const Case cases[] = {
        {Date(1980, 2, 29), Date(2001, 2, 28), 20},
        {Date(1980, 2, 29), Date(2001, 3, 1), 21},
        {Date(1980, 2, 29), Date(2004, 2, 29), 24},
        // The birthday is still to come on 29 February of a leap year.
        {Date(1981, 3, 15), Date(2008, 2, 29), 26},
        {Date(1981, 3, 15), Date(2008, 3, 15), 27},
        {Date(1981, 3, 15), Date(2008, 3, 14), 26},
        {Date(1990, 12, 31), Date(2008, 1, 1), 17},
    };
    for (const Case& c : cases) {
        GameDateScope scope(c.today);
        CPlayer p;
        p.birthday = PackDate(c.born);
        EXPECT_EQ(p.GetAge(), c.age) << PackDate(c.born) << " on " << PackDate(c.today);
        EXPECT_EQ(AgeFromPackedDate(p.birthday), c.age);
    }
}

TEST(PlayerRecord, InvalidBirthdayCountsAsFirstOfJanuary1980) {
    GameDateScope scope(Date(2000, 1, 1));
    EXPECT_EQ(AgeFromPackedDate(0), 20);
    EXPECT_EQ(AgeFromPackedDate(PackDate(Date(1981, 2, 29))), 20);
    EXPECT_EQ(AgeFromPackedDate(1990u << 16 | 13u << 8 | 5u), 20) << "no 13th month";
    EXPECT_EQ(AgeFromPackedDate(5u << 8 | 5u), 20) << "no year 0";
}

TEST(PlayerRecord, DisplayNameShowsANicknameOfTwoCharactersOrMore) {
    CPlayer p;
    p.firstName = "Ole";
    p.lastName = "Dahl";
    p.nickname = "X";
    EXPECT_EQ(p.GetDisplayName(true), "Ole Dahl");
    p.nickname = "Bear";
    EXPECT_EQ(p.GetDisplayName(true), "Ole 'Bear' Dahl");
    EXPECT_EQ(p.GetDisplayName(false), "Ole Dahl");
}

TEST(PlayerRecord, SetTraitKeepsTheTwoEarliestInTheList) {
    CPlayer p;
    p.characterTraits = 0x0003;  // a cup-title counter in the low bits
    EXPECT_TRUE(p.SetTrait(true, kNervous, false));
    EXPECT_TRUE(p.SetTrait(true, kApathy, false));
    EXPECT_TRUE(p.SetTrait(true, kLeader, false));
    EXPECT_EQ(p.characterTraits, CPlayer::TraitBit(kLeader) | CPlayer::TraitBit(kNervous) | 0x0003);
    // A later third trait is dropped again.
    EXPECT_TRUE(p.SetTrait(true, kClubPlayer, false));
    EXPECT_FALSE(p.HasCharacterTrait(kClubPlayer));

    EXPECT_FALSE(p.SetTrait(true, kNervous, true));
    EXPECT_TRUE(p.SetTrait(true, kHothead, true));
    EXPECT_FALSE(p.HasCharacterTrait(kHothead));
    EXPECT_FALSE(p.SetTrait(true, kCharacterTraitCount, false));
    EXPECT_FALSE(p.SetTrait(false, kStyleTraitCount, false));
    EXPECT_FALSE(p.SetTrait(false, -1, false));
    EXPECT_TRUE(p.SetTrait(false, kSpecialist, false));
    EXPECT_EQ(p.styleTraits, 0x0040);
}

TEST(PlayerRecord, LearnPosition) {
    CPlayer p;
    p.positions = 0x23;  // centre back, alternative right wing
    p.LearnPosition(kCentreBack);
    EXPECT_EQ(p.positions, 0x23);
    p.LearnPosition(kRightWing);
    EXPECT_EQ(p.GetPosition(), kRightWing);
    EXPECT_EQ(p.GetAltPosition(), kCentreBack);
    p.LearnPosition(kLinePlayer);
    EXPECT_EQ(p.GetPosition(), kRightWing);
    EXPECT_EQ(p.GetAltPosition(), kLinePlayer);
}

TEST(PlayerRecord, LastPositionName) {
    CPlayer p;
    EXPECT_EQ(p.GetLastPositionName(), "no position");
    p.positionExperience = 2 << 5 | 9;
    EXPECT_EQ(p.GetLastPositionName(), "RB");
}

TEST(PlayerRecord, AttributesAreNibblesAndTenTo19MeanZeroTo9) {
    CPlayer p;
    p.attributes = {0x12, 0x34, 0x56, 0x78, 0x9A};
    EXPECT_EQ(p.GetAttribute(3), 4);
    EXPECT_EQ(p.GetAttribute(13), 4);
    EXPECT_EQ(p.GetAttribute(2), 3);
    p.SetAttribute(12, 15);
    EXPECT_EQ(p.attributes[1], 0xF4);
    p.SetAttribute(9, 0);
    EXPECT_EQ(p.attributes[4], 0x90);
}

TEST(PlayerRecord, SkillLevelsAreThreeBitsOfTwoFifteenBitWords) {
    CPlayer p;
    for (int s = 0; s < kSkillCount; ++s)
        EXPECT_EQ(p.GetSkillLevel(s), kNormalSkill) << s;
    p.SetSkillLevel(0, 4);
    p.SetSkillLevel(5, 0);
    p.SetSkillLevel(9, 3);
    EXPECT_EQ(p.skillWords[0], 0x4249);
    EXPECT_EQ(p.skillWords[1], 0x024B);
    EXPECT_EQ(p.GetSkillLevel(0), 4);
    EXPECT_EQ(p.GetSkillLevel(5), 0);
    EXPECT_EQ(p.GetSkillLevel(9), 3);
    p.SetSkillLevel(10, 4);
    EXPECT_EQ(p.skillWords[1], 0x024B);
}

TEST(PlayerRecord, ContractAccessors) {
    CPlayer p;
    p.SetSalary(123456);
    EXPECT_EQ(p.GetSalary(), 123400u);
    p.SetSalary(10000000);
    EXPECT_EQ(p.GetSalary(), 6553500u);
    p.contractFlags = CPlayer::kPlayerOption | CPlayer::kClubOption | 9;
    EXPECT_FALSE(p.HasExtensionOption(true));
    p.contractFlags |= CPlayer::kProfessional;
    EXPECT_TRUE(p.HasExtensionOption(true));
    p.ClearExtensionOption(false);
    EXPECT_FALSE(p.HasExtensionOption(false));
    EXPECT_TRUE(p.HasExtensionOption(true));
    EXPECT_EQ(p.GetContractClause(), 9);
    p.AddStrengthOffset(40);
    EXPECT_EQ(p.strengthOffset, 25);
    p.AddStrengthOffset(-100);
    EXPECT_EQ(p.strengthOffset, -50);
}

TEST(PlayerNormalize, RightHandedRightBackBecomesCentreBack) {
    CPlayer p;
    p.positions = 0x22;  // right back, alternative right wing, right hand
    p.Normalize();
    EXPECT_EQ(p.GetPosition(), kCentreBack);
    EXPECT_EQ(p.GetAltPosition(), -1);

    p.handAndSlot = CPlayer::kLeftHand;
    p.positions = 0x55;  // left wing with alternative left back, left hand
    p.Normalize();
    EXPECT_EQ(p.positions, 0x03);

    p.positions = 0x8A;  // neither position exists
    p.Normalize();
    EXPECT_EQ(p.positions, 0x03);
}

TEST(PlayerNormalize, KeepsTheTwoLatestTraitsAndClearsTheLowBits) {
    CPlayer p;
    p.characterTraits = CPlayer::TraitBit(kLeader) | CPlayer::TraitBit(kNervous) |
                        CPlayer::TraitBit(kApathy) | 0x001F;
    p.styleTraits = CPlayer::TraitBit(kFighter) | CPlayer::TraitBit(kFairPlayer) |
                    CPlayer::TraitBit(kSpecialist) | 0x003F;
    p.Normalize();
    EXPECT_EQ(p.characterTraits, CPlayer::TraitBit(kNervous) | CPlayer::TraitBit(kApathy));
    EXPECT_EQ(p.styleTraits, CPlayer::TraitBit(kFairPlayer) | CPlayer::TraitBit(kSpecialist));
}

TEST(PlayerNormalize, RepairsValuesOutOfRange) {
    CPlayer p;
    p.strengthOffset = -100;
    p.handAndSlot = 0xFF;
    p.height = 140;
    p.popularityHealth = 0xE3 | 7 << 2;  // popularity 3, health 7, the flags
    p.SetSkillLevel(1, 7);
    p.SetSkillLevel(4, 0);
    p.SetSkillLevel(8, 3);
    p.strengthTalent = 0xF6;  // class 15, talent 6
    p.Normalize();
    EXPECT_EQ(p.strengthOffset, -50);
    EXPECT_EQ(p.handAndSlot, 0xE1);
    EXPECT_EQ(p.height, 150);
    EXPECT_EQ(p.popularityHealth, 0xE0);
    EXPECT_EQ(p.GetSkillLevel(1), 4);
    EXPECT_EQ(p.GetSkillLevel(4), 0);
    EXPECT_EQ(p.GetSkillLevel(8), kNormalSkill);
    EXPECT_EQ(p.GetTalent(), 3);
    EXPECT_EQ(p.GetStrengthClass(), 10);

    p.height = 250;
    p.strengthTalent = 0x01;  // class 0 would divide by zero in the economy
    p.Normalize();
    EXPECT_EQ(p.height, 236);
    EXPECT_EQ(p.GetStrengthClass(), 1);
}
