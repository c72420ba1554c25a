#include "platform/PixelAllocator.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>

namespace {

constexpr size_t kLargePage = size_t{2} << 20;
// From this size on a picture takes whole large pages, leaving at most a
// quarter of them unused.
constexpr size_t kLargePicture = kLargePage / 4 * 3;

}  // namespace

void* AllocatePixelMemory(size_t bytes) {
    if (bytes < kLargePicture)
        return ::operator new(bytes);
    const size_t rounded = (bytes + kLargePage - 1) / kLargePage * kLargePage;
    void* memory = std::aligned_alloc(kLargePage, rounded);
    if (!memory)
        throw std::bad_alloc();
    // Only advice: without large pages the memory is as good as any.
    ::madvise(memory, rounded, MADV_HUGEPAGE);
    return memory;
}

void FreePixelMemory(void* memory, size_t bytes) {
    if (bytes < kLargePicture)
        ::operator delete(memory);
    else
        std::free(memory);
}
