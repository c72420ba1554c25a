#pragma once

class CContinent;
class CLeague;
class CManager;
class CNation;
class CTeam;
class CWorld;

// The manager's posts at a club: the people he replaces when he comes,
// what he leaves when he goes, and where a club plays.

// He becomes the club's manager, and its coach too when it has none.
void TakeClubPosts(const CManager& manager, CTeam& club);
// The club's manager names are emptied, and its coach names when they are
// his.
void LeaveClubPosts(const CManager& manager, CTeam& club);
// The club's coach or manager joins the nation's pool of free staff.
void SendCoachToPool(const CTeam& club, CNation& nation);
void SendManagerToPool(const CTeam& club, CNation& nation);

struct ClubPlace {
    CContinent* continent = nullptr;
    CNation* nation = nullptr;
    CLeague* league = nullptr;
};
// The league that holds the club, with its nation and continent; false when
// no league of the world does.
bool FindClubPlace(const CWorld& world, const CTeam* club, ClubPlace& place);
