// Compiled with AVX2 enabled (see CMakeLists.txt); nothing here runs unless the processor has it. The
// compiler clears the vectors' upper halves on return, so the caller's SSE code pays no penalty.
#include "skin/RowKernelLoops.h"

#if VIRELTAN_ROW_KERNELS_AVX2
#include <immintrin.h>

namespace vireltan::rowkernels {
namespace {

struct Move32 {
    using Vector = __m256i;
    static constexpr std::size_t kBytes = 32;
    static Vector load(const std::uint8_t* s) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s));
    }
    static void store(std::uint8_t* d, Vector v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), v); }
};

}  // namespace

void copyRowsAvx2(const RowBlock& b) {
    copyRowsWith<Move32>(b);
}

void tileRowsAvx2(const RowBlock& b, std::size_t period, std::size_t phase) {
    tileRowsWith<Move32>(b, period, phase);
}

}  // namespace vireltan::rowkernels
#endif
