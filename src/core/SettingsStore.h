#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

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
    // The value is gone afterwards: it reads as the default again.
    virtual void Remove(const std::string& section, const std::string& name) = 0;
    // The names of the values a section holds (as the store spells them), in no fixed order.
    virtual std::vector<std::string> Names(const std::string& section) const = 0;
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
    void Remove(const std::string& section, const std::string& name) override;
    std::vector<std::string> Names(const std::string& section) const override;
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
    // Removed for this run only: the store behind keeps the value.
    void Remove(const std::string& section, const std::string& name) override;
    std::vector<std::string> Names(const std::string& section) const override;

  private:
    bool IsRemoved(const std::string& section, const std::string& name) const {
        return removed_.count({section, name}) != 0;
    }

    SettingsStore* base_;
    MemorySettingsStore overlay_;
    std::set<std::pair<std::string, std::string>> removed_;
};

} // namespace kvf
