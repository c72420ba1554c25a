#include "engine/GeneratedPeople.h"
#include "platform/Random.h"
#include "tools/world-builder/BuildSteps.h"

namespace {

// After this many taken towns in a row a number tells the new one apart.
constexpr int kTownTries = 200;

}  // namespace

std::string NameMaker::Pick(const std::vector<std::string>& list) const {
    return list[RandBelow(static_cast<int>(list.size()))];
}

std::string NameMaker::NewTown() {
    for (int i = 0;; ++i) {
        std::string town = Pick(words_.townStarts) + Pick(words_.townEnds);
        if (i >= kTownTries)
            town += " " + std::to_string(i);
        if (towns_.insert(town).second)
            return town;
    }
}

void NameMaker::NewPlayerName(std::string& firstName, std::string& surname) {
    do
        GeneratePersonName(firstName, surname);
    while (!players_.insert({firstName, surname}).second);
}
