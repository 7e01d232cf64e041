#include "app/EditorSettings.h"

#include "core/AppServices.h"
#include "views/UiText.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace kvf {
namespace {

QString Key(const std::string& section, const std::string& name) {
    return QString::fromStdString(section + "/" + name);
}

} // namespace

QString QtIniSettingsStore::UserFilePath() {
    // Where QSettings keeps an INI file for "DORRIM"/"KVF_Ed" on this platform, so the
    // editor and kvfcheck share one file.
#ifdef Q_OS_WIN
    QString base = qEnvironmentVariable("APPDATA");
    if (base.isEmpty())
        base = QDir::home().filePath("AppData/Roaming");
    return QDir::toNativeSeparators(QDir(base).filePath("DORRIM/KVF_Ed.ini"));
#else
    QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(base).filePath("DORRIM/KVF_Ed.conf");
#endif
}

QtIniSettingsStore::QtIniSettingsStore() : QtIniSettingsStore(UserFilePath()) {}

QtIniSettingsStore::QtIniSettingsStore(const QString& path)
    : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}

QtIniSettingsStore::~QtIniSettingsStore() = default;

void QtIniSettingsStore::Sync() {
    settings_->sync();
}

bool QtIniSettingsStore::Writable() const {
    return settings_->isWritable();
}

QString QtIniSettingsStore::FileName() const {
    return settings_->fileName();
}

int QtIniSettingsStore::GetInt(const std::string& section, const std::string& name,
                               int defaultValue) const {
    bool ok = false;
    int number = settings_->value(Key(section, name)).toInt(&ok);
    return ok ? number : defaultValue;
}

void QtIniSettingsStore::SetInt(const std::string& section, const std::string& name, int value) {
    settings_->setValue(Key(section, name), value);
}

std::string QtIniSettingsStore::GetString(const std::string& section, const std::string& name,
                                          const std::string& defaultValue) const {
    QVariant value = settings_->value(Key(section, name));
    if (!value.isValid())
        return defaultValue;
    // An INI value with commas reads back as a list; the store's values are plain texts.
    if (value.typeId() == QMetaType::QStringList)
        return ToBytes(value.toStringList().join(','));
    return ToBytes(value.toString());
}

void QtIniSettingsStore::SetString(const std::string& section, const std::string& name,
                                   const std::string& value) {
    settings_->setValue(Key(section, name), FromBytes(value));
}

void QtIniSettingsStore::Remove(const std::string& section, const std::string& name) {
    settings_->remove(Key(section, name));
}

std::vector<std::string> QtIniSettingsStore::Names(const std::string& section) const {
    settings_->beginGroup(QString::fromStdString(section));
    const QStringList keys = settings_->childKeys();
    settings_->endGroup();
    std::vector<std::string> names;
    for (const QString& key : keys)
        names.push_back(key.toStdString()); // as Key() spells names
    return names;
}

void EditorSettings::Read(const SettingsStore& store) {
    Flatbar = store.GetInt("Settings", "Flatbar", 1);
    NoSemanticCheck = store.GetInt("FailSafe", "NoSemanticCheck", 0);
    NoWinPosSave = store.GetInt("FailSafe", "NoWinPosSave", 0);
    ShowSplash = store.GetInt("Settings", "ShowSplash", 1);
    CoolMenu = store.GetInt("Settings", "CoolMenu", 1);
    LastDir = FromBytes(store.GetString("Settings", "LastDir", ""));
    NoBackup = store.GetInt("Settings", "NoBackup", 0);
    Syntax = store.GetInt("Settings", "Syntax", 0);
    Warnings = store.GetInt("Settings", "Warnings", 0);
    LiveCheck = store.GetInt("Settings", "LiveCheck", 1);
    TabbedDocuments = store.GetInt("Settings", "TabbedDocuments", 0);
    MaximizedDocuments = store.GetInt("Settings", "MaximizedDocuments", 1);
}

void EditorSettings::Write(SettingsStore& store) const {
    store.SetInt("Settings", "Flatbar", Flatbar);
    store.SetInt("FailSafe", "NoSemanticCheck", NoSemanticCheck);
    store.SetInt("FailSafe", "NoWinPosSave", NoWinPosSave);
    store.SetInt("Settings", "ShowSplash", ShowSplash);
    store.SetInt("Settings", "CoolMenu", CoolMenu);
    store.SetString("Settings", "LastDir", ToBytes(LastDir));
    store.SetInt("Settings", "NoBackup", NoBackup);
    store.SetInt("Settings", "Syntax", Syntax);
    store.SetInt("Settings", "Warnings", Warnings);
    store.SetInt("Settings", "LiveCheck", LiveCheck);
    store.SetInt("Settings", "TabbedDocuments", TabbedDocuments);
    store.SetInt("Settings", "MaximizedDocuments", MaximizedDocuments);
    store.SetInt("Settings", "Expert", 1);
}

bool SettingsCanKeep(AppServices& app, int messageId) {
    const auto* ini = dynamic_cast<const QtIniSettingsStore*>(&app.Settings());
    if (!ini || ini->Writable())
        return true;
    app.Alert(FormatMessage(messageId, ToBytes(QDir::toNativeSeparators(ini->FileName()))));
    return false;
}

} // namespace kvf
