// Interface languages: the candidate languages found in the user's locale
// environment, the translation modules chosen from them, and the codes that
// name the modules and the help books.
//
// Italian is built in: the texts in the code are the Italian ones. Every other
// language is a translation module "tarvel_<code>.qm" (with Qt's own
// "qtbase_<locale>.qm" for the standard dialogs) beside the executable or in the
// install's data folder. Codes are three letters: "ITA" Italian (Italy), "ENU"
// English (United States), "PTB" Portuguese (Brazil), "PTG" Portuguese
// (Portugal) and so on; "LOC" stands for the system's default locale.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace tarvel {

// The locale settings of the environment, as the C library reads them.
struct LocaleEnvironment {
    QString language;       // LANGUAGE: a colon-separated list of preferred languages
    QString lcAll;          // LC_ALL
    QString lcMessages;     // LC_MESSAGES
    QString lang;           // LANG
    QString systemDefault;  // the system's default locale (QLocale::system())
};

// The environment of this process.
LocaleEnvironment ProcessLocaleEnvironment();

// The special candidate that stands for the system's default locale.
inline constexpr const char* kSystemDefaultCandidate = "LOC";
inline constexpr int kMaxLanguageCandidates = 10;

// Adds a language (a locale name such as "pt_PT" or "en_US.UTF-8") to
// candidates: nothing when the name is already there, the list is full or the
// name names no language ("C", "POSIX", empty); otherwise its locale and then
// the default locale of its language ("pt_PT" then "pt_BR"), the second even
// when it is already in the list, while the list holds fewer than 10 entries.
void AddLanguageCandidate(QStringList& candidates, const QString& localeName);

// The candidates in the order LANGUAGE (each entry), LC_ALL, LC_MESSAGES, LANG,
// the system default, and "LOC" last (replacing the last entry of a full list).
QStringList LanguageCandidatesFor(const LocaleEnvironment& environment);

// The three-letter code of a candidate: "LOC" for "LOC", otherwise the code of
// its language and territory ("ITA", "ENU", "PTB" ...); empty when the locale
// names no language.
QString LanguageCode(const QString& candidate);

// The locale a language menu command asks for: 1040 Italian (Italy), 1033
// English (United States), 1046 Portuguese (Brazil); empty for other ids.
QString LocaleForLanguageId(int languageId);

// The folders searched for the translation modules and the help books: the
// executable's folder, then the install's data folder (../share/tarvel).
QStringList DefaultDataFolders();

// The translation modules in use, installed into the application.
class LanguageModules {
  public:
    explicit LanguageModules(QStringList folders = DefaultDataFolders());
    ~LanguageModules();

    // Tries preferred (when not empty) and then every candidate, in order,
    // stopping at one that names no language; for each, writes its code into
    // LanguageCodeTried() and loads its module: "ITA" is the built-in Italian
    // (always present), any other code needs "tarvel_<code>.qm" in one of the
    // folders. Qt's own translation "qtbase_<locale>.qm" of the same language
    // is installed with it. The first that loads replaces the modules in use
    // and true is returned. When none loads, the interface is the built-in
    // Italian: the code becomes "ITA", Qt's Italian texts replace the modules
    // in use, and false is returned.
    bool Load(const QStringList& candidates, const QString& preferred = QString());

    // Removes every module: the built-in Italian texts.
    void Free();

    // The code of the language tried last ("ITA", "ENU", "PTB", "LOC" ...).
    const QString& LanguageCodeTried() const { return languageCode_; }
    // The code of the loaded module ("ITA" when the built-in texts are used).
    const QString& LoadedCode() const { return loadedCode_; }
    const QStringList& Folders() const { return folders_; }
    void SetFolders(QStringList folders) { folders_ = std::move(folders); }

  private:
    bool LoadCode(const QString& code, const QString& localeName);

    QStringList folders_;
    QString languageCode_;
    QString loadedCode_ = QStringLiteral("ITA");
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

// The code of the interface's language in this process: that of the modules
// loaded last ("ITA" before any, or when the built-in texts are used).
// Interface thread only.
QString InterfaceLanguageCode();

// The help book of a language code ("ITA", "ENU", "PTB"), empty for any other.
QString HelpBookForCode(const QString& code);

}  // namespace tarvel
