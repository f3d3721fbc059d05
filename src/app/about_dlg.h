// The about box: the icon, the program's name and version, the legal and
// company texts of the version record, the disclaimer and the credits of the
// data, in the current interface language.
#pragma once

#include <QDialog>
#include <QString>

#include "app/version_info.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tarvel {

// Line 1065: string 148 filled with the application's name ("Tarvel" in the
// box) and the version.
QString AboutNameLine(const QString& applicationName, const VersionInfo& version);
// Line 1066: "%s - %s" with the legal text and then the company text; the
// legal text alone when it already contains the company text.
QString AboutLegalLine(const VersionInfo& version);
// Field 1064: string 149 followed by a line break.
QString AboutDisclaimer();
// The credits of the data the program reads through the system: the places of
// GeoNames (CC BY 4.0, which asks for the credit) and the tz database.
QString AboutCredits();

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    CAboutDlg(const VersionInfo& version, QWidget* parent = nullptr);

    QLabel* NameLine() const { return nameLine_; }
    QLabel* LegalLine() const { return legalLine_; }
    QPlainTextEdit* Disclaimer() const { return disclaimer_; }
    QLabel* Credits() const { return credits_; }
    QPushButton* OkButton() const { return okButton_; }

  private:
    QLabel* nameLine_ = nullptr;
    QLabel* legalLine_ = nullptr;
    QPlainTextEdit* disclaimer_ = nullptr;
    QLabel* credits_ = nullptr;
    QPushButton* okButton_ = nullptr;
};

// The application's icon (icon 128).
QIcon ApplicationIcon();

}  // namespace tarvel
