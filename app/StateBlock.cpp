#include "app/StateBlock.h"

#include "app/DayCalendar.h"
#include "platform/BinaryFile.h"
#include "platform/FileFields.h"
#include "platform/GameOptions.h"
#include "squad/LineupSlots.h"
#include "ui/PaintSettings.h"
#include "world/GameDate.h"

namespace {

// The block's fields in file order, the music settings' title lists last.
template <typename Io, typename Block>
void StateFields(Io&& io, Block& b) {
    io(b.gameDate, b.shownMonth, b.planWeek, b.leagueLevel, b.dayCodes, b.matchSheetSize, b.statContent, b.statPage,
       b.weekTrainingRow, b.matchAssistantToggle, b.matchEvents, b.matchTempo, b.matchShowPenalties,
       b.matchTextCountdown, b.matchTextSpeed, b.options, b.matchListTop, b.ticksPerDay, b.interestRates,
       b.cardOption1, b.cardOption2, b.skinFolder, b.fontFaceName, b.taxOption, b.showEvents);
    auto& m = b.music;
    io(m.on, m.random, m.defaultFolder, m.nextIndex, m.folder, m.startTitle);
}

}  // namespace

bool WriteStateBlock(BinaryFile& f, const StateBlock& b) {
    StateFields(FieldWriter(f), b);
    return WriteStringList(f, b.music.titles) && WriteStringList(f, b.music.titles2) && f.Ok();
}

bool ReadStateBlock(BinaryFile& f, StateBlock& b) {
    StateFields(FieldReader(f), b);
    return ReadStringList(f, b.music.titles) && ReadStringList(f, b.music.titles2) && f.Ok();
}

void CollectGlobalState(StateBlock& b) {
    b.gameDate = g_gameDate;
    b.planWeek = static_cast<uint32_t>(g_seasonWeek);
    b.leagueLevel = g_trainingUnitsPerWeek;
    b.dayCodes = g_dayCodes;
    b.matchSheetSize = static_cast<uint32_t>(g_matchSheetSize);
    b.weekTrainingRow = g_weekTrainingRow;
    b.fontFaceName = g_fontFaceName;
    b.showEvents = g_optShowEvents;
    b.interestRates = g_interestRates.ToWords();
}

void ApplyGlobalState(const StateBlock& b) {
    g_gameDate = b.gameDate;
    g_seasonWeek = static_cast<int>(b.planWeek);
    g_trainingUnitsPerWeek = b.leagueLevel;
    g_dayCodes = b.dayCodes;
    g_matchSheetSize = static_cast<int>(b.matchSheetSize);
    g_weekTrainingRow = b.weekTrainingRow;
    g_fontFaceName = b.fontFaceName;
    g_optShowEvents = b.showEvents;
    g_interestRates = InterestRates::FromWords(b.interestRates);
}
