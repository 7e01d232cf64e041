#pragma once

#include <map>
#include <string>
#include <utility>

namespace kvf {

// The per-user settings store: sections with named integer and string values. The editor
// and kvfcheck implement it with QSettings; the tests with MemorySettingsStore.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    virtual int GetInt(const std::string& section, const std::string& name,
                       int defaultValue) const = 0;
    virtual void SetInt(const std::string& section, const std::string& name, int value) = 0;
    virtual std::string GetString(const std::string& section, const std::string& name,
                                  const std::string& defaultValue) const = 0;
    virtual void SetString(const std::string& section, const std::string& name,
                           const std::string& value) = 0;
};

class MemorySettingsStore : public SettingsStore {
  public:
    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;
    bool Contains(const std::string& section, const std::string& name) const {
        return values_.count({section, name}) != 0;
    }

  private:
    std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Values set for one run only, in front of a store that keeps everything else.
class OverlaySettingsStore : public SettingsStore {
  public:
    explicit OverlaySettingsStore(SettingsStore& base) : base_(&base) {}

    int GetInt(const std::string& section, const std::string& name,
               int defaultValue) const override;
    void SetInt(const std::string& section, const std::string& name, int value) override;
    std::string GetString(const std::string& section, const std::string& name,
                          const std::string& defaultValue) const override;
    void SetString(const std::string& section, const std::string& name,
                   const std::string& value) override;

  private:
    SettingsStore* base_;
    MemorySettingsStore overlay_;
};

} // namespace kvf
