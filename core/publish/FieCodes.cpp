#include "publish/FieCodes.h"

#include <QStringList>

namespace {

// Events w and w + 3 share a weapon: saber, foil, épée for the men, then for the women.
constexpr int kWeaponsPerSex = 3;
const QStringList& weaponLetters() {
    static const QStringList letters = {QStringLiteral("S"), QStringLiteral("F"),
                                        QStringLiteral("E")};
    return letters;
}
const QStringList& sexLetters() {
    static const QStringList letters = {QStringLiteral("M"), QStringLiteral("F")};
    return letters;
}

}  // namespace

namespace FieCodes {

QString WeaponLetter(int event) {
    return weaponLetters().at(event % kWeaponsPerSex);
}

QString SexLetter(int event) {
    return sexLetters().at(event / kWeaponsPerSex);
}

std::optional<int> EventFor(const QString& weaponLetter, const QString& sexLetter) {
    const qsizetype weapon = weaponLetters().indexOf(weaponLetter.trimmed().toUpper());
    const qsizetype sex = sexLetters().indexOf(sexLetter.trimmed().toUpper());
    if (weapon < 0 || sex < 0) {
        return std::nullopt;
    }
    return static_cast<int>(sex * kWeaponsPerSex + weapon);
}

}  // namespace FieCodes
