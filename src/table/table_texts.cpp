#include "table/table_texts.h"

#include <utility>

namespace tarvel {

namespace {

struct NumberedText {
    int id;
    const char* text;
};

// The Italian string table, as far as the table uses it.
constexpr NumberedText kItalianTexts[] = {
    {102, "sud"},
    {103, "GMST"},
    {104, "LMST"},
    {105, "JD"},
    {106, "azimut"},
    {107, "altezza"},
    {108, "rifrazione"},
    {109, "altezza"},
    {110, "deltaT"},
    {111, "EdT"},
    {112, "differenza"},
    {113, "tempo medio"},
    {114, "ora vera"},
    {115, "ora vera"},
    {116, "latitudine"},
    {117, "longitudine"},
    {118, "ascensione retta"},
    {119, "declinazione"},
    {120, "ascensione retta"},
    {121, "declinazione"},
    {122, "ora"},
    {123, "ora"},
    {124, "ora"},
    {125, "ora del"},
    {126, "ora del"},
    {127, "ora del"},
    {128, "ore al"},
    {129, "ore di"},
    {132, "nord"},
    {133, "est"},
    {134, "ovest"},
    {136, "Fajr"},
    {137, "Zuhr"},
    {138, "Asr1"},
    {139, "Asr2"},
    {140, "Maghrib"},
    {141, "Isha"},
    {142, "Qibla"},
    {143, "data"},
    {144, "ora"},
    {145, "fuso"},
    {146, "Ora Estiva"},
    {147, "Valori decimali dell'incremento sono accettabili solo per i secondi"},
    {152, "azimut del"},
    {153, "altezza del"},
    {154, "azimut del"},
    {155, "ora della"},
    {156, "latitudine"},
    {157, "longitudine"},
    {158, "altitudine"},
    {159, "si"},
    {160, "no"},
    {161, "da sud"},
    {162, "apparente"},
    {163, "di"},
    {164, "locale"},
    {165, "del fuso"},
    {166, "locale"},
    {167, "eclittica"},
    {168, "eclittica"},
    {169, "geocentrica"},
    {170, "geocentrica"},
    {171, "topocentrica"},
    {172, "topocentrica"},
    {173, "italica"},
    {174, "babilonese"},
    {175, "temporale"},
    {176, "sorgere"},
    {177, "sorgere"},
    {178, "transito"},
    {179, "transito"},
    {180, "tramonto"},
    {181, "tramonto"},
    {182, "tramonto"},
    {183, "luce"},
    {184, "Qibla"},
    {185, "(geometrico)"},
    {186, "(apparente)"},
    {187, "longitudine"},
    {188, "[hh:mm:ss]"},
    {189, "[h]"},
    {190, "[gg°mm'ss\"]"},
    {191, "[g]"},
    {192, "[mm'ss\"]"},
    {193, "alba"},
    {194, "crepuscolo"},
    {195, "civile"},
    {196, "nautica"},
    {197, "nautico"},
    {198, "astronomica"},
    {199, "astronomico"},
    {200, "fine"},
    {201, "ora dorata"},
    {202, "(mattino)"},
    {203, "inizio"},
    {204, "(sera)"},
    {205, "metà"},
    {206, "della notte"},
    {207, "ultimo terzo"},
    {208, "notte"},
    {209, "inizio"},
    {210, "Shuruq"},
    {211, "metodo delle preghiere"},
    {212, "personalizzato"},
    {213, "regola per le alte latitudini"},
    {214, "metà della notte"},
    {215, "un settimo della notte"},
    {216, "angolo/60 della notte"},
    {217, "raccomandata"},
};

// Every text's number within TableTexts' range (a number beyond it would be
// written past the end of its array).
constexpr bool NumbersInRange() {
    for (const NumberedText& t : kItalianTexts) {
        if (t.id < TableTexts::kFirstId || t.id > TableTexts::kLastId) return false;
    }
    return true;
}
static_assert(NumbersInRange(), "a table text's number is outside kFirstId ... kLastId");

const std::string kNoText;

}  // namespace

TableTexts::TableTexts() {
    for (const NumberedText& t : kItalianTexts) {
        strings_[static_cast<std::size_t>(t.id - kFirstId)] = t.text;
    }
}

const std::string& TableTexts::Get(int id) const {
    if (id < kFirstId || id > kLastId) {
        return kNoText;
    }
    return strings_[static_cast<std::size_t>(id - kFirstId)];
}

void TableTexts::Set(int id, std::string text) {
    if (id < kFirstId || id > kLastId) {
        return;
    }
    strings_[static_cast<std::size_t>(id - kFirstId)] = std::move(text);
}


}  // namespace tarvel
