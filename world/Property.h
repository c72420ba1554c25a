#pragma once

#include <cstdint>

class BinaryFile;

// One possession or investment of the manager (a camper, a house, bank
// savings, ...), one of fifty kinds. The manager's two lists own them: the
// items he uses himself and those he holds or rents out.
class CProperty {
public:
    static constexpr uint16_t kNoPurchaseYear = 1900;
    static constexpr uint8_t kKinds = 50;

    // Its 8 bytes in the manager's share of the save game. An item of an
    // unknown kind is refused; a failed read leaves the item as it was.
    bool Write(BinaryFile& f) const;
    bool Read(BinaryFile& f);

    bool operator==(const CProperty&) const = default;

    // Tenths of a coaching level that a status item in his own use adds to
    // the board's view of his work; 0 for every other item.
    int GetCoachingLevelBonus() const;

    uint8_t used = 0;  // 1 while the manager uses it himself
    uint16_t purchaseYear = kNoPurchaseYear;
    uint32_t storedValue = 0;  // whole euros, the base of its current value
    uint8_t kind = 0;          // 0-49
};
