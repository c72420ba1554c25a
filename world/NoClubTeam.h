#pragma once

class CTeam;

// The one team that stands for "no club" and "no national team"; it is
// compared by address and never lies in the world tree.
extern CTeam g_noClubTeam;
