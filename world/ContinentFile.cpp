// The continent's record: its nations and cups, names and president; a
// save game adds the drawn host and the two qualification cups.
#include "platform/BinaryFile.h"
#include "world/Continent.h"
#include "world/Nation.h"

bool CContinent::Write(BinaryFile& f, uint8_t saveGame) const {
    // A longer list would be stored with a wrong count and spoil the file.
    if (nations.size() > kMaxListSize || clubCups.size() > kMaxListSize)
        return false;
    const bool withState = saveGame != 0;
    if (!WriteObjectList<uint8_t>(f, nations, saveGame))
        return false;
    if (!f.Write(static_cast<uint8_t>(clubCups.size())))
        return false;
    for (const auto& cup : clubCups)
        if (!cup->Write(f, withState))
            return false;
    f.WriteString(name);
    f.WriteString(shortName);
    if (!f.Ok() || !championship.Write(f, withState) || !clubCup.Write(f, withState))
        return false;
    f.WriteString(president);
    f.Write(presidentBirthday);
    if (!f.Ok() || !superCup.Write(f, withState))
        return false;
    if (saveGame) {
        f.Write(hostNation);
        if (!extraCups[kChampionshipQualification].Write(f, true) || !extraCups[kWorldCupQualification].Write(f, true))
            return false;
    }
    return f.Ok();
}

// The qualification cups are checked like every other part: a save game
// cut off inside them is as unreadable as one cut off anywhere else.
bool CContinent::Read(BinaryFile& f, uint8_t saveGame) {
    const bool withState = saveGame != 0;
    if (!ReadObjectList<uint8_t>(f, nations, saveGame))
        return false;
    uint8_t cupCount = 0;
    if (!f.Read(cupCount))
        return false;
    clubCups.clear();
    for (uint8_t i = 0; i < cupCount; ++i) {
        auto cup = std::make_unique<CCup>();
        if (!cup->Read(f, withState))
            return false;
        clubCups.push_back(std::move(cup));
    }
    f.ReadString(name);
    f.ReadString(shortName);
    if (!f.Ok() || !championship.Read(f, withState) || !clubCup.Read(f, withState))
        return false;
    f.ReadString(president);
    f.Read(presidentBirthday);
    if (!f.Ok() || !superCup.Read(f, withState))
        return false;
    if (saveGame) {
        f.Read(hostNation);
        if (!f.Ok() || !extraCups[kChampionshipQualification].Read(f, true) ||
            !extraCups[kWorldCupQualification].Read(f, true))
            return false;
    }
    return f.Ok();
}
