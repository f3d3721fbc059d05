#include "app/version_info.h"

#include "app/version.h"

namespace tarvel {

VersionInfo MakeVersionInfo(bool hasRecord, int major, int minor, const QString& company,
                            const QString& legal) {
    VersionInfo info;
    if (!hasRecord) {
        info.companyText = QString::fromUtf8(build::kMakerName) + QLatin1Char(' ') +
                           QString::fromUtf8(build::kMakerWebAddress);
        info.companyText.truncate(kVersionTextLimit);
        return info;
    }
    info.major = major;
    info.minor = minor;
    info.companyText = company.left(kVersionTextLimit);
    info.legalText = legal.left(kVersionTextLimit);
    return info;
}

VersionInfo ReadVersionInfo() {
    return MakeVersionInfo(true, build::kVersionMajor, build::kVersionMinor,
                           QString::fromUtf8(build::kCompanyName),
                           QString::fromUtf8(build::kLegalCopyright));
}

}  // namespace tarvel
