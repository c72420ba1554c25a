#include "finance/MoneyEvents.h"

namespace {

MoneyEventListener* g_listener = nullptr;

}  // namespace

MoneyEventScope::MoneyEventScope(MoneyEventListener& listener) : previous_(g_listener) { g_listener = &listener; }

MoneyEventScope::~MoneyEventScope() { g_listener = previous_; }

MoneyEventListener* GetMoneyEventListener() { return g_listener; }
