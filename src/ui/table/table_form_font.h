// The font of the table window and its options dialog.
#pragma once

#include <QFont>

namespace tarvel {

// A font at 8 points in which every character the table texts use has the
// same horizontal advance, so that the padded columns of the table line up:
// the platform's fixed-pitch font when its advances are uniform (whatever its
// fixed-pitch flag says: "Noto Sans Mono" reports itself as proportional),
// otherwise the first uniform one of the monospaced families Debian ships
// ("DejaVu Sans Mono", "Noto Sans Mono", "Liberation Mono") and of the
// families the font matcher gives for the monospace and typewriter style
// hints. When none is uniform, the platform's fixed-pitch font.
QFont TableFormFont();

}  // namespace tarvel
