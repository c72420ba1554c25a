#include "platform/Random.h"

namespace {

int32_t Power(int32_t base, int n) {
    uint32_t r = 1;
    for (int i = 0; i < n; ++i)
        r *= static_cast<uint32_t>(base);
    return static_cast<int32_t>(r);
}

}  // namespace

int IntRoot(int value, int n) {
    if (value == 0 || n < 1 || (n % 2 == 0 && value < 0))
        return 0;
    int32_t p = Power(10, 9 / n);
    int32_t d = n;
    if (value > p)
        while (value / d > p)
            d *= n;
    const int32_t q = value / d;
    const int32_t a = Power(q, n);
    int32_t b = n * Power(q, n - 1);
    if (b == 0)
        b = 1;
    int32_t x = value - (a - value) / b;
    if (x > p)
        x /= d;
    for (int step = 0; step < 100; ++step) {
        int32_t denom = n * Power(x, n - 1);
        if (denom == 0)
            break;
        const int32_t next = x - (Power(x, n) - value) / denom;
        if (next == x)
            break;
        x = next;
    }
    return x;
}
