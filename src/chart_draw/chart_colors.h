// The colours of the charts: the hues of the Okabe-Ito palette, which
// colour-blind readers can tell apart, darkened so that every line and label
// stands at least 3:1 against white (WCAG's contrast ratio), and the shades of
// the sky from the day to the night.
//
// Every line of data is drawn over a white casing a little wider than itself
// and every marker inside a white ring, so that it shows on the light bands
// by its own colour and on the dark ones by its casing; the labels inside a
// plot stand on a nearly opaque white backing. The table of what lies on what
// (kContrastCases) is what the drawing uses, and a test checks its ratios.
#pragma once

#include <QColor>
#include <vector>

namespace tarvel {

namespace chart_colors {
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kWhite{0xFF, 0xFF, 0xFF};
inline const QColor kOrange{0xB0, 0x6A, 0x00};
inline const QColor kBluishGreen{0x00, 0x7A, 0x5A};
inline const QColor kBlue{0x00, 0x72, 0xB2};
inline const QColor kVermillion{0xC0, 0x50, 0x00};
inline const QColor kReddishPurple{0xA8, 0x44, 0x7F};
// The grid inside a plot, drawn only over white.
inline const QColor kGrid{0x8F, 0x8F, 0x8F};
// Under every line of data and around every marker.
inline const QColor kCasing = kWhite;
// Behind the labels inside a plot: white, nearly opaque.
inline const QColor kLabelBacking{0xFF, 0xFF, 0xFF, 0xEB};
// The sky of the day chart and below the horizon: the day, the civil,
// nautical and astronomical twilights and the night, lighter to darker. The
// two lightest stand 3:1 against the lines, the three darkest against the
// casing.
inline const QColor kDay{0xFA, 0xF0, 0xB4};
inline const QColor kCivil{0xBF, 0xE1, 0xF6};
inline const QColor kNautical{0x5A, 0x8F, 0xC0};
inline const QColor kAstronomical{0x3E, 0x6E, 0x9C};
inline const QColor kNight{0x1B, 0x2A, 0x47};
// The prayers on the day chart, each its colour and dash (the pen styles of
// kPrayerStyles): Fajr, Zuhr, Asr, Maghrib, Isha.
inline const QColor kPrayerColors[5] = {kBlue, kOrange, kBluishGreen, kReddishPurple, kBlack};

// What a line, marker or label of the charts is drawn in and every
// background it may lie on. A line or marker (label false) has the casing
// around it; a label (label true) stands on kLabelBacking over the
// background.
struct ContrastCase {
    const char* what;
    QColor color;
    bool label;
    std::vector<QColor> grounds;
};

inline const std::vector<ContrastCase>& ContrastCases() {
    static const std::vector<ContrastCase> cases = [] {
        const std::vector<QColor> sky = {kWhite, kCivil, kNautical, kAstronomical, kNight};
        const std::vector<QColor> bands = {kDay, kCivil, kNautical, kAstronomical, kNight};
        std::vector<ContrastCase> c = {
            {"Sun's path, its hours, the months' paths", kOrange, false, sky},
            {"rise and set, equinoxes", kBluishGreen, false, sky},
            {"transit, winter solstice, equation of time", kBlue, false, sky},
            {"the Sun now, summer solstice, day length", kVermillion, false, sky},
            {"day length", kVermillion, false, bands},
            {"Qibla", kReddishPurple, false, sky},
            {"horizons, frame, first of the month", kBlack, false, {kWhite, kCivil}},
            {"grid", kGrid, false, {kWhite}},
            {"chosen date",
             kBlack,
             false,
             {kDay, kCivil, kNautical, kAstronomical, kNight, kWhite}},
            {"chosen date's path", kReddishPurple, false, sky},
            {"night Sun's altitude", kBlack, true, sky},
            {"axes' texts, title, legend", kBlack, true, {kWhite}},
            {"labels in a sky plot", kBlack, true, sky},
            {"labels in the day chart", kBlack, true, bands},
            {"Qibla label", kReddishPurple, true, sky},
        };
        const char* const prayers[5] = {"Fajr", "Zuhr", "Asr", "Maghrib", "Isha"};
        for (int i = 0; i < 5; ++i) {
            c.push_back({prayers[i], kPrayerColors[i], false, bands});
            c.push_back({prayers[i], kPrayerColors[i], true, bands});
        }
        for (const QColor& event : {kBluishGreen, kBlue}) {
            c.push_back({"event time label", event, true, sky});
        }
        return c;
    }();
    return cases;
}
}  // namespace chart_colors

}  // namespace tarvel
