#include <algorithm>

#include "engine/CupSources.h"
#include "world/Cup.h"
#include "world/Team.h"

namespace {

// Table positions a nation may pass over while looking for a club that
// plays in no other cup; far beyond any league, and the nation makes up
// clubs when its tables run out.
constexpr int kMaxPassedOver = 1024;

int NationNumberOf(CupContinentSource& continent, const CTeam* team) {
    const int nation = continent.FindNationOfTeam(team);
    return nation >= 0 ? continent.Nation(nation).NationNumber() : kUnknownNation;
}

}  // namespace

int CCup::IndexAmongClubCups(const CupContinentSource& continent) const {
    for (int j = 0; j < continent.FurtherCupCount(); ++j)
        if (&continent.FurtherCup(j) == this)
            return j;
    return &continent.MainClubCup() == this ? continent.FurtherCupCount() : -1;
}

// The main cup takes each nation's national-cup ranks, the further cups its
// table places; the places that earlier cups of the list took are passed
// over, and so is a club already in another cup or already in this one.
bool CCup::FillContinentalCup(CupContinentSource& continent) {
    const int index = IndexAmongClubCups(continent);
    if (index < 0)
        return false;
    const bool mainCup = index == continent.FurtherCupCount();
    const std::vector<int> order = continent.RankNationsByCoefficient();
    const int slots = static_cast<int>(std::min(order.size(), cumulativePlaces.size()));
    std::vector<int> used(slots, 0);
    for (int j = 0; j < index && !mainCup; ++j)
        for (int i = 0; i < slots; ++i)
            used[i] += continent.FurtherCup(j).GetQualificationPlaces(i);

    auto fillOne = [&](CupNationSource& nation, int position, int place) {
        return mainCup ? nation.FillCupPlacesByNationalCup(position, 1, participants, place)
                       : nation.FillCupPlacesByTable(position, 1, participants, place);
    };
    auto playsElsewhere = [&](int place) {
        return continent.IsTeamInEarlierCup(participants[place], *this) ||
               IsAlreadyParticipant(participants[place], place, true);
    };

    if ((flags & kCupExtraPlace) && !ranking.empty() && !participants.empty()) {
        const int extra = static_cast<int>(participants.size()) - 1;
        CTeam* holder = ranking.front();
        const int nationIndex = continent.FindNationOfTeam(holder);
        if (nationIndex < 0)
            return false;
        CupNationSource& nation = continent.Nation(nationIndex);
        Place(extra, holder, nation.NationNumber());
        // A titleholder that plays in an earlier cup leaves the place to
        // the next club of its nation that does not.
        if (continent.IsTeamInEarlierCup(holder, *this)) {
            const size_t slot = std::find(order.begin(), order.end(), nationIndex) - order.begin();
            int position = mainCup ? 1 : (slot < used.size() ? used[slot] : 0);
            const int limit = position + kMaxPassedOver;
            do {
                if (position > limit || !fillOne(nation, position++, extra))
                    return false;
            } while (continent.IsTeamInEarlierCup(participants[extra], *this));
        }
    }

    for (int i = 0; i < slots; ++i) {
        CupNationSource& nation = continent.Nation(order[i]);
        const int first = i == 0 ? 0 : cumulativePlaces[i - 1];
        const int n = GetQualificationPlaces(i);
        if (n <= 0)
            continue;
        const bool filled = mainCup ? nation.FillCupPlacesByNationalCup(used[i], n, participants, first)
                                    : nation.FillCupPlacesByTable(used[i], n, participants, first);
        if (!filled)
            return false;
        used[i] += n;
        const int limit = used[i] + kMaxPassedOver;
        for (int place = first; place < first + n; ++place) {
            while (playsElsewhere(place))
                if (used[i] > limit || !fillOne(nation, used[i]++, place))
                    return false;
            participantNations[place] = static_cast<uint8_t>(nation.NationNumber());
        }
    }
    return true;
}

// The titleholder, then the best of each source cup's ranking that is not
// in yet: slot 0 the main club cup, slot i + 1 the i-th further cup.
bool CCup::FillContinentalSuperCup(CupContinentSource& continent) {
    if (flags & kCupExtraPlace) {
        if (ranking.empty() || participants.empty())
            return false;
        Place(static_cast<int>(participants.size()) - 1, ranking.front(), NationNumberOf(continent, ranking.front()));
    }
    int place = 0;
    const int slots = static_cast<int>(cumulativePlaces.size());
    for (int slot = 0; slot < slots; ++slot) {
        const int n = GetQualificationPlaces(slot);
        if (n <= 0)
            continue;
        if (slot > continent.FurtherCupCount())
            return false;
        const CCup& source = slot == 0 ? continent.MainClubCup() : continent.FurtherCup(slot - 1);
        size_t entry = 0;
        for (int k = 0; k < n; ++k) {
            while (entry < source.ranking.size() && IsPlaced(source.ranking[entry]))
                ++entry;
            if (entry >= source.ranking.size())
                return false;
            CTeam* team = source.ranking[entry++];
            Place(place++, team, NationNumberOf(continent, team));
        }
    }
    return true;
}

// After each match day a further cup that has just begun a round with
// places to spare takes in the losers that other further cups pass to it.
void CCup::TakeTeamsFromOtherCups(CupContinentSource& continent) {
    const int round = static_cast<int>(drawnRounds.size());
    if (!TakesPlace() || round == 0 || currentMatchDay != GetMatchDaysUpToRound(round - 1) + 1 ||
        static_cast<int>(drawnRounds.back().size()) >= GetTeamsInRound(round))
        return;
    const int index = IndexAmongClubCups(continent);
    if (index < 0 || index >= continent.FurtherCupCount())
        return;
    std::vector<uint16_t>& list = drawnRounds.back();
    const size_t before = list.size();
    for (int j = 0; j < continent.FurtherCupCount(); ++j)
        if (j != index)
            for (int participant : TakeLosersOf(continent.FurtherCup(j), index))
                list.push_back(static_cast<uint16_t>(participant));
    if (list.size() == before)
        return;
    const bool group = HasGroupRound() && round == groupRound;
    roundRecords.back().resize(list.size() * (group ? FirstStageMatchDays() + SecondStageMatchDays() : legs), 0);
    // The newcomers meet the teams already drawn.
    for (size_t position = 0; position < list.size() / 2; position += 2) {
        const uint16_t last = list.back();
        list.pop_back();
        list.insert(list.begin() + position, last);
    }
}

// The losers of the other cup's last finished round, when it passes them
// here, become participants; their participant indexes come back.
std::vector<int> CCup::TakeLosersOf(const CCup& other, int cupIndex) {
    std::vector<int> taken;
    // The other cup's round that today's match day belongs to; the one
    // before it is over.
    int running = 1;
    while (running <= other.roundCount && other.GetMatchDaysUpToRound(running) < currentMatchDay)
        ++running;
    const int finished = running - 1;
    if (finished < 1 || other.GetLosersPassedToCup(cupIndex, finished) <= 0 ||
        static_cast<int>(other.drawnRounds.size()) < running)
        return taken;
    const std::vector<uint16_t>& next = other.drawnRounds[running - 1];
    for (uint16_t entrant : other.drawnRounds[finished - 1]) {
        if (std::find(next.begin(), next.end(), entrant) != next.end() || entrant >= other.participants.size())
            continue;
        taken.push_back(static_cast<int>(participants.size()));
        participants.push_back(other.participants[entrant]);
        participantNations.push_back(entrant < other.participantNations.size() ? other.participantNations[entrant]
                                                                               : kUnknownNation);
    }
    return taken;
}
