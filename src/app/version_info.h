// The program's version record: the version numbers, the company and the legal
// texts recorded by the build, read once by each main window.
#pragma once

#include <QString>

namespace tarvel {

struct VersionInfo {
    int major = 0;
    int minor = 0;
    QString companyText;  // at most kVersionTextLimit characters
    QString legalText;    // at most kVersionTextLimit characters
};

// Longest company or legal text kept from the record.
inline constexpr int kVersionTextLimit = 99;

// A record's fields as given by the build; hasRecord false stands for a program
// built without one: version 0.0, the maker's name and web address as the
// company text and an empty legal text. Texts are cut to kVersionTextLimit.
VersionInfo MakeVersionInfo(bool hasRecord, int major, int minor, const QString& company,
                            const QString& legal);

// The record of this build (the project version set in CMake).
VersionInfo ReadVersionInfo();

}  // namespace tarvel
