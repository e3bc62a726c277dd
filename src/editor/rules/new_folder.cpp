#include "editor/rules/new_folder.h"

#include <filesystem>
#include <system_error>

#include "editor/rules/shown_path.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::editor {

NewFolderResult CreateNewFolder(const std::string& parent, const std::string& typedName)
{
    const auto first = typedName.find_first_not_of(" \t");
    const auto last = typedName.find_last_not_of(" \t");
    const std::string name = first == std::string::npos ? std::string() : typedName.substr(first, last - first + 1);
    if (name.empty() || name == "." || name == "..")
        return {{}, "Type a name for the new folder."};
    if (name.find_first_of("\\/:*?\"<>|") != std::string::npos)
        return {{}, "A folder name cannot contain any of these characters:\n\\ / : * ? \" < > |"};
    if (name.back() == '.')
        return {{}, "A folder name cannot end with a dot."};

    const platform::FileSystem* files = platform::services().files;
    if (!files)
        return {{}, "The folder could not be created."};
    const std::string folder = JoinPath(parent, name);
    // hostPath finds an entry whatever its letter case.
    const std::filesystem::path host = files->hostPath(folder);
    std::error_code ec;
    if (host.empty() || !std::filesystem::is_directory(files->hostPath(parent), ec))
        return {{}, "The folder " + ShownPath(parent) + " cannot hold a new folder."};
    if (std::filesystem::exists(std::filesystem::symlink_status(host, ec)))
        return {{}, "There is already a folder or file named \"" + name + "\" here. Type another name."};
    if (!std::filesystem::create_directory(host, ec) || ec)
        return {{}, "The folder " + host.string() + " could not be created:\n" + ec.message()};
    return {folder, {}};
}

}  // namespace orv::editor
