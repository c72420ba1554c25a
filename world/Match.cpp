#include "world/Match.h"

// Out of line: the match holds lists of objects its header only names.
CMatch::CMatch() = default;
