#pragma once

#include <cstddef>

class CTeam;

// One call of the week's training: units from..to-1 of a week of
// unitsPerWeek units. The first part of the week starts at unit 0, the
// last part ends with the week's last unit; a whole week is both.
struct TrainingRun {
    int from = 0;
    int to = 0;
    int unitsPerWeek = 0;

    int Units() const { return to - from; }
    bool FirstPart() const { return from == 0; }
    bool LastPart() const { return to == unitsPerWeek; }
    // Calendar days the run stands for: a whole week is 7, however split.
    int Days() const;
};

// The player events of the training, for the squad player at index.
// A ready player may fall sick or, not being a professional, be kept away
// by his vacation or his job.
void DrawSicknessOrAbsence(CTeam& team, size_t index, const TrainingRun& run);
// An unavailable player's days run down; the last day ends his absence
// and his entry in the illness list.
void CountDownAbsence(CTeam& team, size_t index, const TrainingRun& run);
// A youth or amateur player on trial goes back in the last week of the
// month; true when he has left the squad.
bool SendBackFromTrialWhenDue(CTeam& team, size_t index);
