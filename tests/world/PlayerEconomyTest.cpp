#include <gtest/gtest.h>

#include "tests/world/PlayerSamples.h"
#include "world/Player.h"

namespace {

const Date kAugust2010(2010, 8, 2);

// A professional of strength class 3 and talent 3 at neutral form, aged
// `age` on the game date of the fixture.
CPlayer MakeProfessional(int age, int strength = 3, int talent = 3) {
    CPlayer p;
    p.birthday = PackDate(Date(2010 - age, 1, 1));
    p.strengthTalent = static_cast<uint8_t>(strength << 4 | talent);
    p.contractFlags = CPlayer::kProfessional;
    p.averageForm = 10;
    return p;
}

class PlayerEconomy : public ::testing::Test {
protected:
    GameDateScope date_{kAugust2010};
};

}  // namespace

TEST_F(PlayerEconomy, WageDemandByStrengthAndTalent) {
    CPlayer p = MakeProfessional(28);
    EXPECT_EQ(p.GetDevelopmentTrend(), 0);
    EXPECT_EQ(p.GetWageDemand(true, 1, true, false, 0), 12000u);
    p.strengthTalent = 0x31;
    EXPECT_EQ(p.GetWageDemand(true, 1, true, false, 0), 6750u);
}

TEST_F(PlayerEconomy, WageDemandOfAnAmateurInALowLeague) {
    CPlayer p = MakeProfessional(28, 4);
    p.contractFlags = 0;
    // 20000 × 100 / 150, then × 100 / (4 × 5 + 2 × 15 + 100).
    EXPECT_EQ(p.GetWageDemand(false, 5, true, true, 0), 8888u);
    EXPECT_EQ(p.GetWageDemand(false, 3, true, true, 0), 13333u);
}

TEST_F(PlayerEconomy, WageDemandByAgeAndMotivation) {
    const struct {
        int age;
        int motivation;
        uint32_t demand;
    } cases[] = {
        {18, 100, 9840}, {24, 100, 12000}, {28, 100, 13440}, {30, 100, 12960},
        {34, 100, 12000}, {40, 100, 10560}, {54, 100, 7200},  {60, 100, 7200},
        {24, 120, 13200}, {24, 99, 12000},  {24, 50, 9000},   {24, 0, 6000},
    };
    for (const auto& c : cases) {
        CPlayer p = MakeProfessional(c.age);
        p.motivation = static_cast<uint8_t>(c.motivation);
        EXPECT_EQ(p.GetWageDemand(true, 1, false, true, 0), c.demand) << c.age << " " << c.motivation;
    }
}

TEST_F(PlayerEconomy, WageDemandStepsRoundInTheirOrder) {
    CPlayer p = MakeProfessional(28);
    p.SetTrait(true, kLeader, false);
    p.handAndSlot = CPlayer::kLeftHand;  // with the leader +15 %
    p.SetSkillLevel(4, 3);  // +4 %
    p.positions = 0x63;  // an alternative position, +8 %
    p.strengthOffset = -7;  // -2 %
    // 13800, 14352, 15500, 15190, then 24 per mille of inflation.
    EXPECT_EQ(p.GetWageDemand(true, 1, true, true, 24), 15554u);

    CPlayer star = MakeProfessional(28, 15);
    EXPECT_EQ(star.GetWageDemand(true, 1, true, true, 24), 1228800u);

    CPlayer weak = MakeProfessional(54, 1, 0);
    weak.contractFlags = 0;
    weak.motivation = 0;
    EXPECT_EQ(weak.GetWageDemand(false, 10, false, true, 0), 200u);
}

TEST_F(PlayerEconomy, WageDemandFollowsTheDevelopmentTrend) {
    CPlayer p = MakeProfessional(20);
    ASSERT_EQ(p.GetDevelopmentTrend(), 576);
    // 424 × 1200 / 100 = 5088, + 576 × 20000 / 1000, then + 331 per mille.
    EXPECT_EQ(p.GetWageDemand(true, 1, true, false, 0), 22105u);
}

TEST_F(PlayerEconomy, DevelopmentTrend) {
    CPlayer young = MakeProfessional(17, 1, 3);
    EXPECT_EQ(young.GetDevelopmentTrend(), 754);  // cut by a tenth four times

    CPlayer old = MakeProfessional(40, 9, 0);
    old.contractFlags = 0;
    EXPECT_EQ(old.GetDevelopmentTrend(), -692);

    CPlayer capped = MakeProfessional(28, 4, 0);
    capped.averageForm = 14;
    EXPECT_EQ(capped.GetDevelopmentTrend(), 5);
    capped.averageForm = 13;
    EXPECT_EQ(capped.GetDevelopmentTrend(), 0);
}

TEST_F(PlayerEconomy, CountedContractMonths) {
    const std::pair<int, int> cases[] = {{48, 27}, {36, 26}, {20, 18}, {16, 16}, {12, 12}, {0, 0}};
    for (auto [left, counted] : cases)
        EXPECT_EQ(CountedContractMonths(left), counted) << left;
}

TEST_F(PlayerEconomy, TransferValue) {
    CPlayer p = MakeProfessional(28);
    p.contractYears = 3;
    // 13440 / 4 × (4 × 85 / 28) / 10 = 4032; 35 months count as 25.
    EXPECT_EQ(p.GetTransferValue(0), 8400u);
    EXPECT_EQ(p.GetContractValuePerYear(0), 8400u / 3 * 3 / 4 * 3 / 4 * 3 / 4);

    p.styleTraits |= CPlayer::kNoTransferValue;
    EXPECT_EQ(p.GetTransferValue(0), 0u);
}

TEST_F(PlayerEconomy, TransferValueAtTheEndOfAContract) {
    CPlayer p = MakeProfessional(28);
    {
        GameDateScope june(Date(2011, 6, 1));
        EXPECT_EQ(p.GetTransferValue(0), 0u);
    }
    // A contract run down to nothing is worth nothing, and per year too.
    p.contractYears = 0;
    EXPECT_EQ(p.GetTransferValue(0), 0u);
    EXPECT_EQ(p.GetContractValuePerYear(0), 0u);
}

TEST_F(PlayerEconomy, ContractDemand) {
    const struct {
        int age;
        bool nervous;
        bool clubPlayer;
        bool professional;
        int share;
        int years;
    } cases[] = {
        {16, false, false, true, 30, 1}, {20, true, false, true, 52, 2}, {30, false, false, true, 70, 3},
        {30, false, true, true, 70, 4},  {30, false, true, false, 70, 1},
    };
    for (const auto& c : cases) {
        CPlayer p = MakeProfessional(c.age);
        if (c.nervous)
            p.SetTrait(true, kNervous, false);
        if (c.clubPlayer)
            p.SetTrait(true, kClubPlayer, false);
        const uint32_t w = p.GetWageDemand(c.professional, 1, false, false, 0);
        const ContractDemand d = p.ComputeContractDemand(c.professional, 1, 20, 0);
        EXPECT_EQ(d.salary, w * c.share / 100) << c.age;
        EXPECT_EQ(d.bonus, w * (100 - c.share) / 100 / 20) << c.age;
        EXPECT_EQ(d.years, c.years) << c.age;
    }
    const CPlayer p = MakeProfessional(30);
    EXPECT_EQ(p.ComputeContractDemand(true, 1, 0, 0).bonus, p.ComputeContractDemand(true, 1, 1, 0).bonus);
}

TEST_F(PlayerEconomy, ContractSatisfaction) {
    CPlayer p = MakeProfessional(28);  // demands 13440
    p.salaryHundreds = 100;
    p.bonusTens = 10;
    EXPECT_EQ(p.GetContractSatisfaction(true, 1, 20, 0), 89);
    p.SetTrait(true, kGreedyForMoney, false);
    EXPECT_EQ(p.GetContractSatisfaction(true, 1, 20, 0), 72);  // greed also raises the demand 8 %
    p.salaryHundreds = p.bonusTens = 0;
    EXPECT_EQ(p.GetContractSatisfaction(true, 1, 20, 0), 0);
}

TEST_F(PlayerEconomy, TrainingCompensation) {
    const std::pair<int, uint32_t> cases[] = {{15, 950}, {20, 3800}, {22, 4750}, {23, 0}};
    for (auto [age, amount] : cases)
        EXPECT_EQ(MakeProfessional(age, 5, 2).GetTrainingCompensation(), amount) << age;
}

TEST_F(PlayerEconomy, NegotiationParams) {
    const int roots[] = {1, 2, 5, 8, 11, 14, 18, 22, 27, 31, 36, 41, 46, 52, 58};
    for (int s = 1; s <= 15; ++s)
        EXPECT_EQ(MakeProfessional(30, s).GetNegotiationParams()[2], roots[s - 1] * 120) << s;

    EXPECT_EQ(MakeProfessional(30).GetNegotiationParams(), (NegotiationParams{966, 34, 600, 31, 17, 17, 17, 81}));
    EXPECT_EQ(MakeProfessional(20).GetNegotiationParams()[3], -46);
    EXPECT_EQ(MakeProfessional(30, 0).GetNegotiationParams()[7], 401);
    // 10 × strength class × the root of 13440 as IntRoot gives it.
    EXPECT_EQ(MakeProfessional(28).GetNegotiationScale(true, 1, 0), 116u * 10 * 3);
}

TEST_F(PlayerEconomy, ContractRecord) {
    CPlayer p;
    PlayerContract c{12349, 1234, true, true, false, 7, 3, 250099};
    p.SetContract(c);
    const PlayerContract back = p.GetContract();
    EXPECT_EQ(back.salary, 12300u);
    EXPECT_EQ(back.bonus, 1230u);
    EXPECT_TRUE(back.professional && back.playerOption && !back.clubOption);
    EXPECT_EQ(back.clause, 7);
    EXPECT_EQ(back.years, 3);
    EXPECT_EQ(back.fixedFee, 250000u);

    PlayerContract amateur{12350, 1235, false, true, true, 7, 3, 5000};
    p.SetContract(amateur);
    EXPECT_FALSE(amateur.playerOption || amateur.clubOption);
    EXPECT_EQ(amateur.clause, 0);
    EXPECT_EQ(p.GetSalary(), 12400u);
    EXPECT_EQ(p.GetBonus(), 1240u);
    EXPECT_EQ(p.contractYears, 1);
    EXPECT_EQ(p.contractFlags, 0);
    EXPECT_EQ(p.GetContract().years, 1);
    EXPECT_EQ(p.GetContract().fixedFee, 0u);
}

TEST_F(PlayerEconomy, ChangeStrengthScalesTheOffset) {
    CPlayer p = MakeProfessional(28, 5, 3);
    p.strengthOffset = -10;
    p.ChangeStrength(1, true);
    EXPECT_EQ(p.GetStrengthClass(), 6);
    EXPECT_EQ(p.strengthOffset, -12);

    p.strengthTalent = 0x53;
    p.strengthOffset = 20;
    p.ChangeStrength(1, true);
    EXPECT_EQ(p.strengthOffset, 18);  // 20 × 5 / 6 = 16, then half the rest

    p.strengthTalent = 0x40;  // at the cap of talent 0
    p.ChangeStrength(1, true);
    EXPECT_EQ(p.GetStrengthClass(), 4);
    p.ChangeStrength(20, false);
    EXPECT_EQ(p.GetStrengthClass(), 15);
    p.ChangeStrength(-20, false);
    EXPECT_EQ(p.GetStrengthClass(), 1);
}

TEST_F(PlayerEconomy, BaseStrength) {
    CPlayer p = MakeProfessional(28);
    p.ComputeBaseStrength();
    EXPECT_EQ(p.playingStrength, 3.0f);

    p.strengthTalent = 0x53;
    p.freshness = 80;
    p.fitness = 60;
    p.formByte = 15;
    p.motivation = 110;
    p.ComputeBaseStrength();
    EXPECT_FLOAT_EQ(p.playingStrength, 6.49f);

    p.strengthTalent = 0x13;
    p.motivation = 0;
    p.ComputeBaseStrength();
    EXPECT_EQ(p.playingStrength, 0.2f);
}

TEST_F(PlayerEconomy, PlayingStrengthInASlot) {
    const struct {
        uint8_t positions;
        int slot;
        int styleTrait;  // -1 none
        float factor;
    } cases[] = {
        {0x03, 1, -1, 0.5f},       // centre back on the right wing
        {0x01, 5, -1, 0.8f},       // right wing on the left wing
        {0x01, 1, -1, 1.0f},       // his own position
        {0x03, 7, -1, 1.0f},       // no slot
        {0x00, 3, -1, 0.2f},       // goalkeeper in the field
        {0x03, 0, kAllrounder, 0.2f},  // field player in goal
        {0x03, 6, kSpecialist, 0.3f},
        {0x03, 6, kAllrounder, 0.7f},
        {0x33, 4, -1, 0.7f},       // mirror of his alternative right back
        {0x33, 2, -1, 0.8f},       // his alternative
    };
    for (const auto& c : cases) {
        CPlayer p = MakeProfessional(28);
        p.positions = c.positions;
        p.handAndSlot = static_cast<uint8_t>(c.slot << CPlayer::kSlotShift);
        if (c.styleTrait >= 0)
            p.SetTrait(false, c.styleTrait, false);
        p.UpdatePlayingStrength(true);
        EXPECT_FLOAT_EQ(p.playingStrength, 3.0f * c.factor) << +c.positions << " in " << c.slot;
    }
}

TEST_F(PlayerEconomy, PlayingStrengthOutOfASlot) {
    CPlayer p = MakeProfessional(28);
    p.handAndSlot = CPlayer::kNoSlot << CPlayer::kSlotShift;
    p.strengthOffset = -10;
    p.UpdatePlayingStrength(false);
    EXPECT_FLOAT_EQ(p.playingStrength, 2.7f);
    p.handAndSlot = 0;  // field player in the goalkeeper's slot
    p.UpdatePlayingStrength(false);
    EXPECT_FLOAT_EQ(p.playingStrength, 0.6f);
    p.positions = 0;
    p.UpdatePlayingStrength(false);
    EXPECT_FLOAT_EQ(p.playingStrength, 3.0f);
}
