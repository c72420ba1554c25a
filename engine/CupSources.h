#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CCup;
class CLeague;
class CTeam;

// What a cup's qualification asks of its owner. The nation, the continent
// and the world each answer through one of these, so the cup knows none of
// the owner classes; the owner hands itself over when it qualifies its cups.

// A nation: its leagues, its clubs outside the leagues and its national
// team; for the continent's club cups its places by table or national cup.
class CupNationSource {
public:
    virtual ~CupNationSource() = default;

    // The nation's entry in the nation tables, kept per participant.
    virtual int NationNumber() const = 0;
    virtual CTeam* NationalTeam() = 0;
    virtual int LeagueCount() const = 0;
    virtual CLeague& League(int index) = 0;
    // The highest division number of its leagues (the lowest division).
    virtual int LowestDivision() const = 0;
    // The national cup (the first of the nation's cups); null when none.
    virtual const CCup* NationalCup() const = 0;

    // Clubs made for the competitions: a new club of the division is
    // appended to the nation's clubs outside the leagues; null when none
    // could be made. Its squad's strength and talent are about levelPercent
    // of the division's means, spread by spreadPercent.
    virtual CTeam* CreateExtraTeam(int division, int levelPercent, int spreadPercent) = 0;
    virtual size_t ExtraTeamCount() const = 0;
    virtual void RemoveExtraTeamsFrom(size_t index) = 0;

    // Writes count clubs into places from index on: those at table places
    // (or national-cup ranks) from `first` on, made-up clubs where the list
    // runs short. False when a club could not be made.
    virtual bool FillCupPlacesByTable(int first, int count, std::vector<CTeam*>& places, int index) = 0;
    virtual bool FillCupPlacesByNationalCup(int first, int count, std::vector<CTeam*>& places, int index) = 0;
};

// A continent: its nations and their coefficient order, its club cups, its
// championship's host and its two qualification cups.
class CupContinentSource {
public:
    virtual ~CupContinentSource() = default;

    virtual int NationCount() const = 0;
    virtual CupNationSource& Nation(int index) = 0;
    // Nation indexes, best coefficient first.
    virtual std::vector<int> RankNationsByCoefficient() = 0;
    // The index of the nation the club plays in; -1 when it is none of this
    // continent's.
    virtual int FindNationOfTeam(const CTeam* team) = 0;

    virtual const CCup& MainClubCup() const = 0;
    virtual int FurtherCupCount() const = 0;
    virtual const CCup& FurtherCup(int index) const = 0;
    // The team plays in a club cup of the further-cup list before `cup`.
    virtual bool IsTeamInEarlierCup(const CTeam* team, const CCup& cup) const = 0;

    // The championship's organiser, a nation index (may be out of range).
    virtual int HostNation() const = 0;
    // 0: the championship's qualification, 1: the world cup's.
    virtual const CCup& ExtraCup(int index) const = 0;
};

// The world: its continents, its two tournaments and their hosts.
class CupWorldSource {
public:
    virtual ~CupWorldSource() = default;

    virtual int ContinentCount() const = 0;
    virtual CupContinentSource& Continent(int index) = 0;
    // Continent index << 8 | nation index; anything out of range names none.
    virtual uint16_t WorldCupHost() const = 0;
    virtual uint16_t OlympicHost() const = 0;
    virtual const CCup& WorldCup() const = 0;
    virtual const CCup& OlympicTournament() const = 0;
};
