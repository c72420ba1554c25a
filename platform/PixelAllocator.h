#pragma once

#include <cstddef>

// Memory for a bitmap's pixels. A large picture (the window's, a skin's
// background) gets memory the system may hand out in pages of two
// megabytes: filling a fresh picture in pages of four kilobytes costs far
// more time than drawing into it, most of all at the start-up, which fills
// some forty megabytes of pictures. Smaller ones come from the heap.
void* AllocatePixelMemory(size_t bytes);
void FreePixelMemory(void* memory, size_t bytes);

template <typename T>
struct PixelAllocator {
    using value_type = T;

    PixelAllocator() = default;
    template <typename U>
    PixelAllocator(const PixelAllocator<U>&) {}

    T* allocate(size_t n) { return static_cast<T*>(AllocatePixelMemory(n * sizeof(T))); }
    void deallocate(T* p, size_t n) { FreePixelMemory(p, n * sizeof(T)); }

    template <typename U>
    bool operator==(const PixelAllocator<U>&) const {
        return true;
    }
};
