#include "tools/sample-world/SampleWorld.h"

#include <algorithm>
#include <string>

#include "platform/Text.h"
#include "world/Continent.h"
#include "world/Cup.h"
#include "world/League.h"
#include "world/Manager.h"
#include "world/Nation.h"
#include "world/Player.h"
#include "world/Referee.h"
#include "world/Sponsor.h"
#include "world/Team.h"
#include "world/TransferMarket.h"
#include "world/World.h"

namespace {

// Every made object takes the next serial number, so values differ.
struct Maker {
    int serial = 0;

    std::string Name(const char* kind) { return Format("%s %d", kind, ++serial); }

    std::unique_ptr<CPlayer> Player(int nationNumber) {
        auto p = std::make_unique<CPlayer>();
        const int n = ++serial;
        p->firstName = Format("First%d", n);
        p->lastName = Format("Last%d", n);
        p->nickname = n % 5 == 0 ? Format("Nick%d", n) : "";
        p->birthday = static_cast<uint32_t>((1970 + n % 20) << 16 | (1 + n % 12) << 8 | (1 + n % 28));
        p->positions = static_cast<uint8_t>(n % 7 | (n % 3 == 0 ? ((n + 2) % 7 + 1) << 4 : 0));
        p->strengthTalent = static_cast<uint8_t>((1 + n % 15) << 4 | n % 5);
        p->number = static_cast<uint8_t>(1 + n % 99);
        p->nationality = static_cast<uint16_t>(nationNumber);
        p->height = static_cast<uint8_t>(170 + n % 30);
        p->contractYears = static_cast<uint8_t>(1 + n % 4);
        p->contractFlags = n % 4 == 0 ? 0 : CPlayer::kProfessional;
        p->salaryHundreds = static_cast<uint16_t>(100 + n * 7);
        p->bonusTens = static_cast<uint16_t>(n % 300);
        p->leagueGoals = static_cast<uint16_t>(n % 40);
        p->skillWords = {static_cast<uint16_t>(n * 37 & 0x7FFF), static_cast<uint16_t>(n * 91 & 0x7FFF)};
        return p;
    }

    std::unique_ptr<CTeam> Team(int nationNumber, int players) {
        auto team = std::make_unique<CTeam>();
        team->name = Name("Club");
        team->shorthand = MakeShorthand(team->name);
        team->foundingYear = static_cast<uint16_t>(1880 + serial % 120);
        team->homeColour = static_cast<uint32_t>(serial * 2654435761u) & 0xFFFFFF;
        for (int i = 0; i < players; ++i)
            team->AddPlayer(Player(nationNumber));
        return team;
    }

    std::unique_ptr<CCup> Cup(uint8_t kind) {
        auto cup = std::make_unique<CCup>(kind);
        Name(*cup, kind);
        return cup;
    }

    void Name(CCup& cup, uint8_t kind) {
        cup.name = Format("Cup %d of kind %d", ++serial, kind);
        cup.roundCount = static_cast<uint8_t>(1 + serial % 5);
    }
};

void Borrow(CTeam& nationalTeam, CPlayer* player) { nationalTeam.squad.push_back(LendPlayer(player)); }

void FillNation(Maker& make, CNation& nation, int number, const SampleWorldSize& size, bool inactive) {
    nation.nationNumber = static_cast<uint16_t>(number);
    nation.president = make.Name("President");
    nation.shorthand = Format("F%d", number);
    nation.seasonPoints = {static_cast<uint16_t>(number), 20, 30, 40};
    nation.referees.push_back(std::make_unique<CReferee>());
    nation.referees.back()->names = {make.Name("Referee"), make.Name("Referee")};
    nation.sponsors.push_back(std::make_unique<CSponsor>());
    nation.sponsors.back()->name = make.Name("Sponsor");
    nation.nationalTeam.name = make.Name("National team");

    const int leagues = inactive ? 1 : size.leagues;
    for (int l = 0; l < leagues; ++l) {
        auto league = std::make_unique<CLeague>();
        league->name = make.Name("League");
        league->division = static_cast<uint8_t>(l + 1);
        if (inactive)
            league->flags |= kLeaguePassive;
        for (int t = 0; t < size.clubs; ++t)
            league->clubs.push_back(make.Team(number, size.players));
        for (int t = 0; t < size.clubs; ++t)
            league->tableOrder.push_back(static_cast<uint8_t>(t + 1));
        nation.leagues.push_back(std::move(league));
    }
    for (int k = 0; k < size.extraTeams; ++k)
        nation.extraTeams.push_back(make.Team(number, size.extraTeamPlayers));
    nation.freePlayers.push_back(make.Player(number));
    make.Name(*nation.cups[CNation::kNationalCup], kCupNational);
    make.Name(*nation.cups[CNation::kNationalSuperCup], kCupNationalSuper);
    nation.cups.push_back(make.Cup(kCupPlayoff));

    // The national squad borrows the best-numbered club players.
    const auto& firstClubs = nation.leagues.front()->clubs;
    for (int i = 0; i < size.nationalSquad; ++i) {
        const auto& club = firstClubs[static_cast<size_t>(i) % firstClubs.size()];
        Borrow(nation.nationalTeam, club->squad[static_cast<size_t>(i) / firstClubs.size()].get());
    }
    for (const auto& club : firstClubs)
        nation.cups[CNation::kNationalCup]->participants.push_back(club.get());
}

// One of each kind of deal: two listed players, talks, a sale agreed for
// the next season with its terms, and a loan paired with the lending club.
void AddTransferDeals(CNation& nation) {
    if (nation.leagues.size() < 2 || nation.leagues[0]->clubs.size() < 2)
        return;
    CTeam& seller = *nation.leagues[0]->clubs[0];
    CTeam& buyer = *nation.leagues[1]->clubs[1];
    for (size_t i = 0; i < 2 && i < seller.squad.size(); ++i) {
        CPlayer* player = seller.squad[i].get();
        player->styleTraits |= CPlayer::kOnTransferList;
        TransferEntry entry;
        entry.price = 12300 * static_cast<uint32_t>(i + 1);
        entry.talksOffset = static_cast<int>(i) + 1;
        nation.listedPlayers.push_back(player);
        nation.transferEntries.push_back(entry.Pack());
    }
    nation.transferTalks.push_back({nation.listedPlayers.front(), &buyer});
    CPlayer* sold = seller.squad.back().get();
    nation.agreedTransfers.push_back({sold, &buyer});
    nation.SetAgreedTransferTerms(sold, sold->GetContract());
    nation.agreedTransfers.push_back({buyer.squad.front().get(), nation.extraTeams.empty() ? &seller : nation.extraTeams.front().get()});
    PlayerContract loan;
    loan.salary = 45600;
    loan.years = 1;
    nation.SetAgreedTransferTerms(buyer.squad.front().get(), loan);
}

}  // namespace

std::unique_ptr<CWorld> MakeSampleWorld(const SampleWorldSize& size) {
    auto world = std::make_unique<CWorld>();
    g_manager.world = world.get();
    Maker make;
    world->shorthand = "HFW";
    world->president = make.Name("President");
    world->olympicHost = 0x0001;
    world->worldCupHost = 0x0100;
    make.Name(world->worldCup, kCupWorldCup);
    make.Name(world->olympia, kCupOlympia);

    int number = 0;
    for (int c = 0; c < size.continents; ++c) {
        auto continent = std::make_unique<CContinent>();
        continent->name = make.Name("Continent");
        continent->shortName = Format("C%d", c);
        continent->president = make.Name("President");
        continent->hostNation = static_cast<uint8_t>(c % std::max(size.nations, 1));
        continent->clubCups.push_back(make.Cup(kCupContinental));
        make.Name(continent->clubCup, kCupContinental);
        make.Name(continent->superCup, kCupContinentalSuper);
        make.Name(continent->championship, kCupChampionship);
        for (int n = 0; n < size.nations + size.inactiveNations; ++n) {
            auto nation = std::make_unique<CNation>();
            FillNation(make, *nation, ++number, size, n >= size.nations);
            AddTransferDeals(*nation);
            continent->championship.participants.push_back(&nation->nationalTeam);
            world->worldCup.participants.push_back(&nation->nationalTeam);
            continent->nations.push_back(std::move(nation));
        }
        world->continents.push_back(std::move(continent));
    }
    return world;
}
