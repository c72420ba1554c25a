#pragma once

#include <cstdint>
#include <string>

class BinaryFile;

// A sponsor of a nation's sponsor pool, from which the clubs get their
// sponsors. Its logo is a bitmap in the folder "Sponsoren\".
class CSponsor {
public:
    static constexpr uint8_t kDefaultFinancialSituation = 4;

    std::string name;
    uint8_t financialSituation = kDefaultFinancialSituation;
    std::string logoFile;

    // The save-game flag is not used: a sponsor has no season state.
    bool Write(BinaryFile& f, uint8_t saveGame) const;
    // On failure the sponsor keeps its old values.
    bool Read(BinaryFile& f, uint8_t saveGame);
};
