#include "screens/DefenceSystemLabels.h"

#include "squad/Tactics.h"

const char* const g_defenceSystemLabels = "  1 : 5    3 : 3  3 : 2 : 1  4 : 2    5 : 1    6 : 0  ";

int DefenceSystemButton(int system) { return kDefenceSystemCount - system; }

std::string_view DefenceSystemLabel(int system) {
    return {g_defenceSystemLabels + kDefenceSystemLabelWidth * DefenceSystemButton(system), kDefenceSystemLabelWidth};
}
