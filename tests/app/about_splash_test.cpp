// The about box and the splash window: the texts with and without a version
// record, their translations, the menu command, and the positions of the
// splash lines for two picture sizes.
#include <QAction>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "app/about_dlg.h"
#include "languages/languages.h"
#include "app/splash.h"
#include "app/tarvel_app.h"
#include "app/version.h"
#include "app/version_info.h"
#include "ui/test_support.h"

using namespace tarvel;
using namespace tarvel::test;

class AboutSplashTest : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void aboutTextsWithAVersionRecord();
    void aboutTextsWithoutAVersionRecord();
    void longRecordTextsAreCut();
    void thisBuildsRecord();
    void aboutBoxShowsTheTexts();
    void aboutTextsFollowTheLanguage();
    void aboutBoxFromTheMenu();
    void splashLinePositions_data();
    void splashLinePositions();
    void splashWindowIsCentredAndPainted();
    void splashPictureFollowsTheLanguage();
};

void AboutSplashTest::aboutTextsWithAVersionRecord() {
    const VersionInfo version = MakeVersionInfo(true, 2, 9, QStringLiteral("Dovel Marsk"),
                                                QStringLiteral("Copyright (C) 2026"));
    QCOMPARE(AboutNameLine(QStringLiteral("Tarvel"), version),
             QStringLiteral("\"Tarvel\" versione 2.9"));
    QCOMPARE(AboutLegalLine(version), QStringLiteral("Copyright (C) 2026 - Dovel Marsk"));
    // A legal text that names the company already is not followed by it again.
    const struct {
        const char* legal;
        const char* company;
        const char* line;
    } lines[] = {
        {"Copyright (C) 2026 Dovel Marsk", "Dovel Marsk", "Copyright (C) 2026 Dovel Marsk"},
        {"Copyright (C) 2026 Dovel", "Dovel Marsk", "Copyright (C) 2026 Dovel - Dovel Marsk"},
        {"Copyright (C) 2026", "", "Copyright (C) 2026 - "},
    };
    for (const auto& l : lines) {
        QCOMPARE(AboutLegalLine(MakeVersionInfo(true, 2, 9, QString::fromUtf8(l.company),
                                                QString::fromUtf8(l.legal))),
                 QString::fromUtf8(l.line));
    }
    const QString disclaimer = AboutDisclaimer();
    QVERIFY(disclaimer.startsWith(QStringLiteral("Pur essendo stato per quanto possibile")));
    QVERIFY(disclaimer.endsWith(QStringLiteral("inesattezze riscontrati.\r\n")));
}

void AboutSplashTest::aboutTextsWithoutAVersionRecord() {
    const VersionInfo version =
        MakeVersionInfo(false, 7, 7, QStringLiteral("ignored"), QStringLiteral("ignored"));
    QCOMPARE(version.major, 0);
    QCOMPARE(version.minor, 0);
    QCOMPARE(version.legalText, QString());
    QCOMPARE(AboutNameLine(QStringLiteral("Tarvel"), version),
             QStringLiteral("\"Tarvel\" versione 0.0"));
    QCOMPARE(AboutLegalLine(version),
             QStringLiteral(" - Dovel Marsk ") + QString::fromUtf8(build::kMakerWebAddress));
    QCOMPARE(SplashLines(300, version.major, version.minor)[3].text, QStringLiteral("v. 0.0"));
}

void AboutSplashTest::longRecordTextsAreCut() {
    const QString longText(150, QLatin1Char('x'));
    const VersionInfo version = MakeVersionInfo(true, 1, 0, longText, longText);
    QCOMPARE(version.companyText.size(), 99);
    QCOMPARE(version.legalText.size(), 99);
    QCOMPARE(MakeVersionInfo(true, 1, 0, longText.left(99), QString()).companyText.size(), 99);
}

void AboutSplashTest::thisBuildsRecord() {
    const VersionInfo version = ReadVersionInfo();
    QCOMPARE(version.major, build::kVersionMajor);
    QCOMPARE(version.minor, build::kVersionMinor);
    QCOMPARE(version.companyText, QStringLiteral("Dovel Marsk"));
    QVERIFY(version.legalText.contains(QStringLiteral("Dovel Marsk")));
    // The box names the maker once.
    QCOMPARE(AboutLegalLine(version), version.legalText);
    QCOMPARE(AboutLegalLine(version).count(QStringLiteral("Dovel Marsk")), 1);
}

void AboutSplashTest::aboutBoxShowsTheTexts() {
    const VersionInfo version =
        MakeVersionInfo(true, 2, 9, QStringLiteral("Company"), QStringLiteral("Legal"));
    CAboutDlg box(version);
    QCOMPARE(box.windowTitle(), QStringLiteral("Informazioni su Tarvel"));
    // The program's name as it is written, whatever the executable is called.
    QVERIFY(QCoreApplication::applicationName() != QStringLiteral("Tarvel"));
    QCOMPARE(box.NameLine()->text(), QStringLiteral("\"Tarvel\" versione 2.9"));
    QCOMPARE(box.LegalLine()->text(), QStringLiteral("Legal - Company"));
    QCOMPARE(box.Disclaimer()->toPlainText(),
             AboutDisclaimer().replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(box.Disclaimer()->isReadOnly());
    QVERIFY(box.OkButton()->isDefault());
    // The data's credits, whole, below the disclaimer and inside the box.
    QCOMPARE(box.Credits()->text(), AboutCredits());
    QVERIFY(box.Credits()->text().contains(QStringLiteral("GeoNames (https://www.geonames.org/)")));
    QVERIFY(box.Credits()->text().contains(QStringLiteral("CC BY 4.0")));
    QVERIFY(box.Credits()->text().contains(QStringLiteral("tz database")));
    box.show();
    QVERIFY(box.Credits()->geometry().top() >= box.Disclaimer()->geometry().bottom());
    QVERIFY(box.Credits()->parentWidget()->rect().contains(box.Credits()->geometry()));
    QVERIFY(box.Credits()->height() >= box.Credits()->heightForWidth(box.Credits()->width()));
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
}

void AboutSplashTest::aboutTextsFollowTheLanguage() {
    const VersionInfo version = MakeVersionInfo(true, 2, 9, QString(), QString());
    LanguageModules modules({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    QVERIFY(modules.Load({QStringLiteral("en_US")}));
    QCOMPARE(AboutNameLine(QStringLiteral("Tarvel"), version),
             QStringLiteral("\"Tarvel\" version 2.9"));
    QVERIFY(AboutDisclaimer().startsWith(QStringLiteral("Although this program")));
    QVERIFY(AboutCredits().startsWith(QStringLiteral("Place data: GeoNames (https://www.geonames.org/)")));
    QCOMPARE(SplashLines(300, 2, 9)[0].text, QStringLiteral("calculation of"));
    QVERIFY(modules.Load({QStringLiteral("pt_BR")}));
    QCOMPARE(AboutNameLine(QStringLiteral("Tarvel"), version),
             QStringLiteral("\"Tarvel\" versão 2.9"));
    QCOMPARE(CAboutDlg(version).windowTitle(), QStringLiteral("Sobre o Tarvel"));
    QVERIFY(AboutCredits().startsWith(QStringLiteral("Dados dos locais: GeoNames")));
    modules.Free();
    QCOMPARE(SplashLines(300, 2, 9)[0].text, QStringLiteral("calcolo di"));
}

void AboutSplashTest::aboutBoxFromTheMenu() {
    QTemporaryDir dir;
    RecordingSink sink;
    CTarvelApp app(SettingsStore(dir.filePath(QStringLiteral("a.ini"))),
                   RomeAt(QDate(2024, 7, 15), QTime(12, 0, 0)), &sink);
    app.SetDataFolders({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    app.SetSplashMilliseconds(0);
    QString nameLine;
    app.SetWindowObserver([&](CTarvelDlg& window) {
        QTimer::singleShot(0, &window, [&, w = &window] {
            QVERIFY(w->MenuAction(main_menu::kAbout)->isEnabled());
            WhenModal<CAboutDlg>([&](CAboutDlg* box) {
                nameLine = box->NameLine()->text();
                box->OkButton()->click();
            });
            w->MenuAction(main_menu::kAbout)->trigger();
            w->MenuAction(main_menu::kExit)->trigger();
        });
    });
    app.Run();
    QVERIFY2(nameLine.endsWith(
                 QStringLiteral(" %1.%2").arg(build::kVersionMajor).arg(build::kVersionMinor)),
             qPrintable(nameLine));
}

void AboutSplashTest::splashLinePositions_data() {
    QTest::addColumn<int>("height");
    QTest::addColumn<QVector<int>>("tops");
    QTest::addColumn<QVector<int>>("fonts");
    // trunc(0.35 h), trunc(0.45 h), trunc(0.60 h), trunc(0.68 h); h/15, h/10,
    // h/20, h/30.
    QTest::newRow("300") << 300 << QVector<int>{105, 135, 180, 204} << QVector<int>{20, 30, 15, 10};
    QTest::newRow("151") << 151 << QVector<int>{52, 67, 90, 102} << QVector<int>{10, 15, 7, 5};
}

void AboutSplashTest::splashLinePositions() {
    QFETCH(int, height);
    QFETCH(QVector<int>, tops);
    QFETCH(QVector<int>, fonts);
    const auto lines = SplashLines(height, 1, 2);
    const QStringList texts = {QStringLiteral("calcolo di"), QStringLiteral("Tarvel"),
                               QStringLiteral("Dovel Marsk"), QStringLiteral("v. 1.2")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(lines[i].top, tops[i]);
        QCOMPARE(lines[i].fontPixelHeight, fonts[i]);
        QCOMPARE(lines[i].text, texts[i]);
    }
}

void AboutSplashTest::splashWindowIsCentredAndPainted() {
    QPixmap picture(400, 151);
    picture.fill(Qt::white);
    CWSplash splash(picture, 3, 4);
    QCOMPARE(splash.size(), QSize(400, 151));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(splash.pos(), QPoint((screen.width() - 400) / 2, (screen.height() - 151) / 2));
    splash.ShowFor(0);
    const QImage painted = splash.Rendered().toImage();
    // Dark pixels only inside the cells of the lines (the border aside).
    auto darkRows = [&painted](int from, int to) {
        int dark = 0;
        for (int y = from; y < to; ++y) {
            for (int x = 2; x < painted.width() - 2; ++x) {
                dark += qGray(painted.pixel(x, y)) < 96 ? 1 : 0;
            }
        }
        return dark;
    };
    QVERIFY(darkRows(67, 67 + 15) > 0);  // "Tarvel"
    QVERIFY(darkRows(90, 90 + 7) > 0);   // "Dovel Marsk"
    QCOMPARE(darkRows(2, 50), 0);        // above the first line
    QCOMPARE(darkRows(115, 149), 0);     // below the last line
}

void AboutSplashTest::splashPictureFollowsTheLanguage() {
    QCOMPARE(SplashPicture().size(), QSize(480, 300));
    LanguageModules modules({QStringLiteral(TARVEL_BUILD_DATA_DIR)});
    for (const char* locale : {"en_US", "pt_BR"}) {
        QVERIFY(modules.Load({QString::fromLatin1(locale)}));
        QVERIFY(!SplashPicture().isNull());
    }
    QCOMPARE(QCoreApplication::translate("CWSplash", ":/tarvel/splash_ITA.png"),
             QStringLiteral(":/tarvel/splash_PTB.png"));
}

QTEST_MAIN(AboutSplashTest)
#include "about_splash_test.moc"
