#pragma once

class CManager;
class CWorld;

// Gives the manager a value in every member his share of the save game
// holds, each differing from its neighbours: a club, a national team and a
// next-season club of the world (a sample world with at least one
// continent, nation and league of three clubs), a diary, coaching skills,
// property in both lists, his own player and a history. He looks at the
// world afterwards.
void FillSampleManager(CManager& manager, CWorld& world);
