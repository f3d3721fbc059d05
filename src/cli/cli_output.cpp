#include "cli/cli_output.h"

#include <algorithm>
#include <cmath>

namespace tarvel {

namespace {

// Number of characters (UTF-8 code points) in text.
std::size_t CharacterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

nlohmann::ordered_json Number(double value) {
    if (!std::isfinite(value)) return nullptr;
    return value;
}

// The time of an event, or null when it does not occur on the date.
nlohmann::ordered_json EventTime(double value, bool occurs) {
    if (!occurs) return nullptr;
    return Number(value);
}

}  // namespace

std::string ResultReport(const std::vector<ResultText>& texts) {
    std::size_t labelWidth = 0;
    for (const ResultText& t : texts) labelWidth = std::max(labelWidth, CharacterCount(t.label));

    std::string report;
    int group = 0;
    for (const ResultText& t : texts) {
        if (report.empty() || t.groupId != group) {
            if (!report.empty()) report += "\n";
            report += t.groupCaption + "\n";
            group = t.groupId;
        }
        report += "  " + t.label + ":" +
                  std::string(labelWidth - CharacterCount(t.label) + 1, ' ') + t.text + "\n";
    }
    return report;
}

nlohmann::ordered_json ResultJson(const SolarRequest& request, const SolarResult& result) {
    const SolarResult& r = result;
    nlohmann::ordered_json json;
    json["julianDay"] = Number(r.julianDay);
    json["deltaT"] = Number(r.deltaT);
    json["gmst"] = Number(r.gmst);
    json["lmst"] = Number(r.lmst);
    json["equationOfTime"] = Number(r.equationOfTime);
    json["longitudeDifference"] = Number(r.longitudeDifference);
    json["meanLocalTime"] = Number(r.meanLocalTime);
    json["trueLocalTime"] = Number(r.trueLocalTime);
    json["trueZoneTime"] = Number(r.trueZoneTime);
    json["italianHours"] = Number(r.italianHours);
    json["babylonianHours"] = Number(r.babylonianHours);
    json["temporalHours"] = Number(r.temporalHours);
    json["hoursToSunset"] = Number(r.hoursToSunset);
    json["eclipticLongitude"] = Number(r.eclipticLongitude);
    json["eclipticLatitude"] = Number(r.eclipticLatitude);
    json["rightAscension"] = Number(r.rightAscension);
    json["declination"] = Number(r.declination);
    json["topoRightAscension"] = Number(r.topoRightAscension);
    json["topoDeclination"] = Number(r.topoDeclination);
    json["azimuth"] = Number(r.azimuth);
    json["altitude"] = Number(r.altitude);
    json["refraction"] = Number(r.refraction);
    json["refractedAltitude"] = Number(r.refractedAltitude);
    json["transit"] = EventTime(r.transit, r.occurs.transit);
    json["transitAltitude"] = Number(r.transitAltitude);
    json["transitRefraction"] = Number(r.transitRefraction);
    json["geometricRise"] = EventTime(r.geometricRise, r.occurs.geometricRise);
    json["geometricRiseAzimuth"] = Number(r.geometricRiseAzimuth);
    json["geometricSet"] = EventTime(r.geometricSet, r.occurs.geometricSet);
    json["geometricSetAzimuth"] = Number(r.geometricSetAzimuth);
    json["geometricDaylight"] = Number(r.geometricDaylight);
    json["apparentRise"] = EventTime(r.apparentRise, r.occurs.apparentRise);
    json["apparentRiseAzimuth"] = Number(r.apparentRiseAzimuth);
    json["apparentSet"] = EventTime(r.apparentSet, r.occurs.apparentSet);
    json["apparentSetAzimuth"] = Number(r.apparentSetAzimuth);
    json["apparentDaylight"] = Number(r.apparentDaylight);
    json["fajr"] = EventTime(r.fajr, r.occurs.fajr);
    json["asr1"] = EventTime(r.asr1, r.occurs.asr1);
    json["asr2"] = EventTime(r.asr2, r.occurs.asr2);
    json["isha"] = EventTime(r.isha, r.occurs.isha);
    json["qiblaAzimuth"] = Number(r.qiblaAzimuth);
    json["qiblaTime"] = EventTime(r.qiblaTime, r.occurs.qiblaTime);

    nlohmann::ordered_json& q = json["request"];
    q["year"] = request.year;
    q["month"] = request.month;
    q["day"] = request.day;
    q["hour"] = request.hour;
    q["minute"] = request.minute;
    q["second"] = Number(request.second);
    q["zoneHours"] = Number(request.zoneHours);
    q["zoneMinutes"] = Number(request.zoneMinutes);
    q["latitude"] = Number(request.latitude);
    q["longitude"] = Number(request.longitude);
    q["height"] = Number(request.height);
    q["summerTime"] = request.summerTime;
    q["refractionModel"] = request.refractionModel;
    q["refractionHeight"] = Number(request.refractionHeight);
    q["humidity"] = Number(request.humidity);
    q["pressure"] = Number(request.pressure);
    q["temperature"] = Number(request.temperature);
    q["fajrAngle"] = Number(request.fajrAngle);
    q["ishaAngle"] = Number(request.ishaAngle);
    q["deltaT"] = Number(request.deltaT);
    q["deltaTGiven"] = request.deltaTGiven;
    return json;
}

}  // namespace tarvel
