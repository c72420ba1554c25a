#include "app/StateBlock.h"

#include "app/Options.h"
#include "platform/BinaryFile.h"
#include "squad/LineupSlots.h"
#include "ui/PaintSettings.h"
#include "world/GameDate.h"

namespace {

template <typename T, size_t N>
void WriteArray(BinaryFile& f, const std::array<T, N>& values) {
    for (T v : values)
        f.Write(v);
}

template <typename T, size_t N>
void ReadArray(BinaryFile& f, std::array<T, N>& values) {
    for (T& v : values)
        f.Read(v);
}

void WriteStringList(BinaryFile& f, const std::vector<std::string>& list) {
    f.Write(static_cast<uint16_t>(list.size()));
    for (const std::string& s : list)
        f.WriteString(s);
}

// Each string is read before it is kept, so a count beyond the data costs
// nothing but the failed read.
bool ReadStringList(BinaryFile& f, std::vector<std::string>& list) {
    list.clear();
    uint16_t count = 0;
    if (!f.Read(count))
        return false;
    for (uint16_t i = 0; i < count; ++i) {
        std::string s;
        if (!f.ReadString(s))
            return false;
        list.push_back(std::move(s));
    }
    return true;
}

void WriteMusic(BinaryFile& f, const MusicSettings& m) {
    f.WriteBool(m.on);
    f.WriteBool(m.random);
    f.WriteBool(m.defaultFolder);
    WriteArray(f, m.nextIndex);
    f.WriteString(m.folder);
    f.WriteString(m.startTitle);
    WriteStringList(f, m.titles);
    WriteStringList(f, m.titles2);
}

bool ReadMusic(BinaryFile& f, MusicSettings& m) {
    f.ReadBool(m.on);
    f.ReadBool(m.random);
    f.ReadBool(m.defaultFolder);
    ReadArray(f, m.nextIndex);
    f.ReadString(m.folder);
    f.ReadString(m.startTitle);
    return ReadStringList(f, m.titles) && ReadStringList(f, m.titles2);
}

}  // namespace

bool WriteStateBlock(BinaryFile& f, const StateBlock& b) {
    b.gameDate.Write(f);
    f.Write(b.shownMonth);
    f.Write(b.planWeek);
    f.Write(b.leagueLevel);
    WriteArray(f, b.dayCodes);
    f.Write(b.matchSheetSize);
    WriteArray(f, b.statContent);
    WriteArray(f, b.statPage);
    WriteArray(f, b.weekTrainingRow);
    f.Write(b.matchAssistantToggle);
    f.Write(b.matchEvents);
    WriteArray(f, b.matchTempo);
    f.Write(b.matchShowPenalties);
    f.Write(b.matchTextCountdown);
    f.Write(b.matchTextSpeed);
    f.Write(b.options);
    f.Write(b.matchListTop);
    f.Write(b.ticksPerDay);
    WriteArray(f, b.interestRates);
    f.Write(b.cardOption1);
    f.Write(b.cardOption2);
    f.WriteString(b.skinFolder);
    f.WriteString(b.fontFaceName);
    f.Write(b.taxOption);
    f.WriteBool(b.showEvents);
    WriteMusic(f, b.music);
    return f.Ok();
}

bool ReadStateBlock(BinaryFile& f, StateBlock& b) {
    b.gameDate.Read(f);
    f.Read(b.shownMonth);
    f.Read(b.planWeek);
    f.Read(b.leagueLevel);
    ReadArray(f, b.dayCodes);
    f.Read(b.matchSheetSize);
    ReadArray(f, b.statContent);
    ReadArray(f, b.statPage);
    ReadArray(f, b.weekTrainingRow);
    f.Read(b.matchAssistantToggle);
    f.Read(b.matchEvents);
    ReadArray(f, b.matchTempo);
    f.Read(b.matchShowPenalties);
    f.Read(b.matchTextCountdown);
    f.Read(b.matchTextSpeed);
    f.Read(b.options);
    f.Read(b.matchListTop);
    f.Read(b.ticksPerDay);
    ReadArray(f, b.interestRates);
    f.Read(b.cardOption1);
    f.Read(b.cardOption2);
    f.ReadString(b.skinFolder);
    f.ReadString(b.fontFaceName);
    f.Read(b.taxOption);
    f.ReadBool(b.showEvents);
    return ReadMusic(f, b.music) && f.Ok();
}

void CollectGlobalState(StateBlock& b) {
    b.gameDate = g_gameDate;
    b.dayCodes = g_dayCodes;
    b.matchSheetSize = static_cast<uint32_t>(g_matchSheetSize);
    b.weekTrainingRow = g_weekTrainingRow;
    b.fontFaceName = g_fontFaceName;
    b.showEvents = g_optShowEvents;
}

void ApplyGlobalState(const StateBlock& b) {
    g_gameDate = b.gameDate;
    g_dayCodes = b.dayCodes;
    g_matchSheetSize = static_cast<int>(b.matchSheetSize);
    g_weekTrainingRow = b.weekTrainingRow;
    g_fontFaceName = b.fontFaceName;
    g_optShowEvents = b.showEvents;
}
