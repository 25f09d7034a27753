#include "settings_store.h"

SettingsStore::SettingsStore() = default;
SettingsStore::SettingsStore(const QString& iniFile) : m_file(iniFile) {}
QString SettingsStore::read(const QString&, const QString& defaultValue) const { return defaultValue; }
void SettingsStore::write(const QString&, const QString&) {}
