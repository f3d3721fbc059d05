#include "app/about_dlg.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/form/dialog_units.h"
#include "ui/form/form_geometry.h"
#include "ui/form/group_frame.h"
#include "ui/form/screen_fit.h"

namespace tarvel {

namespace {

QString Translated(const char* text) {
    return QCoreApplication::translate("CAboutDlg", text);
}

}  // namespace

QString AboutNameLine(const QString& applicationName, const VersionInfo& version) {
    // String 148.
    return Translated(QT_TRANSLATE_NOOP("CAboutDlg", "\"%1\" versione %2.%3"))
        .arg(applicationName)
        .arg(version.major)
        .arg(version.minor);
}

QString AboutLegalLine(const VersionInfo& version) {
    // A legal text that already names the company ("Copyright (C) 2026
    // Dovel Marsk") stands alone rather than repeat the name.
    if (!version.legalText.isEmpty() && !version.companyText.isEmpty() &&
        version.legalText.contains(version.companyText)) {
        return version.legalText;
    }
    return QStringLiteral("%1 - %2").arg(version.legalText, version.companyText);
}

QString AboutDisclaimer() {
    // String 149.
    return Translated(QT_TRANSLATE_NOOP(
               "CAboutDlg",
               "Pur essendo stato per quanto possibile verificato, non posso escludere che "
               "questo programma contenga ancora qualche errore. Declino peraltro ogni "
               "responsabilit\u00e0 per eventuali danni che possano derivarvi. Sar\u00f2 "
               "inoltre grato a chi vorr\u00e0 segnalarmi errori o inesattezze "
               "riscontrati.")) +
           QStringLiteral("\r\n");
}

QString AboutCredits() {
    return Translated(QT_TRANSLATE_NOOP(
        "CAboutDlg",
        "Dati dei luoghi: GeoNames (https://www.geonames.org/), licenza CC BY 4.0. Fusi "
        "orari: tz database (pubblico dominio)."));
}

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/tarvel/tarvel-128.png"));
}

CAboutDlg::CAboutDlg(const VersionInfo& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Translated(QT_TRANSLATE_NOOP("CAboutDlg", "Informazioni su Tarvel")));
    setFont(FormFont());
    const DialogUnits units(font());
    // Every control at its design rectangle (dialog units); FitForm places
    // them.
    auto* form = new QWidget(this);

    auto* icon = new QLabel(form);
    SetDesignRect(icon, QRect(14, 14, 20, 20));
    icon->setPixmap(ApplicationIcon().pixmap(units.Rect(14, 14, 20, 20).size()));

    // The program's name as it is written, not the executable's file name
    // (lower case on this platform).
    nameLine_ = new QLabel(AboutNameLine(QStringLiteral("Tarvel"), version), form);
    nameLine_->setObjectName(QStringLiteral("c1065"));
    SetDesignRect(nameLine_, QRect(42, 14, 114, 8));
    legalLine_ = new QLabel(AboutLegalLine(version), form);
    legalLine_->setObjectName(QStringLiteral("c1066"));
    SetDesignRect(legalLine_, QRect(42, 26, 192, 8));

    okButton_ = new QPushButton(Translated(QT_TRANSLATE_NOOP("CAboutDlg", "OK")), form);
    okButton_->setObjectName(QStringLiteral("c1"));
    SetDesignRect(okButton_, QRect(184, 7, 50, 14));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    disclaimer_ = new QPlainTextEdit(form);
    disclaimer_->setObjectName(QStringLiteral("c1064"));
    SetDesignRect(disclaimer_, QRect(18, 46, 216, 48));
    disclaimer_->setReadOnly(true);
    disclaimer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer_->setPlainText(AboutDisclaimer());

    // Below the designed box, which keeps its controls where they stand.
    credits_ = new QLabel(AboutCredits(), form);
    credits_->setObjectName(QStringLiteral("credits"));
    credits_->setWordWrap(true);
    SetDesignRect(credits_, QRect(18, 98, 216, 16));

    // Grown where a text of the interface language needs more room (the
    // disclaimer box as tall as its text, without a scroll bar).
    FormGeometry geometry(units);
    FitForm(form, geometry, MessageFont(), QSize(241, 121));
    form->setFixedSize(geometry.Size(241, 121));
    PutFormInScrollArea(this, form);
    FixWithinScreen(this, form->size());
}

}  // namespace tarvel
