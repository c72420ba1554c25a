#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/SeasonCalendar.h"
#include "finance/InterestRates.h"
#include "platform/Date.h"
#include "squad/Training.h"
#include "ui/SkinFiles.h"
#include "world/GameDate.h"

class BinaryFile;

// The music the main window plays: which folder, in which order, from which
// of its two title lists.
struct MusicSettings {
    bool on = true;
    bool random = true;
    // Play the program's own "Sound\" folder and its start title instead of
    // the user's folder and title below.
    bool defaultFolder = true;
    std::array<int32_t, 2> nextIndex{};  // next title of list 0 and list 1 in list order
    std::string folder;                  // the user's folder, with a trailing backslash
    std::string startTitle;              // the user's start title, full path
    std::vector<std::string> titles;     // list 0: the file names of the folder
    std::vector<std::string> titles2;    // list 1: the file names the user chose
};

// The option word of the main window.
constexpr uint32_t kDefaultOptions = 0x02840000;
constexpr uint32_t kOptCareerLists = 0x10000;  // a save game carries the career lists
constexpr uint32_t kOptSoundEffects = 0x40000;
constexpr uint32_t kOptMatchDetails = 0x400000;
constexpr uint32_t kOptToolTips = 0x800000;

// The settings and the game state of the moment, as one block: the whole
// content of the options file and the third part of a save game. The values
// here are those before any file is read.
struct StateBlock {
    Date gameDate;
    uint32_t shownMonth = kSeasonStartMonth;  // the calendar screens' month
    uint32_t planWeek = 0;    // the selected week of the yearly training plan
    uint32_t leagueLevel = kMaxUnitsPerWeek;  // the training units of the week ahead
    SeasonCalendar dayCodes{};
    uint32_t matchSheetSize = 12;
    std::array<uint32_t, 3> statContent{};  // the statistics page's first visible row and two more
    std::array<uint32_t, 12> statPage{};    // the statistics screen's page and eleven more
    std::array<uint8_t, kMaxUnitsPerWeek> weekTrainingRow = FilledTrainingRow();
    // The match options.
    uint8_t matchAssistantToggle = 0;
    uint8_t matchEvents = 100;
    std::array<uint8_t, 2> matchTempo = {10, 10};  // days without and with the user's match
    uint8_t matchShowPenalties = 1;
    uint8_t matchTextCountdown = 0;
    uint8_t matchTextSpeed = 15;
    uint32_t options = kDefaultOptions;
    uint16_t matchListTop = 0;  // the low 16 bits of the match panels' first line
    uint32_t ticksPerDay = 16;
    InterestRates::Words interestRates = InterestRates{}.ToWords();
    uint8_t cardOption1 = 1;  // 0: players' shirts with a small border
    uint8_t cardOption2 = 1;  // 1: individual skills at the players' shirts
    std::string skinFolder = kDefaultSkinFolder;
    std::string fontFaceName = "Verdana";
    uint8_t taxOption = 1;
    bool showEvents = true;
    MusicSettings music;

private:
    static std::array<uint8_t, kMaxUnitsPerWeek> FilledTrainingRow() {
        std::array<uint8_t, kMaxUnitsPerWeek> row;
        row.fill(kFreeUnit);
        return row;
    }
};

// The block's file form, field after field without padding. Reading fills
// `block` in order and returns false when the file ends first.
bool WriteStateBlock(BinaryFile& f, const StateBlock& block);
bool ReadStateBlock(BinaryFile& f, StateBlock& block);

// Some of the block's values live in globals of other parts of the game (the
// game date, the season's day codes, the match sheet, the week's training
// units, the font face, the event boxes): these two carry them between the
// block and their globals.
void CollectGlobalState(StateBlock& block);
void ApplyGlobalState(const StateBlock& block);
