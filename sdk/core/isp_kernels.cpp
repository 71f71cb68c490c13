#include "isp_kernels.h"

#include <atomic>
#include <cstdint>
#include <memory>

// The same kernels are compiled for the baseline x86-64 (or whatever the
// target is) and, on x86-64 with GCC, again for AVX2 and for AVX-512 with the
// byte permutes; the CPU picks at first use. Builds stay generic, so one
// package runs everywhere and each machine gets its best set.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__)
#define VEXO_ISP_X86 1
#include <immintrin.h>
// The kernels live in this file only, so the vector arguments' calling
// convention changing with the instruction set is harmless; and GCC's own
// byte-permute header trips its uninitialised-value check.
#pragma GCC diagnostic ignored "-Wpsabi"
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif

namespace vexo::sdk {

namespace {

#ifdef VEXO_ISP_X86
// Two-table permutes for 64 pixels into three 64-byte blocks: red and green
// first (index bit 6 picks green), then blue into the remaining places.
struct Interleave64
{
    uint8_t withGreen[3][64];
    uint8_t withBlue[3][64];
};

constexpr Interleave64 makeInterleave64()
{
    Interleave64 t{};
    for (int j = 0; j < 3; ++j) {
        for (int q = 0; q < 64; ++q) {
            const int p = 64 * j + q;
            const int pixel = p / 3;
            t.withGreen[j][q] = static_cast<uint8_t>(p % 3 == 1 ? 64 + pixel : pixel);
            t.withBlue[j][q] = static_cast<uint8_t>(p % 3 == 2 ? 64 + pixel : q);
        }
    }
    return t;
}

constexpr Interleave64 kInterleave64 = makeInterleave64();

struct Reverse64
{
    uint8_t index[64];
};

constexpr Reverse64 makeReverse64()
{
    Reverse64 t{};
    for (int i = 0; i < 64; ++i) {
        t.index[i] = static_cast<uint8_t>(63 - i);
    }
    return t;
}

constexpr Reverse64 kReverse64Table = makeReverse64();
const uint8_t *const kReverse64 = kReverse64Table.index;
#endif

namespace portable {
#define VEXO_VECTOR_BYTES 16
#define VEXO_KERNEL_NAME "portable"
#include "isp_kernels.inc"
#undef VEXO_VECTOR_BYTES
#undef VEXO_KERNEL_NAME
} // namespace portable

#ifdef VEXO_ISP_X86
#pragma GCC push_options
#pragma GCC target("avx2")
namespace avx2 {
#define VEXO_VECTOR_BYTES 32
#define VEXO_KERNEL_NAME "avx2"
#define VEXO_AVX2
#include "isp_kernels.inc"
#undef VEXO_VECTOR_BYTES
#undef VEXO_KERNEL_NAME
#undef VEXO_AVX2
} // namespace avx2
#pragma GCC pop_options

#pragma GCC push_options
#pragma GCC target("avx2,avx512f,avx512bw,avx512vl,avx512vbmi")
namespace avx512 {
#define VEXO_VECTOR_BYTES 64
#define VEXO_KERNEL_NAME "avx512-vbmi"
#define VEXO_AVX512_VBMI
#include "isp_kernels.inc"
#undef VEXO_VECTOR_BYTES
#undef VEXO_KERNEL_NAME
#undef VEXO_AVX512_VBMI
} // namespace avx512
#pragma GCC pop_options
#endif

std::atomic<const IspKernels *> pinned{nullptr};

const IspKernels &bestForThisCpu()
{
#ifdef VEXO_ISP_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512vbmi")) {
        return avx512::kSet;
    }
    if (__builtin_cpu_supports("avx2")) {
        return avx2::kSet;
    }
#endif
    return portable::kSet;
}

} // namespace

const IspKernels &ispKernels()
{
    if (const IspKernels *set = pinned.load(std::memory_order_relaxed)) {
        return *set;
    }
    static const IspKernels &best = bestForThisCpu();
    return best;
}

int availableIspKernels(const IspKernels **sets, int capacity)
{
    const IspKernels *all[3] = {&portable::kSet, nullptr, nullptr};
    int count = 1;
#ifdef VEXO_ISP_X86
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx2")) {
        all[count++] = &avx2::kSet;
    }
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vl") &&
        __builtin_cpu_supports("avx512vbmi")) {
        all[count++] = &avx512::kSet;
    }
#endif
    for (int i = 0; i < count && i < capacity; ++i) {
        sets[i] = all[i];
    }
    return count;
}

void pinIspKernels(const IspKernels *set)
{
    pinned.store(set, std::memory_order_relaxed);
}

} // namespace vexo::sdk
