// The font of the table window and its options dialog.
#pragma once

#include <QFont>

namespace tarvel {

// The platform's fixed-pitch font at 8 points, so that the padded columns of
// the table text line up.
QFont TableFormFont();

}  // namespace tarvel
