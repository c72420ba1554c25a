#pragma once

#include <cstddef>
#include <cstdint>
#include <variant>

class CContinent;
class CLeague;
class CNation;
class CTeam;

// A packed place in the world tree, one byte per level, each an index into
// the list of the level above: continent (bits 24-31), nation (16-23),
// league (8-15), team (0-7). Files and dialogs keep these instead of
// pointers. A player is named by his team's reference plus his squad index.
//
// League byte kRefNationLevel means a team of the nation itself: team byte 0
// its national team, k its extra team k - 1.
using WorldRef = uint32_t;

constexpr WorldRef kRefNotFound = 0xFF000000;
constexpr uint8_t kRefNationLevel = 0xFF;
constexpr uint8_t kRefNationalTeam = 0;
constexpr uint32_t kRefByteMask = 0xFF;

// Each index is cut to its byte, so objects beyond the 256th of a list
// cannot be named.
constexpr WorldRef PackWorldRef(size_t continent, size_t nation, size_t league, size_t team) {
    return static_cast<WorldRef>((continent & kRefByteMask) << 24 | (nation & kRefByteMask) << 16 |
                                 (league & kRefByteMask) << 8 | (team & kRefByteMask));
}
constexpr uint8_t RefContinent(WorldRef ref) { return static_cast<uint8_t>(ref >> 24); }
constexpr uint8_t RefNation(WorldRef ref) { return static_cast<uint8_t>(ref >> 16); }
constexpr uint8_t RefLeague(WorldRef ref) { return static_cast<uint8_t>(ref >> 8); }
constexpr uint8_t RefTeam(WorldRef ref) { return static_cast<uint8_t>(ref); }

// A player's place: his team's reference and his squad index.
struct PlayerPlace {
    WorldRef ref = kRefNotFound;
    uint8_t squadIndex = 0;
};

// How far down the tree a reference is followed. A reference to a
// continent, nation or league is built like a team's; its lower bytes are
// ignored.
enum class RefLevel { kTeam, kLeague, kNation, kContinent };

// What a reference names. Anything that does not exist resolves to
// &g_noClubTeam, so callers that asked for a league, nation or continent
// must check which alternative they got.
using WorldObject = std::variant<CTeam*, CLeague*, CNation*, CContinent*>;
