#include "app/tool/tool_paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::tool {

bool IsWindowsFormPath(const std::string& arg)
{
    if (arg.starts_with("\\\\"))
        return true;
    const bool drive = arg.size() >= 2 && std::isalpha(static_cast<unsigned char>(arg[0])) && arg[1] == ':';
    return drive && (arg.size() == 2 || arg[2] == '\\' || arg[2] == '/');
}

std::string CommandLinePathToWindows(const std::string& arg)
{
    if (arg.empty())
        return arg;
    if (IsWindowsFormPath(arg)) {
        std::string path = arg;
        std::replace(path.begin(), path.end(), '/', '\\');
        return path;
    }
    std::error_code ec;
    std::filesystem::path host = std::filesystem::absolute(arg, ec);
    if (ec)
        host = arg;
    host = host.lexically_normal();
    const auto* files = platform::services().files;
    return files ? files->windowsPath(host) : host.string();
}

}  // namespace orv::tool
