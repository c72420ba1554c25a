// The clubs of a division shared out again among its leagues by region,
// at the end of a season when the user asks for it: each league, in list
// order, takes back as many clubs as it had, each time the club of the
// division nearest to its region. A club keeps its table place where the
// league has it free, so the places that qualify for next season's cups
// still name the clubs that earned them.
//
// The clubs are pooled league by league in list order, each league's in
// table order, so that of clubs equally near those of an earlier league
// and then the better placed are taken first. Passive leagues play no
// part: they keep their clubs.
#include <algorithm>
#include <memory>
#include <vector>

#include "engine/NationDivisions.h"
#include "world/League.h"
#include "world/Nation.h"

namespace {

struct PooledClub {
    std::unique_ptr<CTeam> club;
    int place = 0;  // 1-based, in the league it left
};

// The league's clubs in table order with their places; clubs the order
// misses follow it, as a new season would put them.
void PoolClubs(CLeague& league, std::vector<PooledClub>& pool) {
    int place = 0;
    for (uint8_t entry : league.tableOrder) {
        const size_t slot = entry - 1u;
        if (slot < league.clubs.size() && league.clubs[slot])
            pool.push_back({std::move(league.clubs[slot]), ++place});
    }
    for (auto& club : league.clubs)
        if (club)
            pool.push_back({std::move(club), ++place});
    league.clubs.clear();
    league.tableOrder.clear();
}

// The club's old place when it is free, else the next free one after it,
// else the nearest free one before it. `order` holds 0 for a free place.
size_t FreePlaceFor(const std::vector<uint8_t>& order, int oldPlace) {
    const size_t wanted = static_cast<size_t>(oldPlace - 1);
    for (size_t place = wanted; place < order.size(); ++place)
        if (order[place] == 0)
            return place;
    for (size_t place = std::min(wanted, order.size()); place-- > 0;)
        if (order[place] == 0)
            return place;
    return order.size();
}

// The pooled club nearest to the league's region, the first of equals.
std::vector<PooledClub>::iterator NearestClub(const CLeague& league, std::vector<PooledClub>& pool) {
    auto nearest = pool.begin();
    int best = AreaDistance(league, *nearest->club);
    for (auto it = std::next(pool.begin()); it != pool.end(); ++it) {
        const int distance = AreaDistance(league, *it->club);
        if (distance < best) {
            nearest = it;
            best = distance;
        }
    }
    return nearest;
}

void TakeNearestClubs(CLeague& league, size_t count, std::vector<PooledClub>& pool) {
    std::vector<uint8_t> order(count, 0);
    for (size_t taken = 0; taken < count; ++taken) {
        const auto nearest = NearestClub(league, pool);
        league.clubs.push_back(std::move(nearest->club));
        order[FreePlaceFor(order, nearest->place)] = static_cast<uint8_t>(league.clubs.size());
        pool.erase(nearest);
    }
    league.tableOrder = std::move(order);
}

void ShareOutByRegion(const std::vector<CLeague*>& leagues) {
    std::vector<size_t> sizes;
    std::vector<PooledClub> pool;
    for (CLeague* league : leagues) {
        const size_t before = pool.size();
        PoolClubs(*league, pool);
        sizes.push_back(pool.size() - before);
    }
    for (size_t i = 0; i < leagues.size(); ++i)
        TakeNearestClubs(*leagues[i], sizes[i], pool);
}

}  // namespace

void CNation::ReassignLeagueClubs() {
    for (int division = 0; division <= GetMaxDivision(); ++division) {
        std::vector<CLeague*> playing = LeaguesOfDivision(*this, division);
        std::erase_if(playing, [](const CLeague* league) { return league->IsPassive(); });
        // A league alone in its division would only take its own clubs back.
        if (playing.size() > 1)
            ShareOutByRegion(playing);
    }
}
