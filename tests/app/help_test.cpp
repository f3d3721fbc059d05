// The help books: every topic present in every language and opening in the
// help browser, the message for a missing page, and the keys and the menu
// command that open the topics.
#include "app/help.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "app/options_dialog.h"
#include "app/tarvel_app.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

namespace {

const char* const kTopics[] = {help_topic::kMainPage, help_topic::kIntroduction,
                               help_topic::kPreferences, help_topic::kTable};
const char* const kBooks[] = {"help/ITA", "help/ENU", "help/PTB"};

// The help window owned by owner (the latest one), or nullptr.
CHelpWindow* HelpWindowOf(QWidget* owner) {
    const auto windows = owner->findChildren<CHelpWindow*>();
    return windows.isEmpty() ? nullptr : windows.last();
}

QString ShownFile(CHelpWindow* window) {
    return window == nullptr ? QString() : window->Browser()->source().toLocalFile();
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() {
        SetHelpFolders({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
        SetHelpMessageSink(&sink_);
        sink_.messages.clear();
    }
    void everyTopicOfEveryLanguageOpens();
    void booksAreFullPagesInTheirLanguage();
    void missingPageShowsTheMessage();
    void mainWindowKeysAndMenuOpenTheirTopics();
    void preferencesF1OpensItsTopic();
    void windowsAskThroughTheHandler();

  private:
    RecordingSink sink_;
};

void HelpTest::everyTopicOfEveryLanguageOpens() {
    QWidget owner;
    for (const char* book : kBooks) {
        SetHelpBook(QString::fromLatin1(book));
        for (const char* topic : kTopics) {
            const QString source = QStringLiteral(TARVEL_SOURCE_DIR "/resources/") + book +
                                   QLatin1Char('/') + QString::fromUtf8(topic);
            QVERIFY2(QFileInfo::exists(source), qPrintable(source));
            QWidget* shown = ShowHelpTopic(&owner, QString::fromUtf8(topic));
            QVERIFY2(shown != nullptr, qPrintable(QString::fromLatin1(book) + " " + topic));
            auto* window = qobject_cast<CHelpWindow*>(shown);
            QVERIFY(window->Browser()->toPlainText().size() > 200);
            QVERIFY(!window->windowTitle().isEmpty());
            QVERIFY(ShownFile(window).endsWith(QString::fromUtf8(topic)));
            window->close();
        }
    }
    QVERIFY(sink_.messages.isEmpty());
}

void HelpTest::booksAreFullPagesInTheirLanguage() {
    // A word of each language's introduction shows that the pages are the
    // language's own, and the table page explains the export.
    struct Case {
        const char* book;
        const char* introductionWord;
        const char* tableWord;
    };
    const Case cases[] = {{"help/ITA", "nutazione", "clipboard"},
                          {"help/ENU", "nutation", "clipboard"},
                          {"help/PTB", "nutação", "transferência"}};
    QWidget owner;
    for (const Case& c : cases) {
        SetHelpBook(QString::fromLatin1(c.book));
        auto* intro = qobject_cast<CHelpWindow*>(
            ShowHelpTopic(&owner, QString::fromLatin1(help_topic::kIntroduction)));
        QVERIFY(intro != nullptr);
        QVERIFY2(intro->Browser()->toPlainText().contains(QString::fromUtf8(c.introductionWord),
                                                          Qt::CaseInsensitive),
                 c.book);
        auto* table = qobject_cast<CHelpWindow*>(
            ShowHelpTopic(&owner, QString::fromLatin1(help_topic::kTable)));
        QVERIFY(table != nullptr);
        QVERIFY2(table->Browser()->toPlainText().contains(QString::fromUtf8(c.tableWord),
                                                          Qt::CaseInsensitive),
                 c.book);
    }
}

void HelpTest::missingPageShowsTheMessage() {
    QWidget owner;
    // No book (a language without help), then a folder without any book.
    SetHelpBook(QString());
    QCOMPARE(ShowHelpTopic(&owner, QString::fromLatin1(help_topic::kIntroduction)), nullptr);
    QTemporaryDir empty;
    SetHelpFolders({empty.path()});
    SetHelpBook(QStringLiteral("help/ENU"));
    QCOMPARE(ShowHelpTopic(&owner, QString::fromLatin1(help_topic::kTable)), nullptr);
    QCOMPARE(sink_.messages.size(), 2);
    QCOMPARE(sink_.messages[0].caption, QStringLiteral("Error"));
    QCOMPARE(sink_.messages[0].text,
             QStringLiteral("Cannot find help file:\n\n" TARVEL_BUILD_DATA_DIR
                            "/html/introduzione.htm"));
    QCOMPARE(sink_.messages[1].text, QStringLiteral("Cannot find help file:\n\n") + empty.path() +
                                         QStringLiteral("/help/ENU/html/tabella.htm"));
    QVERIFY(HelpWindowOf(&owner) == nullptr);
}

void HelpTest::mainWindowKeysAndMenuOpenTheirTopics() {
    QTemporaryDir dir;
    CTarvelApp app(SettingsStore(dir.filePath(QStringLiteral("h.ini"))),
                   RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink_);
    LocaleEnvironment english;
    english.lang = QStringLiteral("en_US.UTF-8");
    app.SetLocaleEnvironment(english);
    app.SetDataFolders({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    app.SetSplashMilliseconds(0);
    QString byKey;
    QString byMenu;
    app.SetWindowObserver([&](CTarvelDlg& window) {
        QTimer::singleShot(0, &window, [&, w = &window] {
            QApplication::setActiveWindow(w);
            (void)QTest::qWaitForWindowActive(w);
            QTest::keyClick(w, Qt::Key_F1);
            byKey = ShownFile(HelpWindowOf(w));
            if (CHelpWindow* help = HelpWindowOf(w)) {
                help->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            }
            w->MenuAction(main_menu::kHelp)->trigger();
            byMenu = ShownFile(HelpWindowOf(w));
            w->MenuAction(main_menu::kExit)->trigger();
        });
    });
    app.Run();
    QVERIFY2(byKey.endsWith(QStringLiteral("/help/ENU/html/pagina principale.htm")),
             qPrintable(byKey));
    QVERIFY2(byMenu.endsWith(QStringLiteral("/help/ENU/html/introduzione.htm")),
             qPrintable(byMenu));
    QVERIFY(sink_.messages.isEmpty());
}

void HelpTest::preferencesF1OpensItsTopic() {
    SetHelpBook(QStringLiteral("help/PTB"));
    COptionsDialog preferences(AppSettings(), &sink_);
    preferences.show();
    QApplication::setActiveWindow(&preferences);
    QVERIFY(QTest::qWaitForWindowActive(&preferences));
    QTest::keyClick(&preferences, Qt::Key_F1);
    QVERIFY(ShownFile(HelpWindowOf(&preferences))
                .endsWith(QStringLiteral("/help/PTB/html/preferenze.htm")));
    QVERIFY(sink_.messages.isEmpty());
}

void HelpTest::windowsAskThroughTheHandler() {
    // The table window asks for its topic through the handler the application
    // installs when it chooses the language.
    QTemporaryDir dir;
    CTarvelApp app(SettingsStore(dir.filePath(QStringLiteral("r.ini"))),
                   RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink_);
    LocaleEnvironment portuguese;
    portuguese.lang = QStringLiteral("pt_BR.UTF-8");
    app.SetLocaleEnvironment(portuguese);
    app.SetDataFolders({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    app.StartLanguage();
    QWidget owner;
    RequestHelpTopic(&owner, help_topic::kTable);
    QVERIFY(ShownFile(HelpWindowOf(&owner)).endsWith(QStringLiteral("/help/PTB/html/tabella.htm")));
    QVERIFY(sink_.messages.isEmpty());
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
