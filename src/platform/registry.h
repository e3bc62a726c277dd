// The registry: on Windows the real one, elsewhere a profile-file store.
#pragma once

#include <string>

namespace orv::platform {

enum RegistryRoot : int {
    HKEY_CURRENT_USER_ROOT = 2,
    HKEY_LOCAL_MACHINE_ROOT = 3,
};

class Registry {
public:
    virtual ~Registry() = default;
    // The number under key\valueName; defaultValue when missing or not a number.
    virtual long GetRegKeyVal(int root, const std::string& key, const std::string& valueName,
                              long defaultValue = 0) const = 0;
    virtual bool SetRegKeyVal(int root, const std::string& key, const std::string& valueName, long value) = 0;
    // Non-zero when found; value is then the text.
    virtual int GetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                             std::string& value) const = 0;
    virtual bool SetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                              const std::string& value) = 0;
    virtual bool CreateRegKey(int root, const std::string& key) = 0;
};

}  // namespace orv::platform
