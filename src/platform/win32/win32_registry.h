// The Windows registry (HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE): numbers as REG_DWORD,
// text as REG_SZ, names and text in UTF-8.
#pragma once

#include "platform/registry.h"

namespace orv::platform {

class Win32Registry final : public Registry {
public:
    // A REG_DWORD, or a REG_SZ holding a whole decimal number; else defaultValue.
    long GetRegKeyVal(int root, const std::string& key, const std::string& valueName,
                      long defaultValue = 0) const override;
    // Writes a REG_DWORD (a negative number as its 32-bit pattern); the key is made.
    bool SetRegKeyVal(int root, const std::string& key, const std::string& valueName, long value) override;
    // A REG_SZ or REG_EXPAND_SZ as it is stored, a REG_DWORD in decimal.
    int GetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                     std::string& value) const override;
    bool SetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                      const std::string& value) override;
    bool CreateRegKey(int root, const std::string& key) override;
};

}  // namespace orv::platform
