// The main window's place and time-zone controls: a place field that offers
// the cities found for the text typed, a list of the tz database's zone names,
// and the texts that say which zone and offsets are in force.
#pragma once

#include <QComboBox>
#include <QFutureWatcher>
#include <QLineEdit>
#include <QString>
#include <optional>
#include <vector>

#include "places/place_search.h"
#include "civil/zone_rules.h"

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

    // The places offered for text (at most ten), as the completion shows them,
    // searched at once.
    QStringList Offered(const QString& text);

    // Whether the places for the text as typed are still being searched.
    bool Searching() const { return wanted_.has_value(); }

  signals:
    void placeChosen(const tarvel::Place& place);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    // Enter on a text without any place: the field says so in its tooltip
    // and shows again the text it had before the typing (the place whose
    // results the window still shows).
    void SayNoPlace(const QString& typed);

    void Choose(const QString& label);
    void Show(const std::vector<Place>& places);
    // Searches the text as it now stands away from the interface's thread
    // (a search takes tens of milliseconds, too long for every keystroke).
    void SearchTyped();

    QStringListModel* model_;
    QCompleter* completer_;
    std::vector<Place> offered_;
    QFutureWatcher<std::vector<Place>>* watcher_;
    QString searched_;                // the text of the running search
    std::optional<QString> wanted_;  // the typed text whose places are awaited
    QString placeText_;              // the text before the typing: the place shown
    bool typing_ = false;            // keys typed since the field last had a place
};

// An editable list of every zone name of the system's tz database, completed
// as typed (any part of the name: "rome" offers "Europe/Rome"); the first item
// is empty (no zone chosen by name).
QComboBox* MakeZoneNameList(QWidget* parent);

// "Europe/Rome — UTC+1, estate UTC+2" for the year, in the interface language.
QString ZoneSummaryText(const ZoneRules& rules, int year);

// What the window says where the zone's rules would be shown when the
// database lists the zone but its file is damaged or unreadable (the clock is
// then set by hand), in the interface language.
QString ZoneDataDamagedText(const QString& zoneName);

// What the window says beside the time when the clock reading does not occur
// once: empty when it does.
QString ClockReadingNote(const ResolvedReading& reading);

}  // namespace tarvel
