// Sums of cosine terms A cos(B + C tau) and arrays of sines and cosines with
// glibc's vector functions (libmvec), the instruction set chosen at run time, and
// the switch between these vector kernels and the scalar reference evaluation of
// the computation's trigonometric series.
//
// Given:    blocks of eight terms (A, B, C in a structure-of-arrays layout) and
//           tau; or an array of arguments in radians.
// Returned: the sum of the terms, in the units of A; or the arrays of cosines and
//           sines.
// Notes:    one build runs on any x86-64 processor: SSE2 is always present,
//           AVX2 and AVX-512 are used only where the processor and the operating
//           system support them (__builtin_cpu_supports). The arithmetic around
//           the cosine is that of the scalar reference, operation for operation
//           (B + C * tau, then A * cos; no contracted multiply-adds): only the
//           cosine and the order of summation differ.
//
//           Order of summation, the same for every kernel. A series is given as
//           an anchor g and blocks of terms. Term i of the blocks (0-based, in
//           stored order, padded with zero terms to a multiple of eight) gives
//           t = A cos(B + C tau) and q = (g + t) - g, and q is added to the
//           partial sum of lane i mod 8, lane by lane in increasing i, each lane
//           starting from +0.0; the eight lane sums s0..s7 are reduced as
//           g + (((s0 + s1) + (s2 + s3)) + ((s4 + s5) + (s6 + s7))).
//           AVX-512 holds the eight lanes in one register, AVX2 in two of four,
//           SSE2 in four of two. The kernels differ only in glibc's cosine
//           implementation for the register width (each within 4 ulp).
//
//           The anchor is 0 (then q = t) or a series' constant first term
//           {g, 0, 0} with g > 0 so much larger than the others that every
//           partial sum of the stored-order sum g + t1 + t2 + ... stays in g's
//           binade [2^e, 2^(e+1)), where the doubles are the multiples of one
//           step u. Each addition of that sum then adds t rounded to a multiple
//           of u, which is q, whatever the partial sum it is added to (barring
//           an exact tie); the q are multiples of u far below 2^53 u, so their
//           lane sums and the reduction are exact, and g + sum is the scalar
//           reference's result to the last bit unless a vector cosine moves a
//           term across a rounding boundary of the step u. The Earth's L1 (a
//           constant of 6.3e11 in units of 1e-8 rad, u = 2^-13) would otherwise
//           leave the reference's own accumulated rounding, up to ~2e-12 rad,
//           as the difference in L; anchored, the vector L equalled the
//           reference to the last bit at 10^4 random instants of 1900-2100.
//           Series without an anchor (all of B, the higher powers of L and R)
//           keep differences in their last bits: over 10^6 arguments in
//           [-3000, 3000], glibc 2.36's vector cosines differed from std::cos in
//           the last bit for 64% of them; the AVX2 and AVX-512 cosines agreed
//           with each other bit for bit, SSE2's differed from them for 10%.
//
//           Selection: the scalar reference is chosen when the environment
//           variable TARVEL_SCALAR_SERIES is set to 1 (read once, at the first
//           evaluation); otherwise the widest kernel the processor supports.
//           SetSeriesKernel changes the choice for the whole process (tests and
//           benchmarks compare kernels in one run); set it before starting a
//           computation, not while one runs on other threads.
// References: P. Bretagnon and G. Francou, Astron. Astrophys. 202, 309
//           (1988) (the series' terms A cos(B + C tau)); the GNU C Library's
//           vector math library (libmvec) and the x86-64 vector function ABI
//           for the kernels' cosines and sines.
#pragma once

#include <cstddef>

namespace tarvel {

// How the computation's trigonometric series (the Earth's VSOP87D series and
// both nutation series) are evaluated.
enum class SeriesKernel {
    kScalar,  // the reference: std::cos and std::sin term by term, stored order
    kSse2,    // libmvec _ZGVbN2v_cos and _sin, two terms per call
    kAvx2,    // libmvec _ZGVdN4v_cos and _sin, four terms per call
    kAvx512,  // libmvec _ZGVeN8v_cos and _sin, eight terms per call
};

// Every kernel, the reference first.
inline constexpr SeriesKernel kSeriesKernels[] = {SeriesKernel::kScalar, SeriesKernel::kSse2,
                                                  SeriesKernel::kAvx2, SeriesKernel::kAvx512};

// "scalar", "sse2", "avx2" or "avx512".
const char* SeriesKernelName(SeriesKernel kernel);

// Whether this processor and operating system can run the kernel (kScalar and
// kSse2 always).
bool SeriesKernelSupported(SeriesKernel kernel);

// The widest supported vector kernel.
SeriesKernel BestSeriesKernel();

// The kernel in use: kScalar when TARVEL_SCALAR_SERIES=1 at the first call,
// otherwise BestSeriesKernel(), until SetSeriesKernel changes it.
SeriesKernel ActiveSeriesKernel();

// Makes `kernel` the active kernel of the process; returns false and changes
// nothing when the processor does not support it.
bool SetSeriesKernel(SeriesKernel kernel);

// Makes a kernel active for a scope and restores the previous one at its end.
class ScopedSeriesKernel {
  public:
    explicit ScopedSeriesKernel(SeriesKernel kernel);
    ~ScopedSeriesKernel();
    ScopedSeriesKernel(const ScopedSeriesKernel&) = delete;
    ScopedSeriesKernel& operator=(const ScopedSeriesKernel&) = delete;

    // Whether the requested kernel was supported (and is now active).
    bool active() const { return active_; }

  private:
    SeriesKernel previous_;
    bool active_;
};

// Eight consecutive terms of a series, A, B and C each filling one 64-byte line
// for aligned vector loads. Padding terms are {0, 0, 0}: they add +0.0 to their
// lane.
struct alignas(64) CosineTermBlock {
    double a[8];  // amplitudes
    double b[8];  // phases, radians
    double c[8];  // frequencies, radians per unit of tau
};

// anchor + the sum over `count` blocks of a cos(b + c tau), in the order of
// summation above; anchor is 0 or a constant term that satisfies the condition
// above (AnchorKeepsItsBinade). kScalar evaluates the same lanes with std::cos.
// The kernel must be one that SeriesKernelSupported accepts.
double SumCosineBlocks(SeriesKernel kernel, const CosineTermBlock* blocks, std::size_t count,
                       double tau, double anchor);

// One series for SumCosineSeries: its blocks, tau and anchor as for
// SumCosineBlocks.
struct CosineSeries {
    const CosineTermBlock* blocks;
    std::size_t count;  // blocks
    double tau;
    double anchor;
};

// sums[i] = SumCosineBlocks(kernel, series[i].blocks, series[i].count,
// series[i].tau, series[i].anchor) for i < n, to the last bit: the same lanes
// and reduction per series, in one call for all of them.
void SumCosineSeries(SeriesKernel kernel, const CosineSeries* series, std::size_t n, double* sums);

// Whether a constant first term `anchor` can anchor a series whose other terms'
// amplitudes sum to `otherAmplitudes` (in absolute value): anchor > 0 and
// anchor -/+ 2 otherAmplitudes in anchor's binade, a margin of a factor of two
// over the largest partial sum.
bool AnchorKeepsItsBinade(double anchor, double otherAmplitudes);

// cosines[i] = cos(x[i]) and sines[i] = sin(x[i]) for i < n, x in radians, with
// the kernel's functions (std::cos and std::sin for kScalar); any n, no
// alignment required. The kernel must be supported.
void Cosines(SeriesKernel kernel, const double* x, double* cosines, std::size_t n);
void Sines(SeriesKernel kernel, const double* x, double* sines, std::size_t n);

}  // namespace tarvel
