#include "cli/cli_conventions.h"

#include <cmath>
#include <cstdlib>

#include "format/format_texts.h"
#include "format/printf_text.h"

namespace tarvel {

namespace {

// Degrees reduced into [0, 360).
double FullCircle(double degrees) {
    double x = std::fmod(degrees, 360.0);
    if (x < 0.0) x += 360.0;
    return x >= 360.0 ? 0.0 : x + 0.0;
}

}  // namespace

double SunBearing(double azimuthFromSouth) {
    return FullCircle(azimuthFromSouth + 180.0);
}

double QiblaBearing(double azimuthFromSouth) {
    return FullCircle(180.0 - azimuthFromSouth);
}

bool IsAzimuth(ResultFieldId id) {
    switch (id) {
        case ResultFieldId::Azimuth:
        case ResultFieldId::GeometricRiseAzimuth:
        case ResultFieldId::GeometricSetAzimuth:
        case ResultFieldId::ApparentRiseAzimuth:
        case ResultFieldId::ApparentSetAzimuth:
        case ResultFieldId::QiblaAzimuth:
            return true;
        default:
            return false;
    }
}

double BearingOf(ResultFieldId id, double azimuthFromSouth) {
    return id == ResultFieldId::QiblaAzimuth ? QiblaBearing(azimuthFromSouth)
                                             : SunBearing(azimuthFromSouth);
}

std::string IsoTimestamp(const CalendarDate& date, int dayOffset, double hours,
                         long offsetSeconds) {
    const long long tenths = std::llround(hours * 36000.0);
    const long long tenthsPerDay = 864000;
    long long days = tenths / tenthsPerDay;
    long long rest = tenths % tenthsPerDay;
    if (rest < 0) {
        rest += tenthsPerDay;
        --days;
    }
    const CalendarDate on = DateAfterDays(date, dayOffset + static_cast<int>(days));
    const int hour = static_cast<int>(rest / 36000);
    const int minute = static_cast<int>(rest / 600 % 60);
    const int second = static_cast<int>(rest / 10 % 60);
    const int tenth = static_cast<int>(rest % 10);
    return PrintfText("%04d-%02d-%02dT%02d:%02d:%02d.%d", on.year, on.month, on.day, hour, minute,
                      second, tenth) +
           UtcOffsetIso(offsetSeconds);
}

std::string UtcOffsetIso(long offsetSeconds) {
    const long magnitude = std::labs(offsetSeconds);
    std::string offset = PrintfText("%c%02ld:%02ld", offsetSeconds < 0 ? '-' : '+',
                                    magnitude / 3600, magnitude / 60 % 60);
    if (magnitude % 60 != 0) offset += PrintfText(":%02ld", magnitude % 60);
    return offset;
}

std::string LongitudeText(double longitudeEast) {
    return PrintfText("%.4f° %c", std::fabs(longitudeEast), longitudeEast < 0.0 ? 'W' : 'E');
}

void UseBearings(std::vector<ResultText>& texts, const SolarResult& result) {
    using T = ResultTextField;
    for (ResultText& text : texts) {
        if (text.absence != EventAbsence::None) continue;
        switch (text.field) {
            case T::Azimuth:
                text.text = FormatHorizontalAngle(SunBearing(result.azimuth));
                break;
            case T::GeometricRiseAzimuth:
                text.text = FormatHorizontalAngle(SunBearing(result.geometricRiseAzimuth));
                break;
            case T::GeometricSetAzimuth:
                text.text = FormatHorizontalAngle(SunBearing(result.geometricSetAzimuth));
                break;
            case T::ApparentRiseAzimuth:
                text.text = FormatHorizontalAngle(SunBearing(result.apparentRiseAzimuth));
                break;
            case T::ApparentSetAzimuth:
                text.text = FormatHorizontalAngle(SunBearing(result.apparentSetAzimuth));
                break;
            case T::Qibla:
                text.text = FormatHorizontalAngle(QiblaBearing(result.qiblaAzimuth));
                break;
            default:
                break;
        }
    }
}

}  // namespace tarvel
