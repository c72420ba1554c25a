#pragma once

#include "world/Finance.h"

// The account of a professional club: all its figure words.
inline CFinance ProfessionalAccount() {
    CFinance account;
    account.SetProfessional(1);
    account.ApplyProfessionalSize();
    return account;
}
