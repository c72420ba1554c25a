#pragma once

#include <cstdint>

// The tactics words of a team. Each holds three 3-bit settings 0-4 in bits
// 0-8 (2 is "normal"); bits 9-15 belong to others and are kept.
//   defence: effort, roughness, fastbreak;
//   offence: duels, playing combinations, distance throws.
constexpr int kTacticsSettingBits = 3;
constexpr int kTacticsSettingCount = 3;
constexpr uint16_t kTacticsSettingsMask = 0x01FF;
constexpr int kTacticsLevelMax = 4;
constexpr uint16_t kNormalTactics = 2 | 2 << 3 | 2 << 6;  // 146

inline uint16_t PackTactics(uint16_t oldWord, int first, int second, int third) {
    const int settings = first | second << kTacticsSettingBits | third << 2 * kTacticsSettingBits;
    return static_cast<uint16_t>((oldWord & ~kTacticsSettingsMask) | settings);
}

// Setting 0-2 of a tactics word, in the order above.
constexpr int TacticsSetting(uint16_t word, int setting) {
    return (word >> kTacticsSettingBits * setting) & ((1 << kTacticsSettingBits) - 1);
}
constexpr uint16_t WithTacticsSetting(uint16_t word, int setting, int value) {
    const int shift = kTacticsSettingBits * setting;
    const int mask = ((1 << kTacticsSettingBits) - 1) << shift;
    return static_cast<uint16_t>((word & ~mask) | (value << shift & mask));
}

// Defence systems 1-6: "6 : 0", "5 : 1", "4 : 2", "3 : 2 : 1", "3 : 3", "1 : 5".
constexpr int kDefenceSystemCount = 6;

// Whether the defender of defence slot 1-6 may mark a man in the system; the
// entry of system s and slot d is (s - 1) * 6 + (d - 1). No system chosen
// (0) allows nobody.
extern const uint8_t g_markingAllowed[kDefenceSystemCount * 6];
bool MayMarkManToMan(int defenceSystem, int defenceSlot);

// The marking word: four bits per defence slot 1-6, the opponent's offence
// position that the defender marks, 0 for none.
inline int MarkedPosition(uint32_t marking, int defenceSlot) { return (marking >> 4 * (defenceSlot - 1)) & 0xF; }
inline uint32_t WithMarkedPosition(uint32_t marking, int defenceSlot, int position) {
    const int shift = 4 * (defenceSlot - 1);
    return (marking & ~(0xFu << shift)) | static_cast<uint32_t>(position & 0xF) << shift;
}

// The opponent's offence position a defender of defence slot 1-6 faces, the
// only one he may mark: wings and backs face their mirror position, the
// line player's defender the centre back.
int FacedPosition(int defenceSlot);
