#include "skin/RowKernels.h"

#include "skin/RowKernelLoops.h"

namespace vireltan::rowkernels {
namespace {

bool processorHasAvx2() {
#if VIRELTAN_ROW_KERNELS_AVX2
    // Checks the operating system's saving of the vector registers too, not only the instruction set.
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

}  // namespace

MoveWidth widestAvailable() {
    // Asked once: the answer cannot change while the program runs.
    static const MoveWidth widest = processorHasAvx2() ? MoveWidth::Widest : MoveWidth::Portable;
    return widest;
}

void copyRows(const RowBlock& block, MoveWidth width) {
#if VIRELTAN_ROW_KERNELS_AVX2
    if (width == MoveWidth::Widest && widestAvailable() == MoveWidth::Widest) return copyRowsAvx2(block);
#endif
    copyRowsWith<Move16>(block);
}

void tileRows(const RowBlock& block, std::size_t period, std::size_t phase, MoveWidth width) {
#if VIRELTAN_ROW_KERNELS_AVX2
    if (width == MoveWidth::Widest && widestAvailable() == MoveWidth::Widest) {
        return tileRowsAvx2(block, period, phase);
    }
#endif
    tileRowsWith<Move16>(block, period, phase);
}

void copyRows(const RowBlock& block) {
    copyRows(block, widestAvailable());
}

void tileRows(const RowBlock& block, std::size_t period, std::size_t phase) {
    tileRows(block, period, phase, widestAvailable());
}

}  // namespace vireltan::rowkernels
