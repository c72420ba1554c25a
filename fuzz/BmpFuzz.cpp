#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "platform/Bitmap.h"

// The bytes are the file. The bitmap holds a picture beforehand, so that a
// refused file must take it away.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Bitmap bitmap(3, 3, kWhite);
    const bool read = bitmap.LoadBmp(std::span(data, size));
    if (read == bitmap.IsEmpty())
        std::abort();
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (bitmap.Row(y)[x] & ~kColourMask)
                std::abort();
    return 0;
}
