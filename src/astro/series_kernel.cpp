// Cosine sums with libmvec, dispatched at run time. Only the three kernel
// functions below carry a target attribute: everything else, including every
// inline function of the standard library, is compiled for baseline x86-64.

#include "astro/series_kernel.h"

#include <immintrin.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>

// glibc's vector cosines (libmvec, linked with -lmvec), named by the x86-64
// vector function ABI: b = SSE, d = AVX2, e = AVX-512; N = unmasked; 2, 4 or 8
// lanes; v = one vector argument.
extern "C" {
__m128d _ZGVbN2v_cos(__m128d x);
__m128d _ZGVbN2v_sin(__m128d x);
__attribute__((target("avx2"))) __m256d _ZGVdN4v_cos(__m256d x);
__attribute__((target("avx2"))) __m256d _ZGVdN4v_sin(__m256d x);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_cos(__m512d x);
__attribute__((target("avx512f"))) __m512d _ZGVeN8v_sin(__m512d x);
}

namespace tarvel {
namespace {

constexpr int kLanes = 8;

// ((s0 + s1) + (s2 + s3)) + ((s4 + s5) + (s6 + s7)).
double ReduceLanes(const double* s) {
    return ((s[0] + s[1]) + (s[2] + s[3])) + ((s[4] + s[5]) + (s[6] + s[7]));
}

// Each kernel adds q = (g + t) - g to its lane, t = a cos(b + c tau). Without an
// anchor (g = 0) the kernels add t itself: q = t but for a term of -0.0, whose
// q is +0.0, and adding either leaves a lane the same (a lane starts from +0.0
// and is never -0.0), so the lanes are bit for bit those of adding q.
double SumScalarLanes(const CosineTermBlock* blocks, std::size_t count, double tau, double g) {
    double lanes[kLanes] = {};
    for (std::size_t k = 0; k < count; ++k) {
        const CosineTermBlock& block = blocks[k];
        for (int j = 0; j < kLanes; ++j) {
            const double t = block.a[j] * std::cos(block.b[j] + block.c[j] * tau);
            lanes[j] = lanes[j] + ((g + t) - g);
        }
    }
    return g + ReduceLanes(lanes);
}

// The vector kernels add each block's terms to the lane sums right after its
// cosines, in one pass over the blocks: no buffer of cosines is written and
// read again. The lane sums are plain locals; glibc's vector cosines keep no
// vector register, so the compiler keeps the sums across each call in the
// stack frame and in registers while the terms are added. The lanes see the
// terms in the same order, so the sums are those of any other schedule to the
// last bit.

inline double SumSse2(const CosineTermBlock* blocks, std::size_t count, double tau, double g) {
    const __m128d vg = _mm_set1_pd(g);
    const __m128d vt = _mm_set1_pd(tau);
    __m128d lane[4] = {_mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd(), _mm_setzero_pd()};
    for (std::size_t k = 0; k < count; ++k) {
        const CosineTermBlock& block = blocks[k];
        for (int h = 0; h < 4; ++h) {
            const __m128d argument = _mm_add_pd(_mm_load_pd(block.b + 2 * h),
                                                _mm_mul_pd(_mm_load_pd(block.c + 2 * h), vt));
            const __m128d t = _mm_mul_pd(_mm_load_pd(block.a + 2 * h), _ZGVbN2v_cos(argument));
            lane[h] = _mm_add_pd(lane[h], g == 0.0 ? t : _mm_sub_pd(_mm_add_pd(vg, t), vg));
        }
    }
    alignas(64) double s[kLanes];
    for (int h = 0; h < 4; ++h) _mm_store_pd(s + 2 * h, lane[h]);
    return g + ReduceLanes(s);
}

__attribute__((target("avx2"))) inline double SumAvx2(const CosineTermBlock* blocks,
                                                      std::size_t count, double tau, double g) {
    const __m256d vg = _mm256_set1_pd(g);
    const __m256d vt = _mm256_set1_pd(tau);
    __m256d low = _mm256_setzero_pd();   // lanes 0..3
    __m256d high = _mm256_setzero_pd();  // lanes 4..7
    for (std::size_t k = 0; k < count; ++k) {
        const CosineTermBlock& block = blocks[k];
        const __m256d argumentLow =
            _mm256_add_pd(_mm256_load_pd(block.b), _mm256_mul_pd(_mm256_load_pd(block.c), vt));
        const __m256d tLow = _mm256_mul_pd(_mm256_load_pd(block.a), _ZGVdN4v_cos(argumentLow));
        const __m256d argumentHigh = _mm256_add_pd(_mm256_load_pd(block.b + 4),
                                                   _mm256_mul_pd(_mm256_load_pd(block.c + 4), vt));
        const __m256d tHigh =
            _mm256_mul_pd(_mm256_load_pd(block.a + 4), _ZGVdN4v_cos(argumentHigh));
        if (g == 0.0) {
            low = _mm256_add_pd(low, tLow);
            high = _mm256_add_pd(high, tHigh);
        } else {
            low = _mm256_add_pd(low, _mm256_sub_pd(_mm256_add_pd(vg, tLow), vg));
            high = _mm256_add_pd(high, _mm256_sub_pd(_mm256_add_pd(vg, tHigh), vg));
        }
    }
    alignas(64) double s[kLanes];
    _mm256_store_pd(s, low);
    _mm256_store_pd(s + 4, high);
    return g + ReduceLanes(s);
}

__attribute__((target("avx512f"))) inline double SumAvx512(const CosineTermBlock* blocks,
                                                           std::size_t count, double tau,
                                                           double g) {
    const __m512d vg = _mm512_set1_pd(g);
    const __m512d vt = _mm512_set1_pd(tau);
    __m512d lanes = _mm512_setzero_pd();
    for (std::size_t k = 0; k < count; ++k) {
        const CosineTermBlock& block = blocks[k];
        const __m512d argument =
            _mm512_add_pd(_mm512_load_pd(block.b), _mm512_mul_pd(_mm512_load_pd(block.c), vt));
        const __m512d t = _mm512_mul_pd(_mm512_load_pd(block.a), _ZGVeN8v_cos(argument));
        lanes = _mm512_add_pd(lanes, g == 0.0 ? t : _mm512_sub_pd(_mm512_add_pd(vg, t), vg));
    }
    alignas(64) double s[kLanes];
    _mm512_store_pd(s, lanes);
    return g + ReduceLanes(s);
}

// SumCosineSeries with one kernel: each series as that kernel's Sum function
// sums it, the loop compiled for the kernel's instruction set so that the sums
// are inlined into it.
void SumEachSse2(const CosineSeries* series, std::size_t n, double* sums) {
    for (std::size_t i = 0; i < n; ++i) {
        sums[i] = SumSse2(series[i].blocks, series[i].count, series[i].tau, series[i].anchor);
    }
}

__attribute__((target("avx2"))) void SumEachAvx2(const CosineSeries* series, std::size_t n,
                                                 double* sums) {
    for (std::size_t i = 0; i < n; ++i) {
        sums[i] = SumAvx2(series[i].blocks, series[i].count, series[i].tau, series[i].anchor);
    }
}

__attribute__((target("avx512f"))) void SumEachAvx512(const CosineSeries* series, std::size_t n,
                                                      double* sums) {
    for (std::size_t i = 0; i < n; ++i) {
        sums[i] = SumAvx512(series[i].blocks, series[i].count, series[i].tau, series[i].anchor);
    }
}

enum class Function { kCos, kSin };

// out[i] = f(x[i]) for i < n, n a multiple of the kernel's width.
void MapWholeScalar(Function f, const double* x, double* out, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = f == Function::kCos ? std::cos(x[i]) : std::sin(x[i]);
    }
}

void MapWholeSse2(Function f, const double* x, double* out, std::size_t n) {
    for (std::size_t i = 0; i < n; i += 2) {
        const __m128d v = _mm_loadu_pd(x + i);
        _mm_storeu_pd(out + i, f == Function::kCos ? _ZGVbN2v_cos(v) : _ZGVbN2v_sin(v));
    }
}

__attribute__((target("avx2"))) void MapWholeAvx2(Function f, const double* x, double* out,
                                                  std::size_t n) {
    for (std::size_t i = 0; i < n; i += 4) {
        const __m256d v = _mm256_loadu_pd(x + i);
        _mm256_storeu_pd(out + i, f == Function::kCos ? _ZGVdN4v_cos(v) : _ZGVdN4v_sin(v));
    }
}

__attribute__((target("avx512f"))) void MapWholeAvx512(Function f, const double* x, double* out,
                                                       std::size_t n) {
    for (std::size_t i = 0; i < n; i += 8) {
        const __m512d v = _mm512_loadu_pd(x + i);
        _mm512_storeu_pd(out + i, f == Function::kCos ? _ZGVeN8v_cos(v) : _ZGVeN8v_sin(v));
    }
}

std::size_t Width(SeriesKernel kernel) {
    switch (kernel) {
        case SeriesKernel::kScalar:
            return 1;
        case SeriesKernel::kSse2:
            return 2;
        case SeriesKernel::kAvx2:
            return 4;
        case SeriesKernel::kAvx512:
            return 8;
    }
    return 1;
}

void MapWhole(SeriesKernel kernel, Function f, const double* x, double* out, std::size_t n) {
    switch (kernel) {
        case SeriesKernel::kScalar:
            return MapWholeScalar(f, x, out, n);
        case SeriesKernel::kSse2:
            return MapWholeSse2(f, x, out, n);
        case SeriesKernel::kAvx2:
            return MapWholeAvx2(f, x, out, n);
        case SeriesKernel::kAvx512:
            return MapWholeAvx512(f, x, out, n);
    }
}

// out[i] = f(x[i]) for i < n: whole vectors in place, the rest of the array
// through a zero-padded buffer of one vector.
void Map(SeriesKernel kernel, Function f, const double* x, double* out, std::size_t n) {
    const std::size_t width = Width(kernel);
    const std::size_t whole = n - n % width;
    MapWhole(kernel, f, x, out, whole);
    if (whole < n) {
        double in[kLanes] = {};
        double result[kLanes];
        for (std::size_t i = whole; i < n; ++i) in[i - whole] = x[i];
        MapWhole(kernel, f, in, result, width);
        for (std::size_t i = whole; i < n; ++i) out[i] = result[i - whole];
    }
}

SeriesKernel InitialKernel() {
    const char* scalar = std::getenv("TARVEL_SCALAR_SERIES");
    if (scalar != nullptr && std::strcmp(scalar, "1") == 0) return SeriesKernel::kScalar;
    return BestSeriesKernel();
}

std::atomic<SeriesKernel>& ActiveKernelSlot() {
    static std::atomic<SeriesKernel> slot{InitialKernel()};
    return slot;
}

}  // namespace

const char* SeriesKernelName(SeriesKernel kernel) {
    switch (kernel) {
        case SeriesKernel::kScalar:
            return "scalar";
        case SeriesKernel::kSse2:
            return "sse2";
        case SeriesKernel::kAvx2:
            return "avx2";
        case SeriesKernel::kAvx512:
            return "avx512";
    }
    return "unknown";
}

bool SeriesKernelSupported(SeriesKernel kernel) {
    __builtin_cpu_init();
    switch (kernel) {
        case SeriesKernel::kScalar:
        case SeriesKernel::kSse2:
            return true;
        case SeriesKernel::kAvx2:
            return __builtin_cpu_supports("avx2");
        case SeriesKernel::kAvx512:
            return __builtin_cpu_supports("avx512f");
    }
    return false;
}

SeriesKernel BestSeriesKernel() {
    if (SeriesKernelSupported(SeriesKernel::kAvx512)) return SeriesKernel::kAvx512;
    if (SeriesKernelSupported(SeriesKernel::kAvx2)) return SeriesKernel::kAvx2;
    return SeriesKernel::kSse2;
}

SeriesKernel ActiveSeriesKernel() {
    return ActiveKernelSlot().load(std::memory_order_relaxed);
}

bool SetSeriesKernel(SeriesKernel kernel) {
    if (!SeriesKernelSupported(kernel)) return false;
    ActiveKernelSlot().store(kernel, std::memory_order_relaxed);
    return true;
}

ScopedSeriesKernel::ScopedSeriesKernel(SeriesKernel kernel)
    : previous_(ActiveSeriesKernel()), active_(SetSeriesKernel(kernel)) {}

ScopedSeriesKernel::~ScopedSeriesKernel() {
    SetSeriesKernel(previous_);
}

double SumCosineBlocks(SeriesKernel kernel, const CosineTermBlock* blocks, std::size_t count,
                       double tau, double anchor) {
    switch (kernel) {
        case SeriesKernel::kScalar:
            return SumScalarLanes(blocks, count, tau, anchor);
        case SeriesKernel::kSse2:
            return SumSse2(blocks, count, tau, anchor);
        case SeriesKernel::kAvx2:
            return SumAvx2(blocks, count, tau, anchor);
        case SeriesKernel::kAvx512:
            return SumAvx512(blocks, count, tau, anchor);
    }
    return SumScalarLanes(blocks, count, tau, anchor);
}

void SumCosineSeries(SeriesKernel kernel, const CosineSeries* series, std::size_t n, double* sums) {
    switch (kernel) {
        case SeriesKernel::kScalar:
            for (std::size_t i = 0; i < n; ++i) {
                sums[i] = SumScalarLanes(series[i].blocks, series[i].count, series[i].tau,
                                         series[i].anchor);
            }
            return;
        case SeriesKernel::kSse2:
            return SumEachSse2(series, n, sums);
        case SeriesKernel::kAvx2:
            return SumEachAvx2(series, n, sums);
        case SeriesKernel::kAvx512:
            return SumEachAvx512(series, n, sums);
    }
}

bool AnchorKeepsItsBinade(double anchor, double otherAmplitudes) {
    if (!(anchor > 0) || !std::isfinite(anchor)) return false;
    int exponent = 0;
    std::frexp(anchor, &exponent);  // anchor in [2^(exponent-1), 2^exponent)
    const double low = std::ldexp(1.0, exponent - 1);
    const double high = std::ldexp(1.0, exponent);
    return anchor - 2 * otherAmplitudes >= low && anchor + 2 * otherAmplitudes < high;
}

void Cosines(SeriesKernel kernel, const double* x, double* cosines, std::size_t n) {
    Map(kernel, Function::kCos, x, cosines, n);
}

void Sines(SeriesKernel kernel, const double* x, double* sines, std::size_t n) {
    Map(kernel, Function::kSin, x, sines, n);
}

}  // namespace tarvel
