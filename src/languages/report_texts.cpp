#include "languages/report_texts.h"

#include <QCoreApplication>
#include <QString>

namespace tarvel {

namespace {

// The report's own words, which no window shows as such.
[[maybe_unused]] constexpr const char* kReportWords[] = {
    QT_TRANSLATE_NOOP("CliReport", "durata della notte"),
    QT_TRANSLATE_NOOP("CliReport", "ultimo terzo della notte"),
    QT_TRANSLATE_NOOP("CliReport", "metodo"),
    QT_TRANSLATE_NOOP("CliReport", "regola alte latitudini"),
    QT_TRANSLATE_NOOP("CliReport", "giorno"),
    QT_TRANSLATE_NOOP("CliReport", "giorni"),
    QT_TRANSLATE_NOOP("CliReport", "ora blu del mattino"),
    QT_TRANSLATE_NOOP("CliReport", "ora dorata del mattino"),
    QT_TRANSLATE_NOOP("CliReport", "ora dorata della sera"),
    QT_TRANSLATE_NOOP("CliReport", "ora blu della sera"),
    QT_TRANSLATE_NOOP("CliReport", "variazione durata giorno"),
    QT_TRANSLATE_NOOP("CliReport", "CALENDARIO ISLAMICO"),
    QT_TRANSLATE_NOOP("CliReport", "data dell'Egira"),
    QT_TRANSLATE_NOOP("CliReport", "dal Maghrib"),
    QT_TRANSLATE_NOOP("CliReport", "limite stagionale"),
    QT_TRANSLATE_NOOP("CliReport", "intervallo dopo il tramonto"),
    QT_TRANSLATE_NOOP("CliReport", "latitudine più vicina"),
    QT_TRANSLATE_NOOP("CliReport", "giorno più vicino"),
};

// The text through the first context whose module translates it.
std::string Through(std::initializer_list<const char*> contexts, std::string_view italian) {
    const std::string source(italian);
    for (const char* context : contexts) {
        const QString translated = QCoreApplication::translate(context, source.c_str());
        if (translated != QString::fromStdString(source)) return translated.toStdString();
    }
    return source;
}

}  // namespace

std::string TranslatedReportText(std::string_view italian) {
    return Through({"CTarvelDlg", "CTableOptions", "CliReport"}, italian);
}

ResultTextOptions TranslatedReportOptions() {
    ResultTextOptions options;
    options.day = Through({"CliReport"}, options.day);
    options.days = Through({"CliReport"}, options.days);
    for (std::string& rule : options.rules) rule = Through({"COptionsDialog"}, rule);
    options.customMethod = Through({"COptionsDialog"}, options.customMethod);
    return options;
}

}  // namespace tarvel
