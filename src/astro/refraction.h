// Atmospheric refraction of the Sun's centre: the Bennett-Saemundsson formula
// corrected for pressure and temperature, or a numerical integration of the
// refraction integral through a model atmosphere (troposphere with a constant
// lapse rate to 11 km, isothermal stratosphere to 80 km).
//
// Given:    the true (airless) altitude in degrees, the atmosphere (pressure
//           in mbar, temperature in deg C, height in metres, relative humidity
//           in percent) and the observer's latitude.
// Returned: the refraction in arcminutes.
// References: G. G. Bennett, J. Navigation 35, 255 (1982) with
//           Th. Saemundsson, Sky & Telescope 72, 70 (1986), Meeus ch. 16;
//           C. Y. Hohenkerk and A. T. Sinclair, NAO Technical Note 63 (1985),
//           the method of the Explanatory Supplement to the Astronomical
//           Almanac (1992), section 3.281.
#pragma once

namespace tarvel {

// The refraction model: the Bennett formula or the numerical integration
// (stored as 0 and 1).
enum class RefractionModel : int { kBennett = 0, kIntegration = 1 };
inline constexpr RefractionModel kRefractionBennett = RefractionModel::kBennett;
inline constexpr RefractionModel kRefractionIntegration = RefractionModel::kIntegration;

// Refraction in arcminutes at the geometric (true) altitude altitudeDeg of the
// Sun's centre, by the selected model. pressure in mbar, temperature in deg C,
// latitude in degrees, refractionHeightM in metres, humidity in percent. A
// not-a-number input that the selected model uses gives not-a-number. At
// altitudes above -1 degree the result lies in [0, kMaxRefractionArcmin]
// (5 degrees), whatever the atmosphere.
inline constexpr double kMaxRefractionArcmin = 300.0;

double ComputeRefraction(double altitudeDeg, RefractionModel model, double latitude,
                         double refractionHeightM, double humidity, double pressure,
                         double temperature);

// Bennett-Saemundsson refraction in arcminutes for a geometric altitude in
// degrees, solved by fixed-point iteration (at most 10 refinements).
double BennettRefraction(double altitudeDeg, double pressure, double temperature);

// Integrated refraction in arcminutes: the integral below, wrapped in the same
// kind of fixed-point iteration from the Bennett value (at most 10 integrals),
// with wavelength 0.572 um, lapse rate 0.0065 K/m, precision 0.0001 rad and the
// temperature in kelvin as temperature + 273. 0 at or below -10 degrees. Where
// the integral cannot converge (a ray below the horizon in cold, dense air), the
// Bennett value for the altitude.
double IntegratedRefraction(double latitude, double refractionHeightM, double humidity,
                            double altitudeDeg, double pressure, double temperature);

// Refraction in radians for an observed zenith distance z (radians; beyond 93
// degrees integrated at 93 degrees, negative z gives the negated refraction),
// after Hohenkerk and Sinclair (1985). HM metres, TDK kelvin, PMB mbar, RH
// fraction 0-1, WL micrometres, PHI radians, TLR K/m, EPS radians. Inputs outside
// the model's limits are clamped to them; not-a-number is outside no limit and
// gives a not-a-number result, except a not-a-number EPS, which ends each layer
// at its first pass. The number of strips is capped so that every input returns.
double RefractionIntegral(double z, double HM, double TDK, double PMB, double RH, double WL,
                          double PHI, double TLR, double EPS);

}  // namespace tarvel
