#include "world/PlayerNames.h"

const char* const g_characterTraitNames[11] = {
    "leader",       "model player",    "hothead",      "greedy for money",
    "nervous",      "scandalous",      "club player",  "cheerful player",
    "trouble spot", "steel nerves",    "apathy",
};

const char* const g_styleTraitNames[10] = {
    "fighter",  "fair player", "lazy player",               "diligent player", "bad boy",
    "allrounder", "flexible",  "only good at home matches", "egoist",          "specialist",
};

const char* const g_skillNames[kSkillNameCount] = {
    "acceleration", "fitness",       "creativity", "duelling",         "trickshots",
    "shot power",   "blocking",      "jumping",    "sh. precision",    "technique",
    "reflexes",     "passing",       "7m-killer",  "run forward def.", "field overview",
};

const char* const g_skillNamesLong[kSkillNameCount] = {
    "acceleration", "fitness",       "creativity", "duelling",         "trickshots",
    "shot power",   "blocking",      "jumping",    "shot precision",   "technique",
    "reflexes",     "passing",       "7m-killer",  "run forward def.", "field overview",
};
