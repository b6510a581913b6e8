// The largest single allocation since the last reset, for tests that feed damaged files to a
// reader and must see it allocate no more than its input warrants. Replaces the global
// operator new, so exactly one source file of a test program includes this header.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>

namespace largest_allocation {

inline size_t &Largest()
{
    static size_t largest = 0;
    return largest;
}

inline void Reset()
{
    Largest() = 0;
}

} // namespace largest_allocation

void *operator new(size_t size)
{
    if (size > largest_allocation::Largest())
        largest_allocation::Largest() = size;
    if (void *block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}

void *operator new[](size_t size)
{
    return operator new(size);
}

void operator delete(void *block) noexcept
{
    std::free(block);
}

void operator delete[](void *block) noexcept
{
    std::free(block);
}

void operator delete(void *block, size_t) noexcept
{
    std::free(block);
}

void operator delete[](void *block, size_t) noexcept
{
    std::free(block);
}
