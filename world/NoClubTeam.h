#pragma once

class CTeam;

// The one team that stands for "no club": a manager or player without a
// club, an opponent that does not exist. It is never placed in the world,
// and callers compare team pointers against its address.
extern CTeam g_noClubTeam;
// Makes it a new team again at the same address.
void ResetNoClubTeam();
