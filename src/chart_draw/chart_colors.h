// The colours of the charts: the Okabe-Ito palette, which colour-blind
// readers can tell apart, and the shades of the sky from the day to the night.
#pragma once

#include <QColor>

namespace tarvel {

// The palette (Okabe and Ito, 2008), by role.
namespace chart_colors {
inline const QColor kBlack{0x00, 0x00, 0x00};
inline const QColor kOrange{0xE6, 0x9F, 0x00};
inline const QColor kSkyBlue{0x56, 0xB4, 0xE9};
inline const QColor kBluishGreen{0x00, 0x9E, 0x73};
inline const QColor kYellow{0xF0, 0xE4, 0x42};
inline const QColor kBlue{0x00, 0x72, 0xB2};
inline const QColor kVermillion{0xD5, 0x5E, 0x00};
inline const QColor kReddishPurple{0xCC, 0x79, 0xA7};
// The sky of the day chart and below the horizon: the day, the civil,
// nautical and astronomical twilights and the night, lighter to darker.
inline const QColor kDay{0xFA, 0xF0, 0xB4};
inline const QColor kCivil{0xBF, 0xE1, 0xF6};
inline const QColor kNautical{0x7F, 0xB8, 0xDC};
inline const QColor kAstronomical{0x3E, 0x6E, 0x9C};
inline const QColor kNight{0x1B, 0x2A, 0x47};
}  // namespace chart_colors

}  // namespace tarvel
