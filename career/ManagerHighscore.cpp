#include <algorithm>

#include "world/GameDate.h"
#include "world/HighscoreList.h"
#include "world/Manager.h"
#include "world/Team.h"
#include "world/WorkEvaluation.h"
#include "world/World.h"

namespace {

// A total above this is taken for a wrapped negative one.
constexpr int kLargestScore = 32768;

}  // namespace

bool CManager::UpdateHighscore(HighscoreTables& list) const {
    WorkEvaluation evaluation;
    EvaluateWork(&evaluation);
    const uint16_t total = static_cast<uint16_t>(evaluation.scores[WorkEvaluation::kTotalEntry]);
    const uint16_t score = total > kLargestScore ? 0 : total;
    const auto place = std::find_if(list.score.begin(), list.score.end(), [score](uint16_t s) { return s < score; });
    if (place == list.score.end())
        return false;
    const size_t i = static_cast<size_t>(place - list.score.begin());
    const auto makeRoom = [i](auto& column) { std::move_backward(column.begin() + i, column.end() - 1, column.end()); };
    makeRoom(list.names);
    makeRoom(list.clubs);
    makeRoom(list.level);
    makeRoom(list.score);
    makeRoom(list.season);
    makeRoom(list.years);
    const int year = g_gameDate.Year();
    list.names[i] = firstName + " " + lastName;
    list.clubs[i] = club ? club->name : std::string();
    list.level[i] = coachingLevel;
    list.score[i] = score;
    list.season[i] = static_cast<uint16_t>(SeasonYearOf(g_gameDate));
    list.years[i] = static_cast<uint8_t>(year - (world ? world->startYear : year));
    return true;
}
