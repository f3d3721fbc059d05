// The main window's place and zone by name: choosing a place or a zone's
// name puts the clock on the zone's rules, the zone list and summer box then
// follow them; editing the site forgets the place's name, a zone or summer
// box chosen by hand leaves the rules.
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <QTimeEdit>
#include <algorithm>
#include <optional>

#include "civil/tz_zone_rules.h"
#include "civil/zone_list.h"
#include "languages/languages.h"
#include "places/place_search.h"
#include "ui/main/place_zone.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel {

void CTarvelDlg::OnPlaceChosen(const Place& place) {
    FoundZone zone = LookUpZone(place.timeZone);
    place_ = place;
    settings_.latitude = latitudeValue_ = place.latitude;
    settings_.longitude = longitudeValue_ = place.LongitudeWest();
    if (zone.rules) {
        clock_.rules = std::move(zone.rules);
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(
            std::max(0, zoneNameList_->findText(QString::fromStdString(place.timeZone))));
        FollowZoneRules();
    } else if (zone.damaged) {
        // The place's site, the clock set by hand.
        clock_.rules.reset();
        timePicker_->setToolTip(QString());
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(0);
        zoneInfo_->setText(ZoneDataDamagedText(QString::fromStdString(place.timeZone)));
    }
    ReversePass();
    ComputeSolarParameters();
}

void CTarvelDlg::OnZoneNameChosen(const QString& name) {
    const FoundZone zone = LookUpZone(name.toStdString());
    std::shared_ptr<const ZoneRules> rules = zone.rules;
    if (!rules) {
        LeaveZoneRules();
        zoneInfo_->setText(zone.damaged ? ZoneDataDamagedText(name) : QString());
    } else {
        clock_.rules = std::move(rules);
        FollowZoneRules();
    }
    ComputeSolarParameters();
}

QString CTarvelDlg::PlaceLabel() const {
    return place_ ? QString::fromStdString(place_->Label()) : QString();
}

QString CTarvelDlg::ShownPlaceLabel() const {
    return place_ ? QString::fromStdString(place_->LocalLabel()) : QString();
}

QString CTarvelDlg::ZoneName() const {
    return clock_.rules ? QString::fromStdString(clock_.rules->Name()) : QString();
}

CTarvelDlg::RestoredNames CTarvelDlg::RestorePlaceAndZone(const QString& placeLabel,
                                                          const QString& zoneName) {
    RestoredNames taken;
    std::optional<Place> place;
    if (!placeLabel.isEmpty()) {
        const std::vector<Place> found =
            FindPlaces(placeLabel.toStdString(), 1,
                       PlaceNamesForLanguage(InterfaceLanguageCode().toStdString()));
        // Stored by its English label (or, by hand, in the interface's
        // language).
        if (!found.empty() && (QString::fromStdString(found.front().Label()) == placeLabel ||
                               QString::fromStdString(found.front().LocalLabel()) == placeLabel)) {
            place = found.front();
        }
    }
    FoundZone zone = LookUpZone(zoneName.toStdString());
    QString ruling = zoneName;
    taken.zone = zone.rules != nullptr;
    if (!zone.rules && place) {
        // A stored zone not found: the place's own.
        FoundZone own = LookUpZone(place->timeZone);
        if (own.rules || own.damaged) {
            zone = std::move(own);
            ruling = QString::fromStdString(place->timeZone);
        }
    }
    if (!zone.rules && !place) {
        // A stored zone whose file is damaged: the clock by hand, said where
        // the zone's rules would be.
        if (zone.damaged) zoneInfo_->setText(ZoneDataDamagedText(zoneName));
        return taken;
    }
    if (place) {
        taken.place = true;
        place_ = place;
        const QSignalBlocker blockPlace(placeField_);
        placeField_->setText(QString::fromStdString(place_->LocalLabel()));
        // The site is the place's (editing it would have left the place).
        settings_.latitude = latitudeValue_ = place_->latitude;
        settings_.longitude = longitudeValue_ = place_->LongitudeWest();
        ReversePass();
    }
    if (!zone.rules) {
        // The place's zone damaged: its site, the clock by hand.
        if (zone.damaged) zoneInfo_->setText(ZoneDataDamagedText(ruling));
        ComputeSolarParameters();
        return taken;
    }
    clock_.rules = std::move(zone.rules);
    {
        const QSignalBlocker blockName(zoneNameList_);
        zoneNameList_->setCurrentIndex(std::max(0, zoneNameList_->findText(ruling)));
    }
    OnNowClicked();  // the present on the zone's clock
    return taken;
}

void CTarvelDlg::FollowZoneRules() {
    ReadPickers();
    clock_.reading = {year_, month_, day_, hour_, minute_, second_};
    clock_.FollowRules();
    {
        // Blank when the offset is none of the list's (old local mean times).
        const auto found =
            std::find(kZoneListOffsets.begin(), kZoneListOffsets.end(), clock_.zoneHours);
        const QSignalBlocker blockZone(zoneList_);
        zoneList_->setCurrentIndex(found == kZoneListOffsets.end()
                                       ? -1
                                       : static_cast<int>(found - kZoneListOffsets.begin()));
    }
    summerBox_->setChecked(clock_.summerTime);
    QString text = ZoneSummaryText(*clock_.rules, year_);
    const QString note = ClockReadingNote(clock_.resolved);
    if (!note.isEmpty()) text += QStringLiteral("\n") + note;
    zoneInfo_->setText(text);
    timePicker_->setToolTip(note);  // also on the time itself
}

void CTarvelDlg::LeavePlace() {
    if (!place_) return;
    place_.reset();
    const QSignalBlocker blockPlace(placeField_);
    placeField_->clear();
}

void CTarvelDlg::LeaveZoneRules() {
    if (!clock_.rules && !place_) return;
    clock_.rules.reset();
    place_.reset();
    zoneInfo_->clear();
    timePicker_->setToolTip(QString());
    const QSignalBlocker blockPlace(placeField_);
    const QSignalBlocker blockName(zoneNameList_);
    placeField_->clear();
    zoneNameList_->setCurrentIndex(0);
    if (zoneList_->currentIndex() < 0) {
        SelectSystemZone(PresentMoment());  // a blank list after an old offset
    }
}

}  // namespace tarvel
