#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class QSettings;

// The user's settings of the program: the last championship file and the event colours,
// kept under "Quillon Works/ORLE". A failed read leaves the caller's default; a failed
// write is reported but never stops the program.
class RegistrySettings final {
public:
    // The current user's settings.
    RegistrySettings();
    // Settings kept in the given INI file (tests, portable use).
    explicit RegistrySettings(const QString& iniPath);
    ~RegistrySettings();

    // 0 on success, 2 when the value does not exist; `value` is left unchanged then.
    int GetRegistryValue(const QString& name, QVariant& value) const;
    // 0 on success, non-zero when the store could not be written.
    int SetRegistryValue(const QString& name, const QVariant& value);

    QString databasePath() const;
    void setDatabasePath(const QString& path);
    // The championship files opened last, the latest first (value "RecentFiles").
    QStringList recentFiles() const;
    // Puts `path` first among the recent files, keeping only the last five.
    void rememberRecentFile(const QString& path);
    // The stored colour of an event (0..5); 0 when none is stored.
    quint32 eventColor(int event) const;
    // False when the store could not be written.
    bool setEventColor(int event, quint32 color);

private:
    std::unique_ptr<QSettings> m_settings;
};
