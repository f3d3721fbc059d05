#include "languages/translated_texts.h"

#include <QCoreApplication>

namespace tarvel {

namespace {

struct NumberedText {
    int id;
    struct {
        const char* source;
        const char* comment;  // the string's number
    } text;
};

// The table's strings by number; the Italian texts equal those TableTexts holds
// (a test compares them), each translated with its number as disambiguation.
// clang-format off
const NumberedText kTableStrings[] = {
    {102, QT_TRANSLATE_NOOP3("TableTexts", "sud", "102")},
    {103, QT_TRANSLATE_NOOP3("TableTexts", "GMST", "103")},
    {104, QT_TRANSLATE_NOOP3("TableTexts", "LMST", "104")},
    {105, QT_TRANSLATE_NOOP3("TableTexts", "JD", "105")},
    {106, QT_TRANSLATE_NOOP3("TableTexts", "azimut", "106")},
    {107, QT_TRANSLATE_NOOP3("TableTexts", "altezza", "107")},
    {108, QT_TRANSLATE_NOOP3("TableTexts", "rifrazione", "108")},
    {109, QT_TRANSLATE_NOOP3("TableTexts", "altezza", "109")},
    {110, QT_TRANSLATE_NOOP3("TableTexts", "deltaT", "110")},
    {111, QT_TRANSLATE_NOOP3("TableTexts", "EdT", "111")},
    {112, QT_TRANSLATE_NOOP3("TableTexts", "differenza", "112")},
    {113, QT_TRANSLATE_NOOP3("TableTexts", "tempo medio", "113")},
    {114, QT_TRANSLATE_NOOP3("TableTexts", "ora vera", "114")},
    {115, QT_TRANSLATE_NOOP3("TableTexts", "ora vera", "115")},
    {116, QT_TRANSLATE_NOOP3("TableTexts", "latitudine", "116")},
    {117, QT_TRANSLATE_NOOP3("TableTexts", "longitudine", "117")},
    {118, QT_TRANSLATE_NOOP3("TableTexts", "ascensione retta", "118")},
    {119, QT_TRANSLATE_NOOP3("TableTexts", "declinazione", "119")},
    {120, QT_TRANSLATE_NOOP3("TableTexts", "ascensione retta", "120")},
    {121, QT_TRANSLATE_NOOP3("TableTexts", "declinazione", "121")},
    {122, QT_TRANSLATE_NOOP3("TableTexts", "ora", "122")},
    {123, QT_TRANSLATE_NOOP3("TableTexts", "ora", "123")},
    {124, QT_TRANSLATE_NOOP3("TableTexts", "ora", "124")},
    {125, QT_TRANSLATE_NOOP3("TableTexts", "ora del", "125")},
    {126, QT_TRANSLATE_NOOP3("TableTexts", "ora del", "126")},
    {127, QT_TRANSLATE_NOOP3("TableTexts", "ora del", "127")},
    {128, QT_TRANSLATE_NOOP3("TableTexts", "ore al", "128")},
    {129, QT_TRANSLATE_NOOP3("TableTexts", "ore di", "129")},
    {132, QT_TRANSLATE_NOOP3("TableTexts", "nord", "132")},
    {133, QT_TRANSLATE_NOOP3("TableTexts", "est", "133")},
    {134, QT_TRANSLATE_NOOP3("TableTexts", "ovest", "134")},
    {136, QT_TRANSLATE_NOOP3("TableTexts", "Fajr", "136")},
    {137, QT_TRANSLATE_NOOP3("TableTexts", "Zuhr", "137")},
    {138, QT_TRANSLATE_NOOP3("TableTexts", "Asr1", "138")},
    {139, QT_TRANSLATE_NOOP3("TableTexts", "Asr2", "139")},
    {140, QT_TRANSLATE_NOOP3("TableTexts", "Maghrib", "140")},
    {141, QT_TRANSLATE_NOOP3("TableTexts", "Isha", "141")},
    {142, QT_TRANSLATE_NOOP3("TableTexts", "Qibla", "142")},
    {143, QT_TRANSLATE_NOOP3("TableTexts", "data", "143")},
    {144, QT_TRANSLATE_NOOP3("TableTexts", "ora", "144")},
    {145, QT_TRANSLATE_NOOP3("TableTexts", "fuso", "145")},
    {146, QT_TRANSLATE_NOOP3("TableTexts", "Ora Estiva", "146")},
    {147, QT_TRANSLATE_NOOP3("TableTexts", "Valori decimali dell'incremento sono accettabili solo per i secondi", "147")},
    {152, QT_TRANSLATE_NOOP3("TableTexts", "azimut del", "152")},
    {153, QT_TRANSLATE_NOOP3("TableTexts", "altezza del", "153")},
    {154, QT_TRANSLATE_NOOP3("TableTexts", "azimut del", "154")},
    {155, QT_TRANSLATE_NOOP3("TableTexts", "ora della", "155")},
    {156, QT_TRANSLATE_NOOP3("TableTexts", "latitudine", "156")},
    {157, QT_TRANSLATE_NOOP3("TableTexts", "longitudine", "157")},
    {158, QT_TRANSLATE_NOOP3("TableTexts", "altitudine", "158")},
    {159, QT_TRANSLATE_NOOP3("TableTexts", "si", "159")},
    {160, QT_TRANSLATE_NOOP3("TableTexts", "no", "160")},
    {161, QT_TRANSLATE_NOOP3("TableTexts", "da sud", "161")},
    {162, QT_TRANSLATE_NOOP3("TableTexts", "apparente", "162")},
    {163, QT_TRANSLATE_NOOP3("TableTexts", "di", "163")},
    {164, QT_TRANSLATE_NOOP3("TableTexts", "locale", "164")},
    {165, QT_TRANSLATE_NOOP3("TableTexts", "del fuso", "165")},
    {166, QT_TRANSLATE_NOOP3("TableTexts", "locale", "166")},
    {167, QT_TRANSLATE_NOOP3("TableTexts", "eclittica", "167")},
    {168, QT_TRANSLATE_NOOP3("TableTexts", "eclittica", "168")},
    {169, QT_TRANSLATE_NOOP3("TableTexts", "geocentrica", "169")},
    {170, QT_TRANSLATE_NOOP3("TableTexts", "geocentrica", "170")},
    {171, QT_TRANSLATE_NOOP3("TableTexts", "topocentrica", "171")},
    {172, QT_TRANSLATE_NOOP3("TableTexts", "topocentrica", "172")},
    {173, QT_TRANSLATE_NOOP3("TableTexts", "italica", "173")},
    {174, QT_TRANSLATE_NOOP3("TableTexts", "babilonese", "174")},
    {175, QT_TRANSLATE_NOOP3("TableTexts", "temporale", "175")},
    {176, QT_TRANSLATE_NOOP3("TableTexts", "sorgere", "176")},
    {177, QT_TRANSLATE_NOOP3("TableTexts", "sorgere", "177")},
    {178, QT_TRANSLATE_NOOP3("TableTexts", "transito", "178")},
    {179, QT_TRANSLATE_NOOP3("TableTexts", "transito", "179")},
    {180, QT_TRANSLATE_NOOP3("TableTexts", "tramonto", "180")},
    {181, QT_TRANSLATE_NOOP3("TableTexts", "tramonto", "181")},
    {182, QT_TRANSLATE_NOOP3("TableTexts", "tramonto", "182")},
    {183, QT_TRANSLATE_NOOP3("TableTexts", "luce", "183")},
    {184, QT_TRANSLATE_NOOP3("TableTexts", "Qibla", "184")},
    {185, QT_TRANSLATE_NOOP3("TableTexts", "(geometrico)", "185")},
    {186, QT_TRANSLATE_NOOP3("TableTexts", "(apparente)", "186")},
    {187, QT_TRANSLATE_NOOP3("TableTexts", "longitudine", "187")},
    {188, QT_TRANSLATE_NOOP3("TableTexts", "[hh:mm:ss]", "188")},
    {189, QT_TRANSLATE_NOOP3("TableTexts", "[h]", "189")},
    {190, QT_TRANSLATE_NOOP3("TableTexts", "[gg°mm'ss\"]", "190")},
    {191, QT_TRANSLATE_NOOP3("TableTexts", "[g]", "191")},
    {192, QT_TRANSLATE_NOOP3("TableTexts", "[mm'ss\"]", "192")},
    {193, QT_TRANSLATE_NOOP3("TableTexts", "alba", "193")},
    {194, QT_TRANSLATE_NOOP3("TableTexts", "crepuscolo", "194")},
    {195, QT_TRANSLATE_NOOP3("TableTexts", "civile", "195")},
    {196, QT_TRANSLATE_NOOP3("TableTexts", "nautica", "196")},
    {197, QT_TRANSLATE_NOOP3("TableTexts", "nautico", "197")},
    {198, QT_TRANSLATE_NOOP3("TableTexts", "astronomica", "198")},
    {199, QT_TRANSLATE_NOOP3("TableTexts", "astronomico", "199")},
    {200, QT_TRANSLATE_NOOP3("TableTexts", "fine", "200")},
    {201, QT_TRANSLATE_NOOP3("TableTexts", "ora dorata", "201")},
    {202, QT_TRANSLATE_NOOP3("TableTexts", "(mattino)", "202")},
    {203, QT_TRANSLATE_NOOP3("TableTexts", "inizio", "203")},
    {204, QT_TRANSLATE_NOOP3("TableTexts", "(sera)", "204")},
    {205, QT_TRANSLATE_NOOP3("TableTexts", "metà", "205")},
    {206, QT_TRANSLATE_NOOP3("TableTexts", "della notte", "206")},
    {207, QT_TRANSLATE_NOOP3("TableTexts", "ultimo terzo", "207")},
    {208, QT_TRANSLATE_NOOP3("TableTexts", "notte", "208")},
    {209, QT_TRANSLATE_NOOP3("TableTexts", "inizio", "209")},
    {210, QT_TRANSLATE_NOOP3("TableTexts", "Shuruq", "210")},
    {211, QT_TRANSLATE_NOOP3("TableTexts", "metodo delle preghiere", "211")},
    {212, QT_TRANSLATE_NOOP3("TableTexts", "personalizzato", "212")},
    {213, QT_TRANSLATE_NOOP3("TableTexts", "regola per le alte latitudini", "213")},
    {214, QT_TRANSLATE_NOOP3("TableTexts", "metà della notte", "214")},
    {215, QT_TRANSLATE_NOOP3("TableTexts", "un settimo della notte", "215")},
    {216, QT_TRANSLATE_NOOP3("TableTexts", "angolo/60 della notte", "216")},
    {217, QT_TRANSLATE_NOOP3("TableTexts", "raccomandata", "217")},
};
// clang-format on

std::string Translate(const char* context, const char* text, const char* disambiguation = nullptr) {
    return QCoreApplication::translate(context, text, disambiguation).toStdString();
}

}  // namespace

TableTexts TranslatedTableTexts() {
    TableTexts texts;
    for (const NumberedText& t : kTableStrings) {
        texts.Set(t.id, Translate("TableTexts", t.text.source, t.text.comment));
    }
    texts.numberMessage = Translate("FormPass", "Immettere un numero.");
    texts.numberRangeMessage = Translate("FormPass", "Immettere un numero compreso tra %1 e %2.");
    texts.integerMessage =
        Translate("FormPass", QT_TRANSLATE_NOOP("FormPass", "Immettere un valore intero."));
    texts.integerRangeMessage = Translate(
        "FormPass",
        QT_TRANSLATE_NOOP("FormPass", "Immettere un valore intero compreso tra %1 e %2."));
    texts.startInstantMessage = Translate(
        "TableTexts",
        QT_TRANSLATE_NOOP("TableTexts", "Immettere una data e un'ora comprese tra %1 e %2."));
    texts.zoneMessage =
        Translate("TableTexts", QT_TRANSLATE_NOOP("TableTexts", "Fuso orario non previsto: %1."));
    texts.lastRowMessage = Translate(
        "TableTexts",
        QT_TRANSLATE_NOOP("TableTexts", "L'ultima riga della tabella cadrebbe dopo il %1: ridurre il passo o il numero di punti."));
    return texts;
}

QStringList TranslatedStepUnits() {
    static const char* const kUnits[] = {
        QT_TRANSLATE_NOOP("StepUnits", "anni"),   QT_TRANSLATE_NOOP("StepUnits", "mesi"),
        QT_TRANSLATE_NOOP("StepUnits", "giorni"), QT_TRANSLATE_NOOP("StepUnits", "ore"),
        QT_TRANSLATE_NOOP("StepUnits", "minuti"), QT_TRANSLATE_NOOP("StepUnits", "secondi"),
    };
    QStringList units;
    for (const char* unit : kUnits) {
        units.append(QCoreApplication::translate("StepUnits", unit));
    }
    return units;
}

std::vector<int> TranslatedTableStringIds() {
    std::vector<int> ids;
    for (const NumberedText& t : kTableStrings) {
        ids.push_back(t.id);
    }
    return ids;
}

}  // namespace tarvel
