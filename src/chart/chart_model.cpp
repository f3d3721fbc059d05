#include "chart/chart_model.h"

namespace tarvel {

const char* ChartKindKey(ChartKind kind) {
    switch (kind) {
        case ChartKind::kSunPath:
            return "sunpath";
        case ChartKind::kSunPathYear:
            return "sunpath-year";
        case ChartKind::kAnalemma:
            return "analemma";
        case ChartKind::kEquationOfTime:
            return "equation-of-time";
        case ChartKind::kDaylight:
            return "daylight";
    }
    return "sunpath";
}

std::optional<ChartKind> ParseChartKind(const std::string& key) {
    for (ChartKind kind : {ChartKind::kSunPath, ChartKind::kSunPathYear, ChartKind::kAnalemma,
                           ChartKind::kEquationOfTime, ChartKind::kDaylight}) {
        if (key == ChartKindKey(kind)) return kind;
    }
    return std::nullopt;
}

ChartModel BuildChartModel(ChartKind kind, const ChartInputs& inputs, bool prayerLines,
                           bool polar) {
    ChartModel model;
    model.kind = kind;
    model.polar = polar && (kind == ChartKind::kSunPath || kind == ChartKind::kSunPathYear);
    model.prayerLines = prayerLines;
    const SolarRequest& q = inputs.request;
    model.year = q.year;
    model.date = {q.year, q.month, q.day};
    model.clockHours = q.hour + q.minute / 60.0 + q.second / 3600.0;
    model.placeName = inputs.placeName;
    model.latitude = q.latitude;
    model.longitudeWest = q.longitude;
    model.zoneName = inputs.zoneRules ? inputs.zoneRules->Name() : std::string();
    model.zoneOffsetHours = q.zoneMinutes / 60.0 + q.zoneSeconds / 3600.0;
    model.summerTime = q.summerTime;
    model.summerShiftHours = q.summerTime ? q.summerShiftSeconds / 3600.0 : 0.0;
    switch (kind) {
        case ChartKind::kSunPath:
            model.sunPath = ComputeSunPath(inputs, false);
            break;
        case ChartKind::kAnalemma:
            model.analemma = ComputeAnalemma(inputs);
            model.sunPath.latitude = inputs.request.latitude;
            break;
        case ChartKind::kSunPathYear:
        case ChartKind::kEquationOfTime:
        case ChartKind::kDaylight:
            if (kind == ChartKind::kSunPathYear) {
                model.monthPaths = CachedMonthPaths(inputs);
                model.sunPath = ComputeSunPath(inputs, false);
            }
            if (kind == ChartKind::kEquationOfTime)
                model.equationOfTime = CachedEquationOfTime(inputs);
            if (kind == ChartKind::kDaylight) model.daylight = CachedDaylight(inputs, prayerLines);
            model.sunPath.latitude = inputs.request.latitude;
            model.sunPath.apparentHorizonDeg = ApparentHorizonAltitude(inputs.request.height);
            break;
    }
    return model;
}

}  // namespace tarvel
