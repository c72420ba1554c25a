#pragma once

#include <array>
#include <cstdint>
#include <string>

class BinaryFile;

// A pair of referees of a nation. Every match carries its own copy of one
// pair; the match engine reads competence and toughness, the match report
// shows the two names.
class CReferee {
public:
    static constexpr uint8_t kDefaultRating = 5;

    std::array<std::string, 2> names;
    uint8_t competence = kDefaultRating;
    uint8_t toughness = kDefaultRating;

    void CopyFrom(const CReferee& other) { *this = other; }

    // The save-game flag is not used: the pair has no season state.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the pair keeps its old values.
    bool Read(BinaryFile& f, uint8_t saveGame);
};
