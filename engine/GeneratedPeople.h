#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class CPlayer;
class CTeam;

// The generators of people and clubs that the world needs: names from the
// fixed name tables, birthdays and the values of new players. The nation's
// generators (Nation.h) add the names borrowed from its own players.

// Talent runs 0-3 in the whole record; a generated player never gets more.
constexpr int kMaxGeneratedTalent = 3;

// A first name from the men's or, in the women's game, the women's list,
// and a surname of a start, a middle and an ending.
void GeneratePersonName(std::string& firstName, std::string& surname);

// A prefix and the nation's name; when a club of the nation bears it, a
// new prefix with " I", then " II", ... until the name is free.
std::string GenerateClubName(int nationNumber, const std::function<bool(const std::string&)>& isTaken);

// A packed birthday (year << 16 | month << 8 | day) in that year; no one
// is born on 29 February.
uint32_t DrawBirthdayInYear(int year);

// What a generated player is drawn around. Centres and spreads of the
// talent are in whole talent steps (0-3), the others in strength classes
// and years.
struct PlayerRecipe {
    int position = 0;
    float strengthCentre = 0;
    int strengthSpread = 0;
    int ageCentre = 0;
    int ageSpread = 0;
    float talentCentre = 0;
    float talentSpread = 0;
    int talentLimit = kMaxGeneratedTalent;
    bool professional = false;
    // The world's price rise, for the contract he asks for.
    int inflationPermille = 0;
};

// Draws everything of a new player but his names and nationality: talent,
// strength, birthday, strength offset, hand, positions, special skills,
// height, traits, shirt number and a contract at 9/10 of his demand.
void DrawPlayerValues(CPlayer& player, const PlayerRecipe& recipe);

// The squad of a new club: a line player, a left wing, a left back, a
// centre back and a goalkeeper, then 7-12 players at random positions, each
// made by generatePlayer (position) and added to the club (12-17 players).
void AddGeneratedSquad(CTeam& club, const std::function<std::unique_ptr<CPlayer>(int position)>& generatePlayer);
