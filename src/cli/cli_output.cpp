#include "cli/cli_output.h"

#include <algorithm>
#include <cmath>

#include "astro/result_fields.h"

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
    nlohmann::ordered_json json;
    for (const ResultField& field : kResultFields) {
        if (field.key.empty()) {
            continue;  // a derived value, not a field of the record
        }
        json[std::string(field.key)] =
            field.Present(result) ? Number(field.value(result)) : nullptr;
    }

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
