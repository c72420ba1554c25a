#pragma once

#include <cstdint>

class CLeague;
class CTeam;

// The account events that leave no trace in the figures once a season has
// gone into the capital: the tax of the season's end and the steps of a
// financial crisis with the fees of the players it releases. Whoever wants to count them (the simulation tool)
// installs a listener for a scope; without one they go unheard.
class MoneyEventListener {
public:
    virtual ~MoneyEventListener() = default;
    virtual void TaxPaid(const CTeam& club, const CLeague& league, uint32_t tax) = 0;
    // The emergency programme of a club in crisis, or its bankruptcy.
    virtual void CrisisStep(const CTeam& club, const CLeague& league, bool bankrupt) = 0;
    // A player the emergency programme let go, for a fee no club pays.
    virtual void PlayerReleased(const CTeam& club, uint32_t fee) = 0;
};

// Installs the listener until the scope ends; the one before comes back.
class MoneyEventScope {
public:
    explicit MoneyEventScope(MoneyEventListener& listener);
    ~MoneyEventScope();
    MoneyEventScope(const MoneyEventScope&) = delete;
    MoneyEventScope& operator=(const MoneyEventScope&) = delete;

private:
    MoneyEventListener* previous_;
};

// The listener of the moment, or nullptr.
MoneyEventListener* GetMoneyEventListener();
