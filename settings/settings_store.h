#pragma once
// The per-user store of the options and the last directory: application
// "Morvane", section "Defaults", every value text.
#include <QString>

class SettingsStore {
public:
    SettingsStore();                                // the user's own store
    explicit SettingsStore(const QString& iniFile); // a store kept in the given file (tests)

    // The text stored under the key, or defaultValue when there is none (or the
    // store cannot be read). Never writes.
    QString read(const QString& key, const QString& defaultValue) const;
    // Stores the text at once. A store that cannot be written fails silently.
    void write(const QString& key, const QString& value);

    // The file the store lives in.
    QString fileName() const;

private:
    QString m_file;  // empty: the user's own store
};
