// Chebyshev spans of the Sun's slow quantities, fitted on demand and kept for
// the process.

#include "astro/sun_series_cache.h"

#include <atomic>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace tarvel {

namespace {

constexpr double kSpanOrigin = 2451545.0;  // J2000.0: span 0 starts here
constexpr int kDegree = kSunSpanNodes - 1;
constexpr int kLanes = 8;  // the seven quantities and one unused lane
constexpr std::size_t kMaxSpans = 4096;  // about 90 years of spans, ~4 MB
constexpr double kLimit = 1e8;           // |x| beyond this: the full series

// The seven quantities at one instant from the full series.
void FullAt(double x, double* q) {
    const EarthSeriesSums earth = EarthHeliocentricSums(x, x);
    const Nutation1980 n1980 = Nutation1980Both(x);
    const Nutation2000B n2000 = Nutation2000BBoth(x);
    q[0] = earth.longitudeRad;
    q[1] = earth.latitudeRad;
    q[2] = earth.radiusAu;
    q[3] = n1980.longitudeArcsec;
    q[4] = n1980.obliquityArcsec;
    q[5] = n2000.longitudeArcsec;
    q[6] = n2000.obliquityArcsec;
    q[7] = 0.0;
}

// One span: quantity = start[q] + sum over j of c[j][q] T_j(u), u = 2 (x - a)
// / kSunSpanDays - 1 in [-1, 1]. The polynomial interpolates the differences
// f(x_k) - f(a) at the Chebyshev-Lobatto points x_k = a + (1 + cos(pi k /
// kDegree)) kSunSpanDays / 2, k = 0 ... kDegree (x_0 the span's end, x_kDegree
// its start a): small differences keep the rounding of the fit far below the
// last bit of L, and the start value is the full series' own.
struct Span {
    double a = 0;
    alignas(64) double start[kLanes] = {};
    alignas(64) double c[kSunSpanNodes][kLanes] = {};
};

std::unique_ptr<Span> FitSpan(std::int64_t index) {
    auto span = std::make_unique<Span>();
    span->a = kSpanOrigin + static_cast<double>(index) * kSunSpanDays;
    const double pi = 4.0 * std::atan(1.0);
    double f[kSunSpanNodes][kLanes];
    for (int k = 0; k <= kDegree; ++k) {
        // cos(pi k / kDegree) is exactly 1 and -1 at the ends.
        const double u = k == 0 ? 1.0 : k == kDegree ? -1.0 : std::cos(pi * k / kDegree);
        FullAt(span->a + (1.0 + u) * (kSunSpanDays / 2.0), f[k]);
    }
    for (int q = 0; q < kLanes; ++q) {
        span->start[q] = f[kDegree][q];
        for (int k = 0; k <= kDegree; ++k) f[k][q] = f[k][q] - span->start[q];
    }
    // c_j = (2 / kDegree) sum'' f_k cos(pi j k / kDegree), the first and last
    // terms halved; the interpolant halves c_0 and c_kDegree, done here.
    for (int j = 0; j <= kDegree; ++j) {
        for (int q = 0; q < kLanes; ++q) {
            double sum = 0.0;
            for (int k = 0; k <= kDegree; ++k) {
                const double w = k == 0 || k == kDegree ? 0.5 : 1.0;
                sum += w * f[k][q] * std::cos(pi * static_cast<double>((j * k) % (2 * kDegree)) /
                                              kDegree);
            }
            double cj = sum * (2.0 / kDegree);
            if (j == 0 || j == kDegree) cj *= 0.5;
            span->c[j][q] = cj;
        }
    }
    return span;
}

// The eight lanes of a span at x, by Clenshaw's recurrence.
void EvaluateSpan(const Span& span, double x, double* out) {
    const double u = (x - span.a) * (2.0 / kSunSpanDays) - 1.0;
    const double u2 = 2.0 * u;
    double b1[kLanes] = {};
    double b2[kLanes] = {};
    for (int j = kDegree; j >= 1; --j) {
        for (int q = 0; q < kLanes; ++q) {
            const double b0 = u2 * b1[q] - b2[q] + span.c[j][q];
            b2[q] = b1[q];
            b1[q] = b0;
        }
    }
    for (int q = 0; q < kLanes; ++q) {
        out[q] = span.start[q] + (span.c[0][q] + u * b1[q] - b2[q]);
    }
}

// The spans made so far. Spans are never changed once published; a full
// table is emptied, and the spans still read by a thread live on through
// their shared pointers.
struct SpanCache {
    std::mutex mutex;
    std::unordered_map<std::int64_t, std::shared_ptr<const Span>> spans;
};

SpanCache& Cache() {
    static SpanCache cache;
    return cache;
}

std::shared_ptr<const Span> SpanOf(std::int64_t index) {
    // The last two spans this thread read: jde and jd of one position, and the
    // positions of a search, nearly always fall in them.
    thread_local std::int64_t recentIndex[2] = {INT64_MIN, INT64_MIN};
    thread_local std::shared_ptr<const Span> recent[2];
    if (recentIndex[0] == index) return recent[0];
    if (recentIndex[1] == index) {
        std::swap(recentIndex[0], recentIndex[1]);
        std::swap(recent[0], recent[1]);
        return recent[0];
    }
    std::shared_ptr<const Span> span;
    {
        SpanCache& cache = Cache();
        const std::lock_guard<std::mutex> lock(cache.mutex);
        auto found = cache.spans.find(index);
        if (found != cache.spans.end()) {
            span = found->second;
        } else {
            if (cache.spans.size() >= kMaxSpans) cache.spans.clear();
            span = std::shared_ptr<const Span>(FitSpan(index));
            cache.spans.emplace(index, span);
        }
    }
    recentIndex[1] = recentIndex[0];
    recent[1] = std::move(recent[0]);
    recentIndex[0] = index;
    recent[0] = span;
    return span;
}

bool Cacheable(double x) {
    return x > -kLimit && x < kLimit;  // false for not-a-number
}

bool InitialInterpolation() {
    const char* full = std::getenv("TARVEL_FULL_SERIES");
    return !(full != nullptr && std::strcmp(full, "1") == 0);
}

std::atomic<bool>& InterpolationSlot() {
    static std::atomic<bool> slot{InitialInterpolation()};
    return slot;
}

}  // namespace

SunSeriesValues SunSeriesFull(double jde, double jd) {
    return {EarthHeliocentricSums(jde, jd), NutationsForSun(jde, jd)};
}

SunSeriesValues SunSeriesInterpolated(double jde, double jd) {
    if (!SunSeriesInterpolation() || !Cacheable(jde) || !Cacheable(jd)) {
        return SunSeriesFull(jde, jd);
    }
    alignas(64) double e[kLanes];
    alignas(64) double u[kLanes];
    const std::int64_t ie = SunSpanIndex(jde);
    const std::int64_t iu = SunSpanIndex(jd);
    EvaluateSpan(*SpanOf(ie), jde, e);
    if (iu == ie) {
        EvaluateSpan(*SpanOf(ie), jd, u);
    } else {
        EvaluateSpan(*SpanOf(iu), jd, u);
    }
    SunSeriesValues v;
    v.earth = {e[0], e[1], u[2]};
    v.nutations.apparentPlace = {e[3], e[4]};
    v.nutations.atJde = {e[5], e[6]};
    v.nutations.atJd = {u[5], u[6]};
    return v;
}

bool SunSeriesInterpolation() {
    return InterpolationSlot().load(std::memory_order_relaxed);
}

void SetSunSeriesInterpolation(bool interpolate) {
    InterpolationSlot().store(interpolate, std::memory_order_relaxed);
}

ScopedSunSeriesInterpolation::ScopedSunSeriesInterpolation(bool interpolate)
    : previous_(SunSeriesInterpolation()) {
    SetSunSeriesInterpolation(interpolate);
}

ScopedSunSeriesInterpolation::~ScopedSunSeriesInterpolation() {
    SetSunSeriesInterpolation(previous_);
}

std::int64_t SunSpanIndex(double x) {
    return static_cast<std::int64_t>(std::floor((x - kSpanOrigin) / kSunSpanDays));
}

double SunSpanValue(std::int64_t index, SunSlowQuantity quantity, double x) {
    alignas(64) double out[kLanes];
    EvaluateSpan(*SpanOf(index), x, out);
    return out[static_cast<int>(quantity)];
}

double SunSlowQuantityFull(SunSlowQuantity quantity, double x) {
    double q[kLanes];
    FullAt(x, q);
    return q[static_cast<int>(quantity)];
}

}  // namespace tarvel
