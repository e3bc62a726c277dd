#include "platform/win32/win32_registry.h"

#include <windows.h>

#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/win32/wide_text.h"

namespace orv::platform {

namespace {

HKEY rootKey(int root)
{
    switch (root) {
    case HKEY_CURRENT_USER_ROOT: return HKEY_CURRENT_USER;
    case HKEY_LOCAL_MACHINE_ROOT: return HKEY_LOCAL_MACHINE;
    default: return nullptr;
    }
}

// The key path as the API takes it: no outer and no doubled backslashes.
std::wstring keyPath(const std::string& key)
{
    std::wstring path;
    for (wchar_t c : widen(key)) {
        if (c == L'\\' && (path.empty() || path.back() == L'\\'))
            continue;
        path += c;
    }
    if (!path.empty() && path.back() == L'\\')
        path.pop_back();
    return path;
}

// An open key, closed when it goes out of scope.
class Key {
public:
    Key(int root, const std::string& key, bool create)
    {
        HKEY base = rootKey(root);
        if (!base)
            return;
        const std::wstring path = keyPath(key);
        const LONG status = create ? RegCreateKeyExW(base, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE,
                                                     nullptr, &key_, nullptr)
                                   : RegOpenKeyExW(base, path.c_str(), 0, KEY_READ, &key_);
        if (status != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key()
    {
        if (key_)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> bytes;
};

bool readValue(int root, const std::string& key, const std::string& name, Value& value)
{
    Key k(root, key, false);
    if (!k.get())
        return false;
    const std::wstring valueName = widen(name);
    DWORD size = 0;
    if (RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &value.type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    value.bytes.resize(size);
    if (RegQueryValueExW(k.get(), valueName.c_str(), nullptr, &value.type, value.bytes.data(), &size) !=
        ERROR_SUCCESS)
        return false;
    value.bytes.resize(size);
    return true;
}

std::wstring textOf(const Value& value)
{
    std::wstring text(reinterpret_cast<const wchar_t*>(value.bytes.data()), value.bytes.size() / sizeof(wchar_t));
    while (!text.empty() && text.back() == L'\0')  // the stored terminator, if any
        text.pop_back();
    return text;
}

bool writeValue(int root, const std::string& key, const std::string& name, DWORD type, const void* data,
                DWORD size)
{
    Key k(root, key, true);
    return k.get() && RegSetValueExW(k.get(), widen(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
                          ERROR_SUCCESS;
}

}  // namespace

long Win32Registry::GetRegKeyVal(int root, const std::string& key, const std::string& valueName,
                                 long defaultValue) const
{
    Value value;
    if (!readValue(root, key, valueName, value))
        return defaultValue;
    if (value.type == REG_DWORD && value.bytes.size() == sizeof(DWORD)) {
        std::int32_t number;
        std::memcpy(&number, value.bytes.data(), sizeof number);
        return number;
    }
    if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) {
        const std::string text = narrow(textOf(value));
        long number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size() && !text.empty())
            return number;
    }
    return defaultValue;
}

bool Win32Registry::SetRegKeyVal(int root, const std::string& key, const std::string& valueName, long value)
{
    const DWORD number = static_cast<DWORD>(value);
    return writeValue(root, key, valueName, REG_DWORD, &number, sizeof number);
}

int Win32Registry::GetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                                std::string& value) const
{
    Value stored;
    if (!readValue(root, key, valueName, stored))
        return 0;
    if (stored.type == REG_SZ || stored.type == REG_EXPAND_SZ) {
        value = narrow(textOf(stored));
        return 1;
    }
    if (stored.type == REG_DWORD && stored.bytes.size() == sizeof(DWORD)) {
        std::int32_t number;
        std::memcpy(&number, stored.bytes.data(), sizeof number);
        value = std::to_string(number);
        return 1;
    }
    return 0;
}

bool Win32Registry::SetRegKeyStr(int root, const std::string& key, const std::string& valueName,
                                 const std::string& value)
{
    const std::wstring text = widen(value);
    return writeValue(root, key, valueName, REG_SZ, text.c_str(),
                      static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

bool Win32Registry::CreateRegKey(int root, const std::string& key)
{
    Key k(root, key, true);
    return k.get() != nullptr;
}

}  // namespace orv::platform
