#pragma once

#include <cstdint>

// The manager's diary (CManager::diary): word 0 is a marker, so no entry
// starts at index 0 and a day slot of 0 means a free day. Each entry is a
// head word (kind in bits 0-15, a value byte in bits 16-23, the count of
// data words that follow in bits 24-31) and its data words; the day slots
// hold the index of the day's head word.
namespace DiaryKind {

constexpr int kContractExtension = 0;  // value: squad index of an own player
constexpr int kOwnPlayerTalks = 1;     // value: squad index of an own player
constexpr int kOtherPlayerTalks = 2;   // value: squad index; data: his team's WorldRef
constexpr int kFreePlayerTalks = 3;    // data: index in the nation's free players
constexpr int kHospitalVisit = 4;      // value: squad index of an own player
constexpr int kFirstWorkEngagement = 5;
constexpr int kLastWorkEngagement = 10;
constexpr int kOwnContractTalks = 11;
constexpr int kJobTalks = 12;             // data: the other club's WorldRef
constexpr int kJobTalksNextSeason = 13;  // data: the other club's WorldRef
constexpr int kOwnExtensionInquiry = 14;
constexpr int kFirstCommitment = 15;  // data: the variant chosen
constexpr int kLastCommitment = 26;
constexpr int kTrainingCamp = 24;
constexpr int kTrainingCampDay = 27;  // the camp's further six days

}  // namespace DiaryKind

constexpr uint32_t kDiaryMarker = 0xFFFFFFFF;

constexpr uint32_t DiaryHeadWord(int kind, int value, int dataWords) {
    return static_cast<uint32_t>(dataWords) << 24 | static_cast<uint32_t>(value & 0xFF) << 16 |
           static_cast<uint32_t>(kind & 0xFFFF);
}
constexpr int DiaryKindOf(uint32_t head) { return static_cast<int>(head & 0xFFFF); }
constexpr int DiaryValueOf(uint32_t head) { return static_cast<int>((head >> 16) & 0xFF); }
constexpr int DiaryDataWordsOf(uint32_t head) { return static_cast<int>(head >> 24); }
