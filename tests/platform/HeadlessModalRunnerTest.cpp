#include <gtest/gtest.h>

#include "platform/HeadlessModalRunner.h"

namespace {

// A dialog of another kind, as the editor dialogs will be.
class FakeEditDialog : public ModalDialog {
public:
    ModalRecord Describe() const override { return {"edit player", "edit player", "", 0, 2, {}, name, false}; }
    void Accept(const ModalAnswer& answer) override {
        if (answer.ok && answer.inputText)
            name = *answer.inputText;
    }
    std::string name = "Kowal";
};

}  // namespace

TEST(HeadlessModalRunner, RunsAnyDialogThroughTheInstalledRunner) {
    HeadlessModalRunner runner;
    ModalRunner* previous = SetModalRunner(&runner);
    runner.Script(ModalAnswer::Input("Nowak"));

    FakeEditDialog dialog;
    EXPECT_TRUE(CurrentModalRunner().Run(dialog));
    EXPECT_EQ(dialog.name, "Nowak");
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].kind, "edit player");
    EXPECT_EQ(runner.Records()[0].inputText, "Kowal");
    EXPECT_EQ(runner.Records()[0].extra, 2);

    EXPECT_EQ(SetModalRunner(previous), &runner);
    EXPECT_NE(&CurrentModalRunner(), &runner);
}
