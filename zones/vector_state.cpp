#include "vector_state.h"

void releaseUpperVectorState() {
#if defined(__x86_64__) || defined(__i386__)
    // vzeroupper exists only on processors with AVX; on the others the state cannot be dirty.
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        asm volatile("vzeroupper");
    }
#endif
}
