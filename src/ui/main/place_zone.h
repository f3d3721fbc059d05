// The main window's place and time-zone controls: a place field that offers
// the cities found for the text typed, a list of the tz database's zone names,
// and the texts that say which zone and offsets are in force.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <vector>

#include "places/place_search.h"
#include "table/zone_rules.h"

class QCompleter;
class QStringListModel;

namespace tarvel {

// A line edit with completion: typing "Rom" offers "Rome, Lazio, Italy" and
// the other cities whose name begins so, most populous first (accents and
// letter case ignored). Choosing one emits placeChosen.
class PlaceField : public QLineEdit {
    Q_OBJECT

  public:
    explicit PlaceField(QWidget* parent = nullptr);

    // The places offered for text (at most ten), as the completion shows them.
    QStringList Offered(const QString& text);

  signals:
    void placeChosen(const tarvel::Place& place);

  private:
    void Choose(const QString& label);

    QStringListModel* model_;
    QCompleter* completer_;
    std::vector<Place> offered_;
};

// An editable list of every zone name of the system's tz database, completed
// as typed (any part of the name: "rome" offers "Europe/Rome"); the first item
// is empty (no zone chosen by name).
QComboBox* MakeZoneNameList(QWidget* parent);

// "Europe/Rome — UTC+1, estate UTC+2" for the year, in the interface language.
QString ZoneSummaryText(const ZoneRules& rules, int year);

// What the window says beside the time when the clock reading does not occur
// once: empty when it does.
QString ClockReadingNote(const ResolvedReading& reading);

}  // namespace tarvel
