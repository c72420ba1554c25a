#include <gtest/gtest.h>

#include <climits>

#include "platform/HeadlessModalRunner.h"
#include "platform/PlayerMessages.h"
#include "ui/ControlSet.h"
#include "ui/EditLine.h"
#include "ui/IntegerExchange.h"

TEST(IntegerExchange, TakesASignedNumberWithBlanksAroundItAndNothingElse) {
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {"42", 42},           {" -17 ", -17},      {"+8", 8},           {"\t3\t", 3},
        {"007", 7},           {"2147483647", INT_MAX}, {"-2147483648", INT_MIN},
        {"12a", std::nullopt}, {"", std::nullopt},   {"  ", std::nullopt}, {"-", std::nullopt},
        {"1 2", std::nullopt}, {"0x10", std::nullopt}, {"1.5", std::nullopt}, {"- 4", std::nullopt},
        {"2147483648", std::nullopt}, {"-2147483649", std::nullopt}, {"99999999999999999999", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntegerExchange, RefusesTextThatIsNoNumberAndPutsTheFocusOnIt) {
    HeadlessModalRunner runner;
    ModalRunner* previous = SetModalRunner(&runner);
    EditLine name, year;
    ControlSet set;
    set.Add({&name, &year});
    set.SetFocus(&name);

    year.SetText("12a");
    EXPECT_EQ(ReadInteger(year), std::nullopt);
    ASSERT_EQ(runner.Records().size(), 1u);
    EXPECT_EQ(runner.Records()[0].kind, "message");
    EXPECT_EQ(runner.Records()[0].title, "not possible");
    EXPECT_EQ(runner.Records()[0].text, "Please enter an integer.");
    EXPECT_EQ(runner.Records()[0].flags, MSG_RED | MSG_OK | MSG_MESSAGE);
    EXPECT_EQ(runner.Records()[0].extra, 1);
    EXPECT_EQ(set.Focused(), &year);
    EXPECT_EQ(year.SelectionStart(), 0u);
    EXPECT_EQ(year.SelectionEnd(), 3u);

    runner.ClearRecords();
    year.SetText(" 1998 ");
    EXPECT_EQ(ReadInteger(year), 1998);
    EXPECT_TRUE(runner.Records().empty());

    WriteInteger(year, -5);
    EXPECT_EQ(year.GetText(), "-5");
    SetModalRunner(previous);
}
