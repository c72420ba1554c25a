#include "engine/MatchReport.h"

#include "engine/MatchOptions.h"

std::vector<MatchEvent> g_matchEvents;
std::vector<std::string> g_matchLines;
std::vector<uint32_t> g_matchLineColours;
std::vector<uint16_t> g_matchLineWords;
std::vector<uint32_t> g_matchLineValues;
std::vector<uint16_t> g_matchSideWordsA;
std::vector<uint16_t> g_matchSideWordsB;

bool g_matchReportOn = false;
uint8_t g_assistantSubstitutes = 0;
int g_reportPauseTicks = 0;
bool g_matchDayStarted = false;

void ResetMatchOptions() {
    g_matchReportOn = false;
    g_assistantSubstitutes = 0;
    g_reportPauseTicks = 0;
    g_matchDayStarted = false;
}

void ClearMatchReport() {
    g_matchEvents.clear();
    g_matchLines.clear();
    g_matchLineColours.clear();
    g_matchLineWords.clear();
    g_matchLineValues.clear();
    g_matchSideWordsA.clear();
    g_matchSideWordsB.clear();
}
