#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/Date.h"
#include "world/GameDate.h"
#include "world/Player.h"

// Sets the game date for one test.
class GameDateScope {
public:
    explicit GameDateScope(const Date& d) : saved_(g_gameDate) { g_gameDate = d; }
    ~GameDateScope() { g_gameDate = saved_; }

private:
    Date saved_;
};

// A player whose every field differs from the constructor's default, with
// a distinct byte in each field so that a field written in the wrong place
// shows in the bytes.
inline CPlayer MakeFullPlayer() {
    CPlayer p;
    p.matchMarks = 0x1234;
    p.suspensions = 0x01;
    p.league7mGoals = 0x02;
    p.bonusTens = 0x0403;
    p.honours = {0x12, 0x21, 0x0A, 0x05, 0x1A, 0x18, 0x0C};
    p.leagueMatches = 0x06;
    p.intlClubMatches = 0x07;
    p.allMatches = 0x0908;
    p.intlGoals = 0x0B;
    p.salaryHundreds = 0x0E0D;
    p.fixedFeeHundreds = 0x100F;
    p.formByte = 0x91;
    p.averageForm = 12.5f;
    p.positionExperience = 0x45;
    p.freshness = 0x11;
    p.fitness = 0x13;
    p.nationalMatches = 0x1514;
    p.nationalGoals = 0x1716;
    p.motivation = 0x19;
    p.averageGrade = 2.5f;
    p.cupGoals = 0x1B;
    p.cards = 0x1C;
    p.leagueGoals = 0x1E1D;
    p.status = 0x201F;
    p.attributes = {0x22, 0x23, 0x24, 0x25, 0x26};
    p.skillTraining = 0xA7;
    p.skillProgress = 0x28;
    p.contractYears = 0x03;
    p.playingStrength = 4.5f;
    p.strengthOffset = -7;
    p.characterTraits = 0x8803;
    p.styleTraits = 0x4204;
    p.birthday = PackDate(Date(1985, 6, 14));
    p.handAndSlot = 0x41;
    p.height = 195;
    p.popularityHealth = 0xA9;
    p.nationality = 34;
    p.secondNationality = 45;
    p.positions = 0x52;
    p.number = 7;
    p.skillWords = {0x1251, 0x1049};
    p.strengthTalent = 0x93;
    p.contractFlags = 0xE5;
    p.firstName = "Jan";
    p.nickname = "Jo";
    p.lastName = "Berg";
    return p;
}

// The stored fields of a player, each shown as text, for comparing records
// field by field. Flagged fields travel only in save games.
struct PlayerField {
    const char* name;
    bool flagged;
    std::function<std::string(const CPlayer&)> show;
};

template <typename T>
std::string ShowValue(const T& v) {
    std::ostringstream out;
    if constexpr (std::is_same_v<T, std::string>) {
        out << '"' << v << '"';
    } else if constexpr (std::is_same_v<T, float>) {
        uint32_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        out << v << " (0x" << std::hex << bits << ')';
    } else if constexpr (std::is_integral_v<T>) {
        out << +v;
    } else {
        for (const auto& e : v)
            out << +e << ' ';
    }
    return out.str();
}

#define PLAYER_FIELD(f, flagged) \
    PlayerField { #f, flagged, [](const CPlayer& p) { return ShowValue(p.f); } }

inline const std::vector<PlayerField>& StoredPlayerFields() {
    static const std::vector<PlayerField> fields = {
        PLAYER_FIELD(allMatches, true),        PLAYER_FIELD(positionExperience, true),
        PLAYER_FIELD(skillTraining, true),     PLAYER_FIELD(skillProgress, true),
        PLAYER_FIELD(intlClubMatches, true),   PLAYER_FIELD(attributes, true),
        PLAYER_FIELD(honours, true),           PLAYER_FIELD(cards, true),
        PLAYER_FIELD(suspensions, true),       PLAYER_FIELD(nationalGoals, true),
        PLAYER_FIELD(nationalMatches, true),   PLAYER_FIELD(leagueMatches, true),
        PLAYER_FIELD(league7mGoals, true),     PLAYER_FIELD(averageGrade, true),
        PLAYER_FIELD(intlGoals, true),         PLAYER_FIELD(cupGoals, true),
        PLAYER_FIELD(leagueGoals, true),       PLAYER_FIELD(averageForm, true),
        PLAYER_FIELD(contractYears, true),     PLAYER_FIELD(fixedFeeHundreds, true),
        PLAYER_FIELD(bonusTens, true),         PLAYER_FIELD(salaryHundreds, true),
        PLAYER_FIELD(status, true),            PLAYER_FIELD(freshness, true),
        PLAYER_FIELD(fitness, true),           PLAYER_FIELD(motivation, true),
        PLAYER_FIELD(formByte, true),          PLAYER_FIELD(strengthOffset, false),
        PLAYER_FIELD(handAndSlot, false),      PLAYER_FIELD(height, false),
        PLAYER_FIELD(contractFlags, false),    PLAYER_FIELD(characterTraits, false),
        PLAYER_FIELD(styleTraits, false),      PLAYER_FIELD(skillWords, false),
        PLAYER_FIELD(positions, false),        PLAYER_FIELD(popularityHealth, false),
        PLAYER_FIELD(nationality, false),      PLAYER_FIELD(secondNationality, false),
        PLAYER_FIELD(number, false),           PLAYER_FIELD(strengthTalent, false),
        PLAYER_FIELD(birthday, false),         PLAYER_FIELD(firstName, false),
        PLAYER_FIELD(nickname, false),         PLAYER_FIELD(lastName, false),
    };
    return fields;
}

#undef PLAYER_FIELD
