#include "ui/table/table_form_font.h"

#include <QFontDatabase>

namespace tarvel {

QFont TableFormFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(8);
    return font;
}

}  // namespace tarvel
