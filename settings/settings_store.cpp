#include "settings_store.h"

#include <QFile>
#include <QSettings>
#include <QStringConverter>
#include <QTextStream>

#include <memory>

namespace {

const char* const Application = "Morvane";
const char* const Section = "Defaults";

QString Path(const QString& key) { return QString(Section) + '/' + key; }

// A value edited by hand with a bare comma is read by QSettings as a list and
// loses its blanks. Such a value is taken from its line in the file instead:
// everything after the first "=", without the blanks around it.
QString RawValue(const QString& file, const QString& key, const QString& fallback) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return fallback;
    QTextStream in(&f);
    in.setEncoding(QStringConverter::Utf8);
    QString value = fallback;
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inSection = line == QString("[%1]").arg(Section);
            continue;
        }
        if (!inSection) continue;
        const qsizetype eq = line.indexOf('=');
        if (eq < 0 || line.left(eq).trimmed() != key) continue;
        value = line.mid(eq + 1).trimmed();  // the last one wins, as in QSettings
    }
    return value;
}

std::unique_ptr<QSettings> OpenSettings(const QString& file) {
    if (file.isEmpty())
        // ~/.config/Morvane/Morvane.conf on Linux (the INI format under that name).
        return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, Application,
                                           Application);
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

}  // namespace

SettingsStore::SettingsStore() = default;
SettingsStore::SettingsStore(const QString& iniFile) : m_file(iniFile) {}

QString SettingsStore::read(const QString& key, const QString& defaultValue) const {
    const auto settings = OpenSettings(m_file);
    const QString path = Path(key);
    if (!settings->contains(path)) return defaultValue;
    const QVariant value = settings->value(path);
    if (value.typeId() == QMetaType::QStringList)
        return RawValue(settings->fileName(), key, value.toStringList().join(','));
    return value.toString();
}

void SettingsStore::write(const QString& key, const QString& value) {
    const auto settings = OpenSettings(m_file);
    settings->setValue(Path(key), value);
    settings->sync();
}

QString SettingsStore::fileName() const { return OpenSettings(m_file)->fileName(); }
