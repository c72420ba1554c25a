#include <gtest/gtest.h>

#include "app/MessageDlg.h"
#include "app/PaintedMessages.h"
#include "tests/app/MessageBoxFixture.h"

using MessageDlg = MessageBoxFixture;

TEST_F(MessageDlg, OpenRecordsTheBoxWordForWordAndReturnsTheScriptedAnswer) {
    runner.Script(ModalAnswer::Cancel());
    CMessageDlg box;
    box.title = "saving is not possible";
    box.text = "Error while saving, the file 'a.ksv'couldn't be saved.";
    EXPECT_FALSE(box.Open(0x164, 4));
    EXPECT_TRUE(box.Open(0x164, 4));  // the script is empty: the default, OK

    ASSERT_EQ(runner.Records().size(), 2u);
    const ModalRecord& r = runner.Records()[0];
    EXPECT_EQ(r.kind, "message");
    EXPECT_EQ(r.title, "saving is not possible");
    EXPECT_EQ(r.text, "Error while saving, the file 'a.ksv'couldn't be saved.");
    EXPECT_EQ(r.flags, 0x164u);
    EXPECT_EQ(r.extra, 4);
    EXPECT_FALSE(r.modeless);
}

TEST_F(MessageDlg, TheDefaultAnswerServesWhenTheScriptRunsOut) {
    runner.SetDefaultAnswer(ModalAnswer::Cancel());
    runner.Script(ModalAnswer::Ok());
    CMessageDlg box;
    EXPECT_TRUE(box.Open(MSG_OK | MSG_CANCEL, 0));
    EXPECT_FALSE(box.Open(MSG_OK | MSG_CANCEL, 0));
    EXPECT_EQ(runner.ScriptLeft(), 0u);
}

TEST_F(MessageDlg, EventBoxWhileEventsAreOffIsSkippedUnseen) {
    g_optShowEvents = false;
    CMessageDlg box;
    EXPECT_FALSE(box.Open(0x221, 1));
    EXPECT_FALSE(box.ShowModeless(MSG_EVENT | MSG_PROGRESS, 1));
    EXPECT_TRUE(box.Open(0x121, 1));  // not an event: shown
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].flags, 0x121u);

    g_optShowEvents = true;
    EXPECT_TRUE(box.Open(0x221, 1));
    EXPECT_EQ(runner.Records().size(), 2u);
}

TEST_F(MessageDlg, ChoiceButtonSetsChoiceAndCountsAsOk) {
    runner.Script(ModalAnswer::Choice(1));
    runner.Script(ModalAnswer::Cancel());
    CMessageDlg box;
    box.choiceLabels = {"buy", "lend", ""};
    EXPECT_TRUE(box.Open(0xC1, 0));
    EXPECT_EQ(box.choice, 1);
    EXPECT_EQ(runner.Records()[0].choiceLabels, (std::vector<std::string>{"buy", "lend"}));

    box.choice = 0;
    EXPECT_FALSE(box.Open(0xC1, 0));
    EXPECT_EQ(box.choice, 0);
}

TEST_F(MessageDlg, EnterOnAChoiceBoxLeavesTheFirstChoiceAndIgnoresButtonsNotOffered) {
    runner.Script(ModalAnswer::Ok());
    runner.Script(ModalAnswer::Choice(2));
    CMessageDlg box;
    box.choiceLabels = {"yes", "no", ""};
    EXPECT_TRUE(box.Open(0x81, 0));
    EXPECT_EQ(box.choice, 0);
    EXPECT_TRUE(box.Open(0x81, 0));
    EXPECT_EQ(box.choice, 0);
}

TEST_F(MessageDlg, EntryTakesTheTypedTextOnlyOnOk) {
    runner.Script(ModalAnswer::Input("Blue Sharks"));
    runner.Script({false, {}, std::string("ignored")});
    CMessageDlg box;
    box.inputText = "preset";
    EXPECT_TRUE(box.Open(0x964, 0));
    EXPECT_EQ(runner.Records()[0].inputText, "preset");
    EXPECT_EQ(box.inputText, "Blue Sharks");

    EXPECT_FALSE(box.Open(0x964, 0));
    EXPECT_EQ(box.inputText, "Blue Sharks");
}

TEST_F(MessageDlg, PaintedMessagesAskInTheBoxWithItsEntryLine) {
    const PaintedMessages painted;
    runner.Script(ModalAnswer::Input("Blue week"));
    runner.Script(ModalAnswer::Cancel());
    std::string entry = "free 1";
    EXPECT_TRUE(AskPlayer({"change name", "which name?", 0xE1, 4}, entry));
    EXPECT_EQ(entry, "Blue week");
    EXPECT_EQ(runner.Records()[0].inputText, "free 1");
    EXPECT_EQ(runner.Records()[0].flags, 0xE1u | MSG_INPUT);

    EXPECT_FALSE(AskPlayer({"change name", "which name?", 0xE1, 4}, entry));
    EXPECT_EQ(entry, "Blue week");
}

TEST_F(MessageDlg, ProgressWindowIsRecordedOnceAndCapsPercent) {
    {
        CMessageDlg box;
        box.title = "saving";
        EXPECT_TRUE(box.ShowModeless(0x1108, 0));
        EXPECT_TRUE(box.modeless);
        box.percent = 150;
        box.DrawProgress();
        EXPECT_EQ(box.percent, 100);
    }
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_TRUE(runner.Records()[0].modeless);
    EXPECT_EQ(runner.Records()[0].flags, 0x1108u);
}
