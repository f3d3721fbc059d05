#include "ui/main/place_zone.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringListModel>
#include <QToolTip>
#include <QtConcurrent/QtConcurrentRun>

#include "civil/tz_zone_rules.h"
#include "languages/languages.h"

namespace tarvel {

namespace {

// The places' names in the interface's language.
PlaceNames ShownNames() {
    return PlaceNamesForLanguage(InterfaceLanguageCode().toStdString());
}

QString Tr(const char* text) {
    return QCoreApplication::translate("PlaceZone", text);
}

QString ReadingText(const ClockInstant& r) {
    return QStringLiteral("%1:%2:%3")
        .arg(r.hour, 2, 10, QLatin1Char('0'))
        .arg(r.minute, 2, 10, QLatin1Char('0'))
        .arg(static_cast<int>(r.second), 2, 10, QLatin1Char('0'));
}

}  // namespace

PlaceField::PlaceField(QWidget* parent)
    : QLineEdit(parent),
      model_(new QStringListModel(this)),
      completer_(new QCompleter(this)),
      watcher_(new QFutureWatcher<std::vector<Place>>(this)) {
    completer_->setModel(model_);
    // The list is already the search's answer: show it as it stands.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    setCompleter(completer_);
    setClearButtonEnabled(true);
    setPlaceholderText(Tr(QT_TRANSLATE_NOOP("PlaceZone", "cerca una città")));
    connect(this, &QLineEdit::textEdited, this, [this](const QString& text) {
        setToolTip(QString());
        wanted_ = text;
        if (!watcher_->isRunning()) SearchTyped();
    });
    connect(watcher_, &QFutureWatcherBase::finished, this, [this] {
        if (!wanted_) return;  // answered meanwhile (Enter, a choice)
        if (*wanted_ != searched_) {
            SearchTyped();  // typed on meanwhile: search the text as it is now
            return;
        }
        wanted_.reset();
        Show(watcher_->result());
        if (!offered_.empty() && hasFocus()) completer_->complete();
    });
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            [this](const QString& label) { Choose(label); });
    connect(this, &QLineEdit::returnPressed, this, [this] {
        // Enter takes the first place offered for the text as it stands.
        if (Offered(text()).isEmpty()) {
            if (!text().trimmed().isEmpty()) SayNoPlace(text());
            return;
        }
        Choose(QString::fromStdString(offered_.front().LocalMatchLabel()));
    });
}

void PlaceField::keyPressEvent(QKeyEvent* event) {
    if (!typing_) placeText_ = text();
    typing_ = true;
    QLineEdit::keyPressEvent(event);
}

void PlaceField::focusOutEvent(QFocusEvent* event) {
    // The list of places takes the focus for a while: the typing goes on.
    if (event->reason() != Qt::PopupFocusReason) typing_ = false;
    QLineEdit::focusOutEvent(event);
}

void PlaceField::SayNoPlace(const QString& typed) {
    const std::string missing = MissingPlaceIndex();
    const QString said =
        missing.empty()
            ? QCoreApplication::translate("PlaceZone", "Nessun luogo trovato per \u00AB%1\u00BB.")
                  .arg(typed.trimmed())
            : QCoreApplication::translate(
                  "PlaceZone",
                  "L'indice dei luoghi %1 manca o \u00E8 danneggiato: nessun luogo si pu\u00F2 "
                  "trovare per nome. Reinstallare il programma, o immettere latitudine, "
                  "longitudine e fuso.")
                  .arg(QString::fromStdString(missing));
    completer_->popup()->hide();
    typing_ = false;
    setText(placeText_);
    selectAll();
    setToolTip(said);
    QToolTip::showText(mapToGlobal(QPoint(0, height())), said, this);
}

QStringList PlaceField::Offered(const QString& text) {
    wanted_.reset();
    Show(text.trimmed().isEmpty() ? std::vector<Place>()
                                  : FindPlaces(text.toStdString(), 10, ShownNames()));
    return model_->stringList();
}

void PlaceField::Show(const std::vector<Place>& places) {
    offered_ = places;
    QStringList labels;
    // Each with why it was found: "Roma → Rome, Lazio, Italy".
    for (const Place& place : offered_) labels << QString::fromStdString(place.LocalMatchLabel());
    model_->setStringList(labels);
    // Nothing to offer: no list left open over the field, which would take
    // the Enter that asks for the text as typed.
    if (offered_.empty()) completer_->popup()->hide();
}

void PlaceField::SearchTyped() {
    searched_ = *wanted_;
    if (searched_.trimmed().isEmpty()) {
        wanted_.reset();
        Show({});
        return;
    }
    watcher_->setFuture(QtConcurrent::run([query = searched_.toStdString(), names = ShownNames()] {
        return FindPlaces(query, 10, names);
    }));
}

void PlaceField::Choose(const QString& label) {
    for (const Place& place : offered_) {
        if (QString::fromStdString(place.LocalMatchLabel()) == label) {
            wanted_.reset();
            completer_->popup()->hide();  // the choice is made: nothing more to offer
            const QString chosen = QString::fromStdString(place.LocalLabel());
            setText(chosen);
            placeText_ = chosen;
            typing_ = false;
            setToolTip(QString());
            emit placeChosen(place);
            return;
        }
    }
}

QComboBox* MakeZoneNameList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->addItem(QString());
    for (const std::string& name : AllZoneNames()) list->addItem(QString::fromStdString(name));
    list->completer()->setFilterMode(Qt::MatchContains);
    list->completer()->setCompletionMode(QCompleter::PopupCompletion);
    list->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    list->lineEdit()->setPlaceholderText(
        Tr(QT_TRANSLATE_NOOP("PlaceZone", "fuso per nome (Area/Città)")));
    return list;
}

QString ZoneSummaryText(const ZoneRules& rules, int year) {
    const YearOffsets offsets = OffsetsOfYear(rules, year);
    QString text = QString::fromStdString(rules.Name()) + QStringLiteral(" — ") +
                   QString::fromStdString(UtcOffsetText(offsets.standardSeconds));
    if (offsets.hasSummerTime) {
        text += Tr(QT_TRANSLATE_NOOP("PlaceZone", ", estate %1"))
                    .arg(QString::fromStdString(UtcOffsetText(offsets.summerSeconds)));
    }
    return text;
}

QString ZoneDataDamagedText(const QString& zoneName) {
    return Tr(QT_TRANSLATE_NOOP("PlaceZone",
                                "Fuso %1: dati danneggiati o illeggibili su questo computer; fuso "
                                "da impostare a mano."))
        .arg(zoneName);
}

QString ClockReadingNote(const ResolvedReading& reading) {
    switch (reading.kind) {
        case ClockReadingKind::Skipped:
            return Tr(QT_TRANSLATE_NOOP("PlaceZone",
                                        "ora inesistente (cambio dell'ora): calcolata per le %1"))
                .arg(ReadingText(reading.reading));
        case ClockReadingKind::Repeated:
            return Tr(QT_TRANSLATE_NOOP(
                          "PlaceZone",
                          "ora ripetuta (cambio dell'ora): calcolata per la prima, %1"))
                .arg(QString::fromStdString(UtcOffsetText(reading.state.offsetSeconds)));
        default:
            return QString();
    }
}

}  // namespace tarvel
