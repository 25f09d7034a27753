#pragma once
// The per-user store of the options and the last directory: application
// "Morvane", section "Defaults", every value text.
#include <QString>

class SettingsStore {
public:
    SettingsStore();                                // the user's own store
    explicit SettingsStore(const QString& iniFile); // a store kept in the given file (tests)

    QString read(const QString& key, const QString& defaultValue) const;
    void write(const QString& key, const QString& value);

private:
    QString m_file;  // empty: the user's own store
};
