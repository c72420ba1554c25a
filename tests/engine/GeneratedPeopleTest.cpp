#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/GeneratedPeople.h"
#include "engine/NameTables.h"
#include "platform/Date.h"
#include "platform/GameOptions.h"
#include "platform/Random.h"
#include "platform/Text.h"
#include "world/GameDate.h"
#include "world/Vocabulary.h"

namespace {

// The index of a first name in g_firstNames, -1 when it is none of them.
int FirstNameIndex(const std::string& name) {
    for (int i = 0; i < kFirstNameCount; ++i) {
        if (name == g_firstNames[i])
            return i;
    }
    return -1;
}

std::set<std::string> AllGeneratedSurnames() {
    std::set<std::string> all;
    for (const char* start : g_surnameStarts)
        for (const char* middle : g_surnameMiddles)
            for (const char* ending : g_surnameEndings)
                all.insert(std::string(start) + middle + ending);
    return all;
}

class WomensGameScope {
public:
    explicit WomensGameScope(bool on) : options_(on ? kOptWomensGame : 0) { g_pOptions = &options_; }
    ~WomensGameScope() { g_pOptions = nullptr; }

private:
    uint32_t options_;
};

}  // namespace

TEST(NameTables, FirstNamesAreDistinctCp1252Words) {
    std::set<std::string> seen;
    bool accented = false;
    for (const char* name : g_firstNames) {
        const std::string s = name;
        ASSERT_FALSE(s.empty());
        EXPECT_TRUE(seen.insert(s).second) << s;
        EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(s)), s) << s;
        accented |= std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    }
    EXPECT_TRUE(accented) << "the list is stored in code page 1252, not plain ASCII or UTF-8";
    EXPECT_GE(FirstNameIndex("J\xE9r\xF4me"), 0);
}

TEST(GeneratedPeople, PersonNamesComeFromTheTablesOfTheGamesSex) {
    const std::set<std::string> surnames = AllGeneratedSurnames();
    SeedRandom(3);
    for (bool womensGame : {false, true}) {
        WomensGameScope scope(womensGame);
        for (int i = 0; i < 300; ++i) {
            std::string first, surname;
            GeneratePersonName(first, surname);
            const int index = FirstNameIndex(first);
            EXPECT_EQ(index >= kWomensFirstNames, womensGame) << first;
            EXPECT_GE(index, 0) << first;
            EXPECT_TRUE(surnames.contains(surname)) << surname;
        }
    }
}

TEST(GeneratedPeople, ClubNameIsPrefixAndNationThenNumberedWhileTaken) {
    const int nation = 5;
    const std::string nationName = NationName(nation);
    std::set<std::string> taken;
    auto isTaken = [&](const std::string& name) { return taken.contains(name); };
    auto withAnyPrefix = [&](const std::string& suffix) {
        for (const char* prefix : g_clubPrefixes)
            taken.insert(std::string(prefix) + " " + nationName + suffix);
    };
    SeedRandom(5);

    const std::string free = GenerateClubName(nation, isTaken);
    EXPECT_TRUE(free.ends_with(" " + nationName)) << free;

    withAnyPrefix("");
    const std::string first = GenerateClubName(nation, isTaken);
    EXPECT_TRUE(first.ends_with(" " + nationName + " I")) << first;

    withAnyPrefix(" I");
    withAnyPrefix(" II");
    const std::string third = GenerateClubName(nation, isTaken);
    EXPECT_TRUE(third.ends_with(" " + nationName + " III")) << third;
}

TEST(GeneratedPeople, BirthdaysAreRealDaysOfTheYear) {
    SeedRandom(9);
    for (int i = 0; i < 2000; ++i) {
        const uint32_t packed = DrawBirthdayInYear(1974);
        const int year = static_cast<int>(packed >> 16), month = (packed >> 8) & 0xFF, day = packed & 0xFF;
        EXPECT_EQ(year, 1974);
        ASSERT_TRUE(Date::IsValidDate(year, month, day)) << month << "/" << day;
        EXPECT_FALSE(month == 2 && day == 29);
    }
}
