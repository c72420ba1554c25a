#pragma once

#include <cstdint>
#include <string>

class CPlayer;

// What the training tells the user of his own players: a news line and,
// for the events that need him, a message box.
struct TrainingNotice {
    std::string news;
    uint32_t newsColour = 0;
    std::string caption;  // empty: no box
    std::string text;
    int boxExtra = 0;
};

TrainingNotice DescribeSickness(const CPlayer& player, const std::string& sickness, int days);
// A non-professional away for his vacation or, for the other, his job.
TrainingNotice DescribeAbsence(const CPlayer& player, bool vacation, bool womensGame, int days);
// skill: the index of his special skill (a goalkeeper's 0-4 as his own).
TrainingNotice DescribeSkillImproved(const CPlayer& player, int skill);
TrainingNotice DescribeReturn(const CPlayer& player, bool toYouthTeam);

// Adds the news line, then shows the box when there is one.
void Announce(const TrainingNotice& notice);
