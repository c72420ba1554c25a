#pragma once

#include <cstdint>

class CFinance;
class CLeague;
class CManager;
class CTeam;

// The season forecast of the user's club: what the season should bring and
// cost, kept in the manager's forecast figures. What the user may have set
// there stays: the employees', youth and amateur costs are only raised, and
// the expected spectators average, season-ticket holders and pool
// participants are worked out only while they are 0.

// The user may expect at most this many participants in the pool of sponsors.
constexpr int32_t kMostForecastPoolParticipants = 250;

// Works out the whole forecast. A pool of sponsors without a yearly amount
// per participant is given one; the season start books the forecast's
// youth and amateur costs.
void ComputeSeasonForecast(CManager& manager, CTeam& team, const CLeague& league);

// The figures that follow the contracts, prices and expectations the user
// changes; they are worked out again whenever the forecast is shown.
void RefreshSeasonForecast(CManager& manager, const CTeam& team, const CLeague& league);

// The season's home matches as expected: gate money and season tickets.
struct SpectatorForecast {
    uint32_t gate = 0;
    uint32_t seasonTickets = 0;
};
SpectatorForecast ForecastSpectatorIncome(const CManager& manager, const CTeam& team, const CLeague& league);
// The main and the arena sponsor's contracts and the pool of sponsors with
// its expected participants.
uint32_t ForecastSponsorIncome(const CManager& manager, const CFinance& account);
// The salaries and bonuses of the coach, the manager and the goalkeeper coach.
uint32_t ForecastEmployeeCosts(const CFinance& account);

// At the season end what the season has shown becomes what the next
// forecast starts from: the pool's participants and the booked youth and
// amateur costs.
void KeepSeasonForForecast(CManager& manager, const CFinance& account);
