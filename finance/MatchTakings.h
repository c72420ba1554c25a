#pragma once

class CMatch;

// Books a played match into both clubs' accounts: gate takings, the
// players' and coaches' match bonuses and the match's media money; when
// the user's club played, the manager's season counters move too.
// The flags name the competition: league (season tickets count), two kinds
// of cup that change nothing here, and matches the manager's statistics
// count separately.
void BookMatchFinances(const CMatch& match, bool league, bool continental, bool nationalCup, bool counted);
