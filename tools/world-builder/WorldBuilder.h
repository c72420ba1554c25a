#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tools/world-builder/WorldDescription.h"

class CWorld;

// Makes the whole world of a description in memory with the game's own
// classes and generators, seeded from the description: the same
// description gives the same world. Null with "file:line: message" when a
// cup of the description fails the game's structure check.
std::unique_ptr<CWorld> BuildWorld(const WorldDescription& description, std::string* error);
// Reads the description first.
std::unique_ptr<CWorld> BuildWorldFromFile(const std::filesystem::path& description, std::string* error);

// The world file's bytes ("Welt.kwl").
std::vector<uint8_t> WorldFileBytes(const CWorld& world);

// The small world of data/world/fixture.txt for the tests: one continent,
// two active nations with one league of six clubs each and a passive one.
// Its description is the source tree's, so a broken fixture fails loudly.
std::unique_ptr<CWorld> MakeFixtureWorld();
