#pragma once

#include "catalogue/SettingsStore.h"

#include <memory>
#include <string>

class QSettings;

namespace kvf {

// The per-user settings store over QSettings: the user's store of the editor (organisation
// "DORRIM", application "KVF_Ed"), or an INI file (groups Settings, FailSafe, UserKeys).
class QtSettingsStore : public SettingsStore {
  public:
    QtSettingsStore();                                    // the user's store
    explicit QtSettingsStore(const std::string& iniFile); // an INI file
    ~QtSettingsStore() override;

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace kvf
