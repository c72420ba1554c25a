#include <gtest/gtest.h>

#include <functional>

#include "screens/EditPlayerDlg.h"
#include "tests/world/PlayerSamples.h"
#include "world/Player.h"

namespace {

// Stands for the user: notes what the dialog was filled with, changes what
// the test asks for, and presses OK or cancel.
class ScriptedEditPlayerDlg : public CEditPlayerDlg {
public:
    bool Open() override {
        filled = *this;
        if (edit)
            edit(*this);
        return pressOk;
    }

    CEditPlayerDlg filled;
    std::function<void(CEditPlayerDlg&)> edit;
    bool pressOk = true;
};

}  // namespace

TEST(PlayerEdit, FillsTheDialogFromTheRecord) {
    CPlayer p = MakeFullPlayer();
    p.skillWords = {CPlayer::kNormalSkillWord, CPlayer::kNormalSkillWord};
    p.SetSkillLevel(2, 3);
    p.SetSkillLevel(7, 0);
    ScriptedEditPlayerDlg dlg;
    dlg.pressOk = false;
    p.EditInDialog(dlg);

    const CEditPlayerDlg& d = dlg.filled;
    EXPECT_EQ(d.fieldSkills, (std::array<int, 2>{3, 8}));
    EXPECT_EQ(d.keeperSkills, (std::array<int, 2>{3, 8}));
    EXPECT_EQ(d.skillLevels, (std::array<int, 2>{2, 0}));
    EXPECT_EQ(d.characterTraits, (std::array<int, 2>{1, 5}));  // leader, nervous
    EXPECT_EQ(d.styleTraits, (std::array<int, 2>{2, 7}));  // fair player, flexible
    EXPECT_EQ(d.strengthOffset, -7);
    EXPECT_TRUE(d.international);
    EXPECT_FALSE(d.formerInternational);
    EXPECT_TRUE(d.formerCaptain);
    EXPECT_EQ(d.popularity, 1);
    EXPECT_EQ(d.healthType, 2);
    EXPECT_TRUE(d.leftHand);
    EXPECT_EQ(d.number, 7);
    EXPECT_EQ(d.firstName, "Jan");
    EXPECT_EQ(d.nickname, "Jo");
    EXPECT_EQ(d.lastName, "Berg");
    EXPECT_EQ(d.birthday, Date(1985, 6, 14));
    EXPECT_EQ(d.talent, 3);
    EXPECT_EQ(d.strengthIndex, 8);
    EXPECT_EQ(d.height, 195);
    EXPECT_EQ(d.position, kRightBack);
    EXPECT_EQ(d.altPositionPlusOne, 5);
    EXPECT_EQ(d.nationality, 34);
    EXPECT_EQ(d.secondNationality, 45);
    EXPECT_TRUE(d.professional);
}

TEST(PlayerEdit, OkWithoutChangesKeepsTheRecordButTheTraitWordsLowBits) {
    CPlayer original = MakeFullPlayer();
    original.skillWords = {CPlayer::kNormalSkillWord, CPlayer::kNormalSkillWord};
    original.SetSkillLevel(2, 3);
    original.SetSkillLevel(7, 0);
    CPlayer p = original;
    ScriptedEditPlayerDlg dlg;
    ASSERT_TRUE(p.EditInDialog(dlg));

    original.characterTraits &= 0xFFE0;
    original.styleTraits &= 0xFFC0;
    for (const PlayerField& field : StoredPlayerFields())
        EXPECT_EQ(field.show(original), field.show(p)) << field.name;
}

TEST(PlayerEdit, OkStoresTheEditedValues) {
    CPlayer p = MakeFullPlayer();
    ScriptedEditPlayerDlg dlg;
    dlg.edit = [](CEditPlayerDlg& d) {
        d.fieldSkills = {10, 1};
        d.skillLevels = {3, 0};
        d.characterTraits = {4, 4};  // the same trait twice is one bit
        d.styleTraits = {0, 10};
        d.popularity = 2;
        d.healthType = 4;
        d.international = false;
        d.formerInternational = true;
        d.leftHand = false;
        d.strengthIndex = 4;
        d.talent = 1;
        d.professional = false;
        d.secondNationality = -1;
        d.birthday = Date(1990, 2, 3);
    };
    ASSERT_TRUE(p.EditInDialog(dlg));
    EXPECT_EQ(p.GetSkillLevel(9), 4);
    EXPECT_EQ(p.GetSkillLevel(0), 0);
    for (int s = 1; s < 9; ++s)
        EXPECT_EQ(p.GetSkillLevel(s), kNormalSkill) << s;
    EXPECT_EQ(p.characterTraits, CPlayer::TraitBit(kGreedyForMoney));
    EXPECT_EQ(p.styleTraits, CPlayer::TraitBit(kSpecialist));
    EXPECT_EQ(p.popularityHealth, CPlayer::kFormerInternational | CPlayer::kFormerCaptain | 4 << 2 | 2);
    EXPECT_EQ(p.handAndSlot, 0x40);  // the lineup slot stays
    EXPECT_EQ(p.strengthTalent, 0x51);
    EXPECT_EQ(p.contractFlags, 0x65);  // only the professional bit changes
    EXPECT_EQ(p.secondNationality, -1);
    EXPECT_EQ(p.birthday, 0x07C60203u);
}

TEST(PlayerEdit, GoalkeeperTakesTheGoalkeeperSkills) {
    CPlayer p;
    ScriptedEditPlayerDlg dlg;
    dlg.edit = [](CEditPlayerDlg& d) {
        d.position = kGoalkeeper;
        d.altPositionPlusOne = 0;
        d.fieldSkills = {7, 8};
        d.keeperSkills = {3, 3};  // one skill twice: the second level wins
        d.skillLevels = {1, 2};
    };
    ASSERT_TRUE(p.EditInDialog(dlg));
    EXPECT_EQ(p.GetSkillLevel(2), 3);
    EXPECT_EQ(p.GetSkillLevel(6), kNormalSkill);
    EXPECT_EQ(p.GetSkillLevel(7), kNormalSkill);
}

TEST(PlayerEdit, CancelChangesNothing) {
    const CPlayer original = MakeFullPlayer();
    CPlayer p = original;
    ScriptedEditPlayerDlg dlg;
    dlg.pressOk = false;
    dlg.edit = [](CEditPlayerDlg& d) { d.lastName = "Other"; };
    EXPECT_FALSE(p.EditInDialog(dlg));
    for (const PlayerField& field : StoredPlayerFields())
        EXPECT_EQ(field.show(original), field.show(p)) << field.name;
    EXPECT_FALSE(p.EditInDialog());
}
