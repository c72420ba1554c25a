#include "squad/SquadVocabulary.h"

const char* const g_responsibilityNames[kResponsibilityCount] = {
    "team captain", "7m - takers", "7m - goalkeeper", "free shot",
};

const char* const g_injuryNames[kInjuryKindCount] = {
    "volume tear in the jump joint",
    "achilles' tendon inflammation",
    "achilles' tendon tear",
    "eye injury",
    "torn ligament in the knee",
    "concussion",
    "joint bruise",
    "broken arm",
    "broken leg",
    "meniscus tear",
    "pulled muscle",
    "muscle fiber tear",
    "kidney injury",
    "bruised shoulder",
    "bruised muscle",
    "pulled tendon",
    "tendon tear",
    "shoulder dislocation",
    "sprain joint",
    "broken finger",
    "cartilage damage",
    "flu",
    "strong cold",
    "migraene",
    "stomach intestine flu",
    "bronchitis",
    "gland fever",
};

const char* const g_cardTalentNames[kTalentCount] = {
    "none", "existing", "big", "very big", "divinely",
};

const char* const g_cardPositionNames[7] = {
    "goalkeeper", "right winger", "right back", "centre back",
    "left back",  "left winger",  "line player",
};

const char* const g_cardHandNames[2] = {"right", "left"};

const char* const g_cardSkillLevelSuffixes[4] = {
    " (bad)", " (good)", " (excellent)", " (brilliant)",
};

const char* const g_cardPopularityNames[3] = {"normal", "idol", "unpopular"};
