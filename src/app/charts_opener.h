// The charts window opened from the main window: "&Calcola" > "&Grafici..."
// and the inputs of each computation handed on to it.
#pragma once

#include "ui/charts/charts_window.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel {

// Opens the charts window of a main window (one per main window, brought
// forward when it is already open) for its last inputs, and has it follow
// the inputs of each computation.
ChartsWindow* ShowChartsWindow(CTarvelDlg* window);

}  // namespace tarvel
