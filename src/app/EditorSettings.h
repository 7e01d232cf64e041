#pragma once

#include "core/SettingsStore.h"

#include <QString>

#include <memory>
#include <string>

class QSettings;

namespace kvf {

class AppServices;

// The editor's settings store: QSettings over one INI file, by default the user's
// "DORRIM"/"KVF_Ed" file that kvfcheck reads too.
class QtIniSettingsStore : public SettingsStore {
  public:
    QtIniSettingsStore();                             // the user's file
    explicit QtIniSettingsStore(const QString& path); // another INI file (tests)
    ~QtIniSettingsStore() override;

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    void Remove(const std::string& section, const std::string& name) override;
    std::vector<std::string> Names(const std::string& section) const override;

    QSettings& Qt() { return *settings_; }
    void Sync();
    // Whether what is set now reaches the file (not when a folder stands in its place, or the
    // file may not be written): otherwise it lasts for this run only.
    bool Writable() const;
    QString FileName() const;

    // Where the user's file lives: the user's config folder, DORRIM/KVF_Ed.conf.
    static QString UserFilePath();

  private:
    std::unique_ptr<QSettings> settings_;
};

// The values of the settings table, read when the main window is built and written back
// when it goes. The store itself is what the engine consults during a run, so the frame
// keeps both in step whenever the Settings dialog changes a value.
struct EditorSettings {
    int Flatbar = 1;
    int NoSemanticCheck = 0;
    int NoWinPosSave = 0;
    int ShowSplash = 1;
    int CoolMenu = 1;
    QString LastDir;
    int NoBackup = 0;
    int Syntax = 0;
    int Warnings = 0;
    int LiveCheck = 1;       // check as you type
    int TabbedDocuments = 0; // the document windows as tabs of the area
    // The first document window opens maximised (1) or fills the area as the first of a
    // cascade (0): the user's last choice, maximising a document window or restoring one.
    int MaximizedDocuments = 1;

    void Read(const SettingsStore& store);
    void Write(SettingsStore& store) const; // writes "Expert" as 1 too
};

// Whether the application's settings store can keep a registration, or what else
// `messageId` names, for good: when its file cannot be written, kvfcheck would never see it
// and the editor would lose it at its end. False after telling the user (`messageId`, formatted
// with the file's name). A store that is no file (the tests' stores) can.
bool SettingsCanKeep(AppServices& app, int messageId);

} // namespace kvf
