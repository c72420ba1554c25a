#include "career/Diary.h"
#include "engine/ScreenWords.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/NoClubTeam.h"
#include "world/Player.h"
#include "world/Team.h"

namespace {

// Skin colours of the entries.
constexpr int kTalksColour = 31;
constexpr int kHospitalColour = 32;
constexpr int kOwnCareerColour = 33;
constexpr int kCheapColour = 36;
constexpr int kAppropriateColour = 35;
constexpr int kExclusiveColour = 34;
constexpr int kTrainingCampColour = kExclusiveColour;

// Article bytes of a club whose name is said with "the".
constexpr int kFirstArticle = 1;
constexpr int kLastArticle = 3;

struct EntryLabel {
    std::string text;  // empty: no label
    int colour = 0;
};

const CPlayer* PlayerAt(const PlayerList& players, uint32_t index) {
    return index < players.size() ? players[index].get() : nullptr;
}

const CPlayer* OwnPlayer(const CManager& m, int squadIndex) {
    return m.club ? PlayerAt(m.club->squad, static_cast<uint32_t>(squadIndex)) : nullptr;
}

std::string WithArticle(const CTeam& club, const char* article) {
    const bool said = club.article >= kFirstArticle && club.article <= kLastArticle;
    return (said ? article : "") + club.name;
}

EntryLabel TalkLabel(const CPlayer* player) {
    if (!player)
        return {};
    return {"negotiation " + player->GetDisplayName(true), kTalksColour};
}

EntryLabel PlayerEntryLabel(const CManager& m, int kind, int value, uint32_t data) {
    switch (kind) {
    case DiaryKind::kContractExtension: {
        const CPlayer* p = OwnPlayer(m, value);
        if (!p || p->contractYears == 0 || p->HasChangedTeam())
            return {};
        return {"contract extension " + p->GetDisplayName(true), kTalksColour};
    }
    case DiaryKind::kOwnPlayerTalks: return TalkLabel(OwnPlayer(m, value));
    case DiaryKind::kOtherPlayerTalks:
        return TalkLabel(PlayerAt(m.ResolveTeam(data)->squad, static_cast<uint32_t>(value)));
    case DiaryKind::kFreePlayerTalks: return TalkLabel(m.nation ? PlayerAt(m.nation->freePlayers, data) : nullptr);
    case DiaryKind::kHospitalVisit: {
        const CPlayer* p = OwnPlayer(m, value);
        if (!p)
            return {};
        return {"patient attendance " + p->GetDisplayName(false), kHospitalColour};
    }
    default: return {};
    }
}

EntryLabel OwnCareerLabel(const CManager& m, int kind, uint32_t data) {
    const bool contractEnding = m.contractYears < 2;
    if (kind == DiaryKind::kJobTalks || kind == DiaryKind::kJobTalksNextSeason) {
        const CTeam* other = m.ResolveTeam(data);
        if (other == &g_noClubTeam)
            return {};
        return {"negotiation with " + WithArticle(*other, " the "), kOwnCareerColour};
    }
    if (!m.club || !contractEnding)
        return {};
    if (kind == DiaryKind::kOwnContractTalks)
        return {"contract negotiations with " + WithArticle(*m.club, " the "), kOwnCareerColour};
    if (m.hasNextContract)
        return {};
    return {"Inquiry for extension of your contract " + WithArticle(*m.club, "the "), kOwnCareerColour};
}

int CommitmentColour(uint32_t variant) {
    switch (variant) {
    case 0: return kCheapColour;
    case 2: return kExclusiveColour;
    default: return kAppropriateColour;
    }
}

EntryLabel LabelOf(const CManager& m, int kind, int value, uint32_t data) {
    if (kind <= DiaryKind::kHospitalVisit)
        return PlayerEntryLabel(m, kind, value, data);
    if (kind <= DiaryKind::kLastWorkEngagement)
        return {g_managerActivityNames[kind - DiaryKind::kFirstWorkEngagement], kTalksColour};
    if (kind <= DiaryKind::kOwnExtensionInquiry)
        return OwnCareerLabel(m, kind, data);
    if (kind <= DiaryKind::kLastCommitment)
        return {g_commitmentNames[kind - DiaryKind::kFirstCommitment], CommitmentColour(data)};
    if (kind == DiaryKind::kTrainingCampDay)
        return {g_commitmentNames[DiaryKind::kTrainingCamp - DiaryKind::kFirstCommitment], kTrainingCampColour};
    return {};
}

}  // namespace

bool CManager::GetDiaryEntryLabel(std::string& label, int dayIndex, Colour& colour,
                                  std::span<const Colour> skinColours) const {
    if (dayIndex < 0 || dayIndex >= kDiaryDays)
        return false;
    const size_t head = daySlots[static_cast<size_t>(dayIndex)];
    if (head == 0 || head >= diary.size())
        return false;
    const int dataWords = DiaryDataWordsOf(diary[head]);
    if (head + static_cast<size_t>(dataWords) >= diary.size())
        return false;
    const uint32_t data = dataWords > 0 ? diary[head + 1] : 0;
    const EntryLabel entry = LabelOf(*this, DiaryKindOf(diary[head]), DiaryValueOf(diary[head]), data);
    if (entry.text.empty())
        return false;
    label += entry.text;
    colour = skinColours[static_cast<size_t>(entry.colour)];
    return true;
}
