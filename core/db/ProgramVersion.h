#pragma once

#include <QString>

// The program's version information: what a championship file must carry, and what the
// About window and the printouts show.
namespace ProgramVersion {

constexpr int kMajor = ORLE_VERSION_MAJOR;
constexpr int kMinor = ORLE_VERSION_MINOR;
constexpr int kBuild = ORLE_VERSION_BUILD;

// "4.3": stored in VersionInfo and compared at every open.
inline QString DatabaseVersionText() {
    return QStringLiteral("%1.%2").arg(kMajor).arg(kMinor);
}

// "4.3 (Build 60)": what `orle --version` and `orle-cli --version` print after the name.
inline QString ReleaseText() {
    return QStringLiteral("%1.%2 (Build %3)").arg(kMajor).arg(kMinor).arg(kBuild);
}

// "Ver. 4.3 (Build 60)".
inline QString VersionLine() {
    return QStringLiteral("Ver. ") + ReleaseText();
}

inline QString ProductTitle() {
    return QStringLiteral("ORLE Fencing Championship Scoring System");
}

// The legal notice printed in the footer of every sheet and shown in the About window.
inline QString LegalNotice() {
    return QStringLiteral("Copyright \u00A9 Quillon Works. All rights reserved.");
}

}  // namespace ProgramVersion
