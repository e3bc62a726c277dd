// The registry off Windows: one profile file whose sections are the full key paths with
// their root name ("[HKEY_CURRENT_USER\Software\Veltrona\Orvanto\ResizeMode]") and whose
// lines are the values. Names are compared without regard to case. Every read looks at the
// file afresh (another program may have written it); every write replaces the file
// atomically.
#pragma once

#include <filesystem>

#include "platform/registry.h"

namespace orv {
class ProfileDocument;
}

namespace orv::platform {

class FileSystem;

class ProfileRegistry final : public Registry {
public:
    // storeFile: the host path of the store; files gives it its Windows form for the
    // profile file code.
    ProfileRegistry(std::filesystem::path storeFile, const FileSystem& files);

    long GetRegKeyVal(int root, const std::string& key, const std::string& valueName,
                      long defaultValue = 0) const override;
    bool SetRegKeyVal(int root, const std::string& key, const std::string& valueName, long value) override;
    int GetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                     std::string& value) const override;
    bool SetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                      const std::string& value) override;
    bool CreateRegKey(int root, const std::string& key) override;

private:
    ProfileDocument load() const;
    bool store(const ProfileDocument& doc);
    std::string storeName() const;

    std::filesystem::path storeFile_;
    const FileSystem& files_;
};

// The section name of a key: "HKEY_CURRENT_USER\Software\X" for root 2 and "Software\X";
// doubled and outer backslashes dropped (a forward slash is part of a key name, as in the
// Windows registry). Empty for an unknown root.
std::string registrySectionName(int root, const std::string& key);

}  // namespace orv::platform
