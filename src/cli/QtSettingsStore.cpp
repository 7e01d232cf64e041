#include "cli/QtSettingsStore.h"

#include "output/Windows1252.h"

#include <QSettings>
#include <QStringList>

namespace kvf {
namespace {

QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section + "/" + name);
}

// An INI value with commas reads back as a list; the store's values are plain texts.
std::string ToText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList)
        return Utf8ToWindows1252(value.toStringList().join(',').toStdString());
    return Utf8ToWindows1252(value.toString().toStdString());
}

} // namespace

QtSettingsStore::QtSettingsStore() : settings_(std::make_unique<QSettings>("DORRIM", "KVF_Ed")) {}

QtSettingsStore::QtSettingsStore(const std::string& iniFile)
    : settings_(
          std::make_unique<QSettings>(QString::fromStdString(iniFile), QSettings::IniFormat)) {}

QtSettingsStore::~QtSettingsStore() = default;

int QtSettingsStore::GetInt(const std::string& section, const std::string& name,
                            int defaultValue) const {
    QVariant value = settings_->value(Key(section, name));
    bool ok = false;
    int number = value.toInt(&ok);
    return ok ? number : defaultValue;
}

void QtSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    settings_->setValue(Key(section, name), value);
}

std::string QtSettingsStore::GetString(const std::string& section, const std::string& name,
                                       const std::string& defaultValue) const {
    QVariant value = settings_->value(Key(section, name));
    return value.isValid() ? ToText(value) : defaultValue;
}

void QtSettingsStore::SetString(const std::string& section, const std::string& name,
                                const std::string& value) {
    settings_->setValue(Key(section, name), QString::fromStdString(Windows1252ToUtf8(value)));
}

} // namespace kvf
