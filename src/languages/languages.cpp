#include "languages/languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

namespace tarvel {

namespace {

// A locale name as the environment writes it ("pt_PT.UTF-8@euro") reduced to
// its language and territory ("pt_PT"); empty for "C", "POSIX" or nothing.
QString CleanLocaleName(const QString& name) {
    QString clean = name.trimmed();
    const int cut = clean.indexOf(QRegularExpression(QStringLiteral("[.@]")));
    if (cut >= 0) {
        clean.truncate(cut);
    }
    if (clean.isEmpty() || clean == QLatin1String("C") || clean == QLatin1String("POSIX")) {
        return QString();
    }
    const QLocale locale(clean);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
        return QString();
    }
    return locale.name();
}

}  // namespace

LocaleEnvironment ProcessLocaleEnvironment() {
    LocaleEnvironment environment;
    environment.language = qEnvironmentVariable("LANGUAGE");
    environment.lcAll = qEnvironmentVariable("LC_ALL");
    environment.lcMessages = qEnvironmentVariable("LC_MESSAGES");
    environment.lang = qEnvironmentVariable("LANG");
    environment.systemDefault = QLocale::system().name();
    return environment;
}

void AddLanguageCandidate(QStringList& candidates, const QString& localeName) {
    const QString name = CleanLocaleName(localeName);
    if (name.isEmpty() || candidates.contains(name) ||
        candidates.size() >= kMaxLanguageCandidates) {
        return;
    }
    candidates.append(name);
    if (candidates.size() >= kMaxLanguageCandidates) {
        return;
    }
    // The default locale of the language alone.
    candidates.append(QLocale(QLocale(name).language()).name());
}

QStringList LanguageCandidatesFor(const LocaleEnvironment& environment) {
    QStringList candidates;
    for (const QString& entry : environment.language.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        AddLanguageCandidate(candidates, entry);
    }
    AddLanguageCandidate(candidates, environment.lcAll);
    AddLanguageCandidate(candidates, environment.lcMessages);
    AddLanguageCandidate(candidates, environment.lang);
    AddLanguageCandidate(candidates, environment.systemDefault);
    if (candidates.size() >= kMaxLanguageCandidates) {
        candidates.last() = QString::fromLatin1(kSystemDefaultCandidate);
    } else {
        candidates.append(QString::fromLatin1(kSystemDefaultCandidate));
    }
    return candidates;
}

QString LanguageCode(const QString& candidate) {
    if (candidate == QLatin1String(kSystemDefaultCandidate)) {
        return candidate;
    }
    const QString name = CleanLocaleName(candidate);
    if (name.isEmpty()) {
        return QString();
    }
    // The codes of the languages and territories this program names; any other
    // locale is named by its language's ISO 639-2 code.
    static const QHash<QString, QString> kKnown = {
        {QStringLiteral("it_IT"), QStringLiteral("ITA")},
        {QStringLiteral("it_CH"), QStringLiteral("ITS")},
        {QStringLiteral("en_US"), QStringLiteral("ENU")},
        {QStringLiteral("en_GB"), QStringLiteral("ENG")},
        {QStringLiteral("en_AU"), QStringLiteral("ENA")},
        {QStringLiteral("en_CA"), QStringLiteral("ENC")},
        {QStringLiteral("en_IE"), QStringLiteral("ENI")},
        {QStringLiteral("en_NZ"), QStringLiteral("ENZ")},
        {QStringLiteral("pt_BR"), QStringLiteral("PTB")},
        {QStringLiteral("pt_PT"), QStringLiteral("PTG")},
        {QStringLiteral("de_DE"), QStringLiteral("DEU")},
        {QStringLiteral("fr_FR"), QStringLiteral("FRA")},
        {QStringLiteral("es_ES"), QStringLiteral("ESN")},
    };
    const auto known = kKnown.constFind(name);
    if (known != kKnown.constEnd()) {
        return known.value();
    }
    return QLocale::languageToCode(QLocale(name).language(), QLocale::ISO639Part2).toUpper();
}

QString LocaleForLanguageId(int languageId) {
    switch (languageId) {
        case 1040:
            return QStringLiteral("it_IT");
        case 1033:
            return QStringLiteral("en_US");
        case 1046:
            return QStringLiteral("pt_BR");
        default:
            return QString();
    }
}

QStringList DefaultDataFolders() {
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {executableFolder,
            QDir::cleanPath(executableFolder + QStringLiteral("/../share/tarvel"))};
}

QString HelpBookForCode(const QString& code) {
    if (code == QLatin1String("ITA") || code == QLatin1String("ENU") ||
        code == QLatin1String("PTB")) {
        return QStringLiteral("help/") + code;
    }
    return QString();
}

LanguageModules::LanguageModules(QStringList folders) : folders_(std::move(folders)) {}

LanguageModules::~LanguageModules() {
    Free();
}

namespace {
QString& CodeInUse() {
    static QString code = QStringLiteral("ITA");
    return code;
}
}  // namespace

QString InterfaceLanguageCode() {
    return CodeInUse();
}

void LanguageModules::Free() {
    for (const auto& translator : translators_) {
        QCoreApplication::removeTranslator(translator.get());
    }
    translators_.clear();
    loadedCode_ = QStringLiteral("ITA");
    CodeInUse() = loadedCode_;
}

bool LanguageModules::Load(const QStringList& candidates, const QString& preferred) {
    QStringList order;
    if (!preferred.isEmpty()) {
        order.append(preferred);
    }
    order.append(candidates);
    for (const QString& candidate : order) {
        const QString code = LanguageCode(candidate);
        if (code.isEmpty()) {
            break;
        }
        languageCode_ = code;
        if (LoadCode(code, candidate)) {
            return true;
        }
    }
    // No module for any of them: the built-in Italian, with Qt's own texts in
    // Italian too.
    languageCode_ = QStringLiteral("ITA");
    LoadCode(languageCode_, QStringLiteral("it_IT"));
    return false;
}

bool LanguageModules::LoadCode(const QString& code, const QString& localeName) {
    std::vector<std::unique_ptr<QTranslator>> loaded;
    if (code != QLatin1String("ITA")) {
        auto module = std::make_unique<QTranslator>();
        bool found = false;
        for (const QString& folder : folders_) {
            if (module->load(QStringLiteral("tarvel_") + code, folder)) {
                found = true;
                break;
            }
        }
        if (!found) {
            return false;
        }
        loaded.push_back(std::move(module));
    }
    // Qt's own texts (standard dialogs and buttons) in the same language, the
    // interface's rather than the computer's.
    const QLocale locale = code == QLatin1String("LOC") ? QLocale::system() : QLocale(localeName);
    auto qtTexts = std::make_unique<QTranslator>();
    if (qtTexts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        loaded.push_back(std::move(qtTexts));
    }
    Free();
    for (auto& translator : loaded) {
        QCoreApplication::installTranslator(translator.get());
        translators_.push_back(std::move(translator));
    }
    loadedCode_ = code;
    CodeInUse() = loadedCode_;
    return true;
}

}  // namespace tarvel
