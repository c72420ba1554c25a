#pragma once

#include <cstdint>

#include "world/Player.h"

class CLeague;
class CNation;
class CTeam;
class Date;

// The packed words of a nation's transfer market and the rules of the
// transfer window. The lists themselves are members of CNation.

// One transfer-list entry: price / 100 in bits 0-15, loan bit 16, free
// transfer bit 17, talks day offset in bits 18-20 (0 = no talks), the
// league byte of the club's world reference in bits 21-28.
struct TransferEntry {
    static constexpr uint32_t kPriceUnit = 100;
    static constexpr uint32_t kPriceMask = 0xFFFF;
    static constexpr uint32_t kLoan = 1u << 16;
    static constexpr uint32_t kFree = 1u << 17;
    static constexpr int kOffsetShift = 18;
    static constexpr uint32_t kOffsetMask = 0x7u << kOffsetShift;
    static constexpr int kLeagueShift = 21;
    static constexpr int kMaxTalksOffset = 5;

    uint32_t price = 0;  // euros
    bool loan = false;
    bool free = false;
    int talksOffset = 0;  // 1-5, 0 none
    uint8_t leagueByte = 0;

    static TransferEntry Unpack(uint32_t word);
    uint32_t Pack() const;
};

// A player and a club: the interested club of transfer talks, or the new
// club of an agreed transfer (for a loan, the club he returns to).
struct TransferPair {
    CPlayer* player = nullptr;
    CTeam* club = nullptr;
};

// The terms of the next contract of an agreed transfer in two words:
// salary / 100 and fixed fee / 100; bonus / 10, years, clause, the club's
// and the player's option and the professional flag.
struct AgreedTerms {
    static constexpr int kWords = 2;
    static uint32_t PackFirst(const PlayerContract& c);
    static uint32_t PackSecond(const PlayerContract& c);
    static PlayerContract Unpack(uint32_t first, uint32_t second);
};

// Status bits that forbid listing a player.
constexpr uint16_t kListingBlockers = CPlayer::kTransferMarked | CPlayer::kStrengthHidden |
                                      CPlayer::kOnTransferList | CPlayer::kChangedTeam;

// From 15 January to 30 June sales wait for the season change, loans cannot
// be listed and a free transfer cannot be withdrawn.
bool IsInTransferWindow(const Date& date);

// Where a club plays, through the manager's world: null for a club outside
// the leagues (or outside the world).
CLeague* FindLeagueOfClub(const CTeam* club);
CNation* FindNationOfClub(const CTeam* club);
