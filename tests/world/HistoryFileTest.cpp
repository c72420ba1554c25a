#include <gtest/gtest.h>

#include "platform/BinaryFile.h"
#include "world/History.h"

namespace {

std::vector<uint8_t> Bytes(const CHistory& history) {
    MemoryFile f;
    EXPECT_TRUE(history.Write(f));
    return f.Bytes();
}

// Every field holds something distinct from its neighbours.
CHistory FilledHistory() {
    CHistory h;
    h.nationPlayersOfYear = {"Nation Player", ""};
    h.continentPlayersOfYear = {"Cont Player"};
    h.yearRows = {"Champions", "", "Cupwinners", "Scorer"};
    h.leagueNations = {7, 7, 40};
    h.scorerGoals = {211, 0, 180};
    h.cupCount = 3;
    h.leagueCount = 0x01020304;
    h.nationCount = 2;
    h.continentCount = 1;
    h.recordNames[0] = "Best";
    h.recordTexts[219] = "Last";
    h.recordWords[81] = 2031;
    h.recordValues[80] = 0xDEADBEEF;
    h.years = {2030, 2031};
    h.nationNumbers = {7, 40};
    h.continentNames = {"Europe"};
    h.leagueNames = {"First", "Second", "Top"};
    h.cupNames = {"Cup A", "Cup B", "Cup C"};
    return h;
}

}  // namespace

TEST(HistoryFile, FreshHistoryWritesEmptyArraysAndZeroRecordLists) {
    const std::vector<uint8_t> bytes = Bytes(CHistory{});
    // 14 counted arrays and 4 counts; 220 empty strings twice, 220 words
    // and 220 32-bit words.
    EXPECT_EQ(bytes.size(), 14u * 2 + 4u * 4 + 2u * 220 + 2u * 220 + 4u * 220);
    const std::vector<uint8_t> start = {0, 0, 220, 0, 0, 0, 0, 0};  // no rows, 220 values of 0
    EXPECT_TRUE(std::equal(start.begin(), start.end(), bytes.begin()));
}

TEST(HistoryFile, ReadBackGivesTheSameHistory) {
    for (const CHistory& original : {CHistory{}, FilledHistory()}) {
        const std::vector<uint8_t> bytes = Bytes(original);
        MemoryFile in(bytes);
        CHistory copy;
        copy.years = {1999};
        ASSERT_TRUE(copy.Read(in));
        EXPECT_EQ(in.Position(), bytes.size());
        EXPECT_EQ(copy, original);
    }
}

TEST(HistoryFile, EveryCutFailsAndLeavesTheHistoryAsItWas) {
    const std::vector<uint8_t> bytes = Bytes(FilledHistory());
    const CHistory before = FilledHistory();
    for (size_t cut = 0; cut < bytes.size(); ++cut) {
        MemoryFile in(std::vector<uint8_t>(bytes.begin(), bytes.begin() + cut));
        CHistory target = FilledHistory();
        EXPECT_FALSE(target.Read(in)) << "cut at " << cut;
        EXPECT_EQ(target, before) << "cut at " << cut;
    }
}

TEST(HistoryFile, RecordListsOfAnotherLengthAreRefused) {
    struct Case {
        const char* what;
        void (*change)(CHistory&);
    };
    const Case cases[] = {
        {"names", [](CHistory& h) { h.recordNames.pop_back(); }},
        {"texts", [](CHistory& h) { h.recordTexts.push_back(""); }},
        {"words", [](CHistory& h) { h.recordWords.clear(); }},
        {"values", [](CHistory& h) { h.recordValues.resize(221); }},
    };
    for (const Case& c : cases) {
        CHistory bad;
        c.change(bad);
        MemoryFile in(Bytes(bad));
        CHistory target = FilledHistory();
        EXPECT_FALSE(target.Read(in)) << c.what;
        EXPECT_EQ(target, FilledHistory()) << c.what;
    }
}

TEST(HistoryFile, HugeCountInShortInputFailsWithoutReadingOn) {
    // A row count of 65535 with two strings behind it.
    MemoryFile in(std::vector<uint8_t>{0xFF, 0xFF, 1, 'A', 0});
    CHistory target;
    EXPECT_FALSE(target.Read(in));
    EXPECT_EQ(target, CHistory{});
}
