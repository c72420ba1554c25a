// The weekly step of a league: the computer-run clubs train their week,
// and every club lives its week and its building works move on.
#include "platform/Random.h"
#include "squad/Training.h"
#include "world/League.h"
#include "world/Team.h"

namespace {

constexpr int kLowFitness = 30;

// A tired squad of a computer-run club gets its fitness lifted one week in three.
void TrainComputerClub(CTeam& club, int units) {
    club.LoadCurrentWeekTraining();
    club.RunTrainingUnits(0, units);
    if (club.GetAverageFitness() < kLowFitness && RandBelow(3) == 0)
        club.LiftLowFitness();
}

}  // namespace

void CLeague::DoWeekStep() {
    {
        TrainingWeekScope scope(trainingUnits);
        for (const auto& club : clubs)
            if (!IsUserTeam(club.get()))
                TrainComputerClub(*club, trainingUnits);
    }
    for (const auto& club : clubs) {
        club->account.RunClubWeekEvents(*this, *club);
        club->arena.CountDownConstruction();
    }
}
