#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/Player.h"
#include "world/PlayerSearch.h"

// The filters turned into the tests they make on a player's record. The
// nation and the limit are the walk's business (CWorld::SearchPlayers),
// not the criteria's.
class PlayerSearchCriteria {
public:
    explicit PlayerSearchCriteria(const PlayerSearchFilter& filter);

    // Every test passes. The cheap tests on the record's bits go first and
    // turn most players away inline; the age, which needs the date worked
    // out, comes last.
    bool Passes(const CPlayer& p) const { return BitsPass(p) && RestPasses(p); }

    // Appends the players who pass, in their order.
    void Select(const std::vector<CPlayer*>& players, std::vector<CPlayer*>& passed) const {
        for (CPlayer* player : players)
            if (Passes(*player))
                passed.push_back(player);
    }

private:
    static constexpr uint16_t kTransferHidden = CPlayer::kTransferMarked | CPlayer::kStrengthHidden;

    bool SkillsPass(const CPlayer& p) const {
        if (p.IsGoalkeeper())
            return p.skillWords[0] & keeper_;
        return (p.skillWords[0] & firstWord_) || (p.skillWords[1] & secondWord_);
    }

    bool BitsPass(const CPlayer& p) const {
        if (p.styleTraits & kTransferHidden)
            return false;
        if (listedOnly_ && !p.IsOnTransferList(false))
            return false;
        if (!(strength_ & (1u << p.GetStrengthClass())))
            return false;
        const int alt = p.GetAltPosition();
        if (!(position_ & (1u << p.GetPosition())) && !(alt >= 0 && (position_ & (1u << alt))))
            return false;
        if (!(talent_ & (1u << p.GetTalent())) || !SkillsPass(p))
            return false;
        if (style_ && !(p.styleTraits & style_))
            return false;
        return !character_ || (p.characterTraits & character_);
    }

    // The fee, the contract, the names and the age.
    bool RestPasses(const CPlayer& p) const;

    bool listedOnly_;
    bool fixedFeeOnly_;
    bool contractEndsOnly_;
    uint16_t strength_;
    uint8_t position_;
    uint8_t talent_;
    uint32_t age_;
    uint16_t firstWord_;
    uint16_t secondWord_;
    uint16_t keeper_;
    uint16_t style_;
    uint16_t character_;
    std::string firstName_;
    std::string lastName_;
};
