// The translation sources: every text of every module translated (no
// unfinished, vanished, obsolete or empty entries), the same texts in every
// module, the placeholders kept, and the compiled modules present.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Entry {
    QString context;
    QString source;
    QString comment;
    QString translation;
    QString type;
    bool hasTranslation = false;
};

struct TsFile {
    QString language;
    QString sourceLanguage;
    QVector<Entry> entries;
    QString error;
};

TsFile Parse(const QString& path) {
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
            ts.sourceLanguage = xml.attributes().value(QLatin1String("sourcelanguage")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry();
            entry.context = context;
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            entry.translation = xml.readElementText();
            entry.hasTranslation = true;
            ts.entries.push_back(entry);
        }
    }
    if (xml.hasError()) {
        ts.error = xml.errorString();
    }
    return ts;
}

QString Key(const Entry& e) {
    return e.context + QLatin1Char('|') + e.source + QLatin1Char('|') + e.comment;
}

QStringList Placeholders(const QString& text) {
    static const QRegularExpression kPlaceholder(QStringLiteral("%[0-9]"));
    QStringList found;
    for (auto match = kPlaceholder.globalMatch(text); match.hasNext();) {
        found.append(match.next().captured());
    }
    found.sort();
    return found;
}

const char* const kModules[] = {"ENU", "PTB"};

}  // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyEntryIsTranslated_data();
    void everyEntryIsTranslated();
    void modulesHoldTheSameTexts();
};

void TranslationsTest::everyEntryIsTranslated_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("language");
    QTest::newRow("ENU") << "ENU"
                         << "en_US";
    QTest::newRow("PTB") << "PTB"
                         << "pt_BR";
}

void TranslationsTest::everyEntryIsTranslated() {
    QFETCH(QString, code);
    QFETCH(QString, language);
    const QString path =
        QStringLiteral(TARVEL_SOURCE_DIR "/resources/translations/tarvel_") + code + ".ts";
    const TsFile ts = Parse(path);
    QVERIFY2(ts.error.isEmpty(), qPrintable(ts.error));
    QCOMPARE(ts.language, language);
    QCOMPARE(ts.sourceLanguage, QStringLiteral("it_IT"));
    QVERIFY(ts.entries.size() > 200);
    int zones = 0;
    for (const Entry& e : ts.entries) {
        const QString where = code + QLatin1Char(' ') + Key(e);
        QVERIFY2(e.type != QLatin1String("unfinished"), qPrintable("unfinished: " + where));
        QVERIFY2(e.type != QLatin1String("vanished") && e.type != QLatin1String("obsolete"),
                 qPrintable("no longer in the sources: " + where));
        QVERIFY2(!e.translation.isEmpty(), qPrintable("empty: " + where));
        QVERIFY2(Placeholders(e.source) == Placeholders(e.translation),
                 qPrintable("placeholders differ: " + where));
        zones += e.context == QLatin1String("TimeZones") ? 1 : 0;
    }
    QCOMPARE(zones, 40);
    const QString module =
        QStringLiteral(TARVEL_BUILD_DATA_DIR "/tarvel_") + code + QStringLiteral(".qm");
    QVERIFY2(QFileInfo(module).size() > 0, qPrintable(module));
}

void TranslationsTest::modulesHoldTheSameTexts() {
    QStringList keys[2];
    for (int i = 0; i < 2; ++i) {
        const TsFile ts =
            Parse(QStringLiteral(TARVEL_SOURCE_DIR "/resources/translations/tarvel_") +
                  kModules[i] + ".ts");
        for (const Entry& e : ts.entries) {
            keys[i].append(Key(e));
        }
        keys[i].sort();
    }
    QCOMPARE(keys[0], keys[1]);
}

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"
