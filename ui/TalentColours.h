#pragma once

#include <array>

#include "platform/Colour.h"
#include "squad/SquadVocabulary.h"

// The colour of a talent badge, by talent 0-4.
extern const std::array<Colour, kTalentCount> g_talentColours;
