#include "app/about_dlg.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/main/dialog_units.h"

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

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/tarvel/tarvel-128.png"));
}

CAboutDlg::CAboutDlg(const VersionInfo& version, QWidget* parent) : QDialog(parent) {
    setWindowTitle(Translated(QT_TRANSLATE_NOOP("CAboutDlg", "Informazioni su Tarvel")));
    setFont(FormFont());
    const DialogUnits units(font());
    setFixedSize(units.X(241), units.Y(109));

    auto* icon = new QLabel(this);
    const QRect iconRect = units.Rect(14, 14, 20, 20);
    icon->setGeometry(iconRect);
    icon->setPixmap(ApplicationIcon().pixmap(iconRect.size()));

    // The program's name as it is written, not the executable's file name
    // (lower case on this platform).
    nameLine_ = new QLabel(AboutNameLine(QStringLiteral("Tarvel"), version), this);
    nameLine_->setObjectName(QStringLiteral("c1065"));
    nameLine_->setGeometry(units.Rect(42, 14, 114, 8));
    legalLine_ = new QLabel(AboutLegalLine(version), this);
    legalLine_->setObjectName(QStringLiteral("c1066"));
    legalLine_->setGeometry(units.Rect(42, 26, 192, 8));

    okButton_ = new QPushButton(Translated(QT_TRANSLATE_NOOP("CAboutDlg", "OK")), this);
    okButton_->setObjectName(QStringLiteral("c1"));
    okButton_->setGeometry(units.Rect(184, 7, 50, 14));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    disclaimer_ = new QPlainTextEdit(this);
    disclaimer_->setObjectName(QStringLiteral("c1064"));
    disclaimer_->setGeometry(units.Rect(18, 46, 216, 48));
    disclaimer_->setReadOnly(true);
    disclaimer_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    disclaimer_->setPlainText(AboutDisclaimer());
}

}  // namespace tarvel
