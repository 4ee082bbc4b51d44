#include "db/RegistrySettings.h"

#include <QSettings>

namespace {
constexpr qsizetype kRecentFiles = 5;

QString colorName(int event) {
    return QStringLiteral("Color%1").arg(event + 1);
}
}  // namespace

RegistrySettings::RegistrySettings()
    : m_settings(
          std::make_unique<QSettings>(QStringLiteral("Quillon Works"), QStringLiteral("ORLE"))) {}

RegistrySettings::RegistrySettings(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

RegistrySettings::~RegistrySettings() = default;

int RegistrySettings::GetRegistryValue(const QString& name, QVariant& value) const {
    if (!m_settings->contains(name)) {
        return 2;
    }
    value = m_settings->value(name);
    return 0;
}

int RegistrySettings::SetRegistryValue(const QString& name, const QVariant& value) {
    m_settings->setValue(name, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError ? 0 : static_cast<int>(m_settings->status());
}

QString RegistrySettings::databasePath() const {
    QVariant value{QString()};
    GetRegistryValue(QStringLiteral("Database"), value);
    return value.toString();
}

void RegistrySettings::setDatabasePath(const QString& path) {
    SetRegistryValue(QStringLiteral("Database"), path);
}

QStringList RegistrySettings::recentFiles() const {
    QVariant value{QStringList()};
    GetRegistryValue(QStringLiteral("RecentFiles"), value);
    QStringList files = value.toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentFiles);
}

void RegistrySettings::rememberRecentFile(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    files.prepend(path);
    SetRegistryValue(QStringLiteral("RecentFiles"), files.mid(0, kRecentFiles));
}

quint32 RegistrySettings::eventColor(int event) const {
    QVariant value{0u};
    GetRegistryValue(colorName(event), value);
    bool ok = false;
    const quint32 color = value.toUInt(&ok);
    return ok ? color : 0u;
}

bool RegistrySettings::setEventColor(int event, quint32 color) {
    return SetRegistryValue(colorName(event), color) == 0;
}
