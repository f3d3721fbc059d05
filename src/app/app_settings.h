// The settings that survive from one run to the next: the observer's site, the
// refraction settings and the Sun altitudes of the Fajr and Isha prayers.
//
// The record is the engine's ObserverSettings, owned by the application
// object; the main window works on a copy and the preferences dialog on the
// main window's copy. settings_store keeps it between runs.
#pragma once

#include "astro/observer.h"

namespace tarvel {

using AppSettings = ObserverSettings;

}  // namespace tarvel
