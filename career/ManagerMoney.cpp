#include <numeric>

#include "finance/IncomeFormulae.h"
#include "world/Manager.h"

int32_t CManager::SumRevenues() const { return std::accumulate(forecastIncome.begin(), forecastIncome.end(), 0); }

int32_t CManager::SumExpenses() const { return std::accumulate(forecastCost.begin(), forecastCost.end(), 0); }

int32_t CManager::GetRevenueBalance() const { return SumRevenues() - SumExpenses(); }

void CManager::AddHomeMatchValue(int32_t spectators) {
    const int64_t total = static_cast<int64_t>(averageHomeSpectators) * homeMatchCount + spectators;
    averageHomeSpectators = static_cast<int32_t>(total / (homeMatchCount + 1));
    ++homeMatchCount;
}

void CManager::SellMerchandise(int32_t& buyers, uint32_t& reorderCost) {
    reorderCost = 0;
    const FanArticleStock articles{merchandisePrice, merchandiseStock, merchandiseSold, noAutoReorder == 0};
    buyers = SellFanArticles(buyers, articles, CalcMerchandisePurchasePrice, reorderCost);
}
