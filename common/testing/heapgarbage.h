#pragma once

#include <atomic>
#include <cstring>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
#define KIT_HEAP_HOOKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KIT_HEAP_HOOKS 1
#endif
#endif
#ifdef KIT_HEAP_HOOKS
// The sanitizers' runtime has it, but g++ ships no header that declares it.
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, std::size_t),
                                                         void (*)(const volatile void*));
#endif

namespace kit::testing {

namespace detail {
inline std::atomic<int> garbageByte {-1};
#ifdef KIT_HEAP_HOOKS
inline void fillNewBlock(const volatile void* block, std::size_t size)
{
    if (const int byte = garbageByte.load(std::memory_order_relaxed); byte >= 0)
        std::memset(const_cast<void*>(block), byte, size);
}
inline void ignoreFree(const volatile void*) {}
inline std::atomic<bool> measuring {false};
inline std::atomic<std::size_t> largestBlock {0};
inline void noteBlock(const volatile void*, std::size_t size)
{
    if (measuring.load(std::memory_order_relaxed) && size > largestBlock.load(std::memory_order_relaxed))
        largestBlock.store(size, std::memory_order_relaxed);
}
#endif
} // namespace detail

// While alive, every block that malloc (or new) hands out starts as `byte`
// repeated, so that two runs under different bytes show what a decoder left
// undefined. glibc does it itself (M_PERTURB), large blocks included once they
// come from the heap rather than from fresh, zeroed pages; under
// AddressSanitizer, whose allocator takes no such setting, a malloc hook does.
class HeapGarbage
{
public:
    explicit HeapGarbage(unsigned char byte)
    {
#ifdef KIT_HEAP_HOOKS
        static const bool hooked = __sanitizer_install_malloc_and_free_hooks(detail::fillNewBlock, detail::ignoreFree) != 0;
        static_cast<void>(hooked);
#else
        static_cast<void>(::mallopt(M_MMAP_THRESHOLD, 32 << 20));
        static_cast<void>(::mallopt(M_PERTURB, byte));
#endif
        detail::garbageByte = byte;
    }
    ~HeapGarbage()
    {
        detail::garbageByte = -1;
#ifndef KIT_HEAP_HOOKS
        static_cast<void>(::mallopt(M_PERTURB, 0));
#endif
    }
    HeapGarbage(const HeapGarbage&) = delete;
    HeapGarbage& operator=(const HeapGarbage&) = delete;
};

// The largest block that malloc (or new) handed out while it was alive, under
// AddressSanitizer, whose allocator lets a hook see every block; elsewhere
// nothing is measured and `known()` is false.
class LargestBlock
{
public:
    LargestBlock()
    {
#ifdef KIT_HEAP_HOOKS
        static const bool hooked = __sanitizer_install_malloc_and_free_hooks(detail::noteBlock, detail::ignoreFree) != 0;
        static_cast<void>(hooked);
        detail::largestBlock = 0;
        detail::measuring = true;
#endif
    }
    ~LargestBlock()
    {
#ifdef KIT_HEAP_HOOKS
        detail::measuring = false;
#endif
    }
    LargestBlock(const LargestBlock&) = delete;
    LargestBlock& operator=(const LargestBlock&) = delete;

    static constexpr bool known()
    {
#ifdef KIT_HEAP_HOOKS
        return true;
#else
        return false;
#endif
    }
    std::size_t bytes() const
    {
#ifdef KIT_HEAP_HOOKS
        return detail::largestBlock;
#else
        return 0;
#endif
    }
};

} // namespace kit::testing
