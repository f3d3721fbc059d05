// The Earth's heliocentric L, B and R: every term of the VSOP87D series, summed in
// stored order by the scalar reference, or lane by lane by a vector kernel.

#include "astro/earth_position.h"

#include <cmath>
#include <cstddef>
#include <vector>

#include "astro/angles.h"

namespace tarvel {
namespace {

// Julian millennia of 365250 days from J2000.0 (JD 2451545.0).
double MillenniaFromJ2000(double jd) {
    return (jd - 2451545) / 365250;
}

// The three groups of series and how many series each has.
enum Group { kGroupL, kGroupB, kGroupR };
constexpr int kGroupCount = 3;
constexpr int kMaxSeriesPerGroup = 6;
const Vsop87Series* const kGroupSeries[kGroupCount] = {kEarthL, kEarthB, kEarthR};
constexpr int kSeriesPerGroup[kGroupCount] = {6, 5, 6};

// The table in blocks of eight terms for the vector kernels: every series starts
// a new block and its last block is padded with zero terms. A constant first term
// {A, 0, 0} that keeps the stored-order sum in its binade (L0, L1, L2 and R0)
// becomes the series' anchor (series_kernel.h) and the blocks start at term 1.
struct BlockTable {
    struct Range {
        std::size_t first = 0;  // index of the series' first block
        std::size_t count = 0;  // number of blocks
        double anchor = 0.0;    // the constant first term, or 0
    };
    std::vector<CosineTermBlock> blocks;
    Range ranges[kGroupCount][kMaxSeriesPerGroup];
};

BlockTable BuildBlockTable() {
    BlockTable table;
    for (int g = 0; g < kGroupCount; ++g) {
        for (int k = 0; k < kSeriesPerGroup[g]; ++k) {
            const Vsop87Series& series = kGroupSeries[g][k];
            const Vsop87Term& head = series.terms[0];
            double otherAmplitudes = 0.0;
            for (std::size_t i = 1; i < series.count; ++i) {
                otherAmplitudes += std::abs(series.terms[i].A);
            }
            const bool anchored =
                head.B == 0.0 && head.C == 0.0 && AnchorKeepsItsBinade(head.A, otherAmplitudes);
            const std::size_t skip = anchored ? 1 : 0;
            BlockTable::Range& range = table.ranges[g][k];
            range.anchor = anchored ? head.A : 0.0;
            range.first = table.blocks.size();
            range.count = (series.count - skip + 7) / 8;
            table.blocks.resize(range.first + range.count, CosineTermBlock{});
            for (std::size_t i = skip; i < series.count; ++i) {
                CosineTermBlock& block = table.blocks[range.first + (i - skip) / 8];
                block.a[(i - skip) % 8] = series.terms[i].A;
                block.b[(i - skip) % 8] = series.terms[i].B;
                block.c[(i - skip) % 8] = series.terms[i].C;
            }
        }
    }
    return table;
}

const BlockTable& Blocks() {
    static const BlockTable table = BuildBlockTable();
    return table;
}

// Sum over the terms of series k of a group of A cos(B + C tau): in stored order
// with std::cos for the scalar reference, otherwise by SumCosineBlocks.
double SumSeries(Group group, int k, double tau, SeriesKernel kernel) {
    if (kernel == SeriesKernel::kScalar) {
        const Vsop87Series& series = kGroupSeries[group][k];
        double sum = 0.0;
        for (std::size_t i = 0; i < series.count; ++i) {
            const Vsop87Term& term = series.terms[i];
            sum += term.A * std::cos(term.B + term.C * tau);
        }
        return sum;
    }
    const BlockTable& table = Blocks();
    const BlockTable::Range& range = table.ranges[group][k];
    return SumCosineBlocks(kernel, table.blocks.data() + range.first, range.count, tau,
                           range.anchor);
}

// (S0 + S1 tau + S2 tau^2 + ... + Sn tau^n) / 1e8 from the sums S0 ... Sn of the
// series of a group, the powers of tau formed by repeated multiplication (tau2 =
// tau * tau, tau3 = tau2 * tau, ...). In radians for L and B, in astronomical
// units for R.
double CombineSeries(Group group, const double* sums, double tau) {
    double sum = sums[0];
    double power = 1.0;  // 1.0 * tau is exactly tau
    for (int k = 1; k < kSeriesPerGroup[group]; ++k) {
        power = power * tau;
        sum = sum + sums[k] * power;
    }
    return sum / 1e8;
}

double EvaluateSeries(Group group, double tau, SeriesKernel kernel) {
    double sums[kMaxSeriesPerGroup] = {};
    for (int k = 0; k < kSeriesPerGroup[group]; ++k) {
        sums[k] = SumSeries(group, k, tau, kernel);
    }
    return CombineSeries(group, sums, tau);
}

double LongitudeDegFromRad(double radians) {
    return NormalizeDegrees(RadToDeg(radians));
}

double LongitudeDeg(double tau, SeriesKernel kernel) {
    return LongitudeDegFromRad(EvaluateSeries(kGroupL, tau, kernel));
}

double LatitudeDeg(double tau, SeriesKernel kernel) {
    return RadToDeg(EvaluateSeries(kGroupB, tau, kernel));
}

}  // namespace

double EarthHeliocentricLongitude(double jde, SeriesKernel kernel) {
    return LongitudeDeg(MillenniaFromJ2000(jde), kernel);
}

double EarthHeliocentricLatitude(double jde, SeriesKernel kernel) {
    return LatitudeDeg(MillenniaFromJ2000(jde), kernel);
}

double EarthRadiusVector(double jd, SeriesKernel kernel) {
    return EvaluateSeries(kGroupR, MillenniaFromJ2000(jd), kernel);
}

EarthLongitudeLatitude EarthHeliocentricLB(double jde, SeriesKernel kernel) {
    const double tau = MillenniaFromJ2000(jde);
    return {LongitudeDeg(tau, kernel), LatitudeDeg(tau, kernel)};
}

EarthSeriesSums EarthHeliocentricSums(double jde, double jd, SeriesKernel kernel) {
    const double tauE = MillenniaFromJ2000(jde);
    const double tau = MillenniaFromJ2000(jd);
    if (kernel == SeriesKernel::kScalar) {
        return {EvaluateSeries(kGroupL, tauE, kernel), EvaluateSeries(kGroupB, tauE, kernel),
                EvaluateSeries(kGroupR, tau, kernel)};
    }
    // All 17 series in one call: L and B at tauE, R at tau.
    const BlockTable& table = Blocks();
    const double groupTau[kGroupCount] = {tauE, tauE, tau};
    CosineSeries series[kGroupCount * kMaxSeriesPerGroup];
    std::size_t n = 0;
    for (int g = 0; g < kGroupCount; ++g) {
        for (int k = 0; k < kSeriesPerGroup[g]; ++k) {
            const BlockTable::Range& range = table.ranges[g][k];
            series[n++] = {table.blocks.data() + range.first, range.count, groupTau[g],
                           range.anchor};
        }
    }
    double sums[kGroupCount * kMaxSeriesPerGroup];
    SumCosineSeries(kernel, series, n, sums);
    const double* l = sums;
    const double* b = l + kSeriesPerGroup[kGroupL];
    const double* r = b + kSeriesPerGroup[kGroupB];
    return {CombineSeries(kGroupL, l, tauE), CombineSeries(kGroupB, b, tauE),
            CombineSeries(kGroupR, r, tau)};
}

EarthSeriesSums EarthHeliocentricSums(double jde, double jd) {
    return EarthHeliocentricSums(jde, jd, ActiveSeriesKernel());
}

double EarthLongitudeDegFromRad(double longitudeRad) {
    return LongitudeDegFromRad(longitudeRad);
}

EarthPosition EarthHeliocentricLBR(double jde, double jd, SeriesKernel kernel) {
    const EarthSeriesSums sums = EarthHeliocentricSums(jde, jd, kernel);
    return {LongitudeDegFromRad(sums.longitudeRad), RadToDeg(sums.latitudeRad), sums.radiusAu};
}

EarthPosition EarthHeliocentricLBR(double jde, double jd) {
    return EarthHeliocentricLBR(jde, jd, ActiveSeriesKernel());
}

double EarthHeliocentricLongitude(double jde) {
    return EarthHeliocentricLongitude(jde, ActiveSeriesKernel());
}

double EarthHeliocentricLatitude(double jde) {
    return EarthHeliocentricLatitude(jde, ActiveSeriesKernel());
}

double EarthRadiusVector(double jd) {
    return EarthRadiusVector(jd, ActiveSeriesKernel());
}

EarthLongitudeLatitude EarthHeliocentricLB(double jde) {
    return EarthHeliocentricLB(jde, ActiveSeriesKernel());
}

}  // namespace tarvel
