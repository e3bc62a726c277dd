#include "create/path_rules.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <vector>

#include "create/copy_file.h"
#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/text_case.h"

namespace orv {

namespace {

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool hasDriveColon(std::string_view text) { return text.size() >= 2 && text[1] == ':'; }

bool isSeparator(char c) { return c == '\\' || c == '/'; }

bool startsWithSeparator(std::string_view text) { return !text.empty() && isSeparator(text.front()); }

}  // namespace

void CreateFolderOf(const std::string& path)
{
    const std::string folder = PathDirectoryPart(path);
    if (!folder.empty())
        if (auto* files = platform::services().files)
            files->DirCreate(folder);
}

std::string DropFolderMarker(std::string_view text)
{
    if (startsWith(text, CurrencyMarker))
        text.remove_prefix(CurrencyMarker.size());
    else if (startsWith(text, "*"))
        text.remove_prefix(1);
    else
        return std::string(text);
    if (startsWith(text, "\\"))
        text.remove_prefix(1);
    return std::string(text);
}

std::string AbsolutePathFromRelative(const std::string& sFromDir, const std::string& sRelativePath)
{
    std::string relative = DropFolderMarker(sRelativePath);
    // One leading separator names the medium's root, which is the destination folder; two
    // begin a network path.
    if (startsWithSeparator(relative) && !(relative.size() > 1 && isSeparator(relative[1])))
        relative.erase(0, 1);
    std::string absolute;
    if (relative.empty())
        relative = ".";
    if (!platform::CreateAbsolutePathFromRelativePath(sFromDir, relative, absolute))
        return {};
    return absolute;
}

std::string CreateAbsolutePathFromRelativePathX(const std::string& sFromDir, const std::string& sRelativePath)
{
    std::string absolute = AbsolutePathFromRelative(sFromDir, sRelativePath);
    CreateFolderOf(absolute);
    return absolute;
}

std::string CopyTargetPathOf(const std::string& destination, const std::string& sourceFile,
                             const std::string& folderValue)
{
    return AbsolutePathFromRelative(destination, CleanPath(folderValue + "\\" + FileNamePart(sourceFile)));
}

std::string GetCopyTargetPath(const std::string& destination, const std::string& sourceFile,
                              const std::string& folderValue)
{
    std::string target = CopyTargetPathOf(destination, sourceFile, folderValue);
    CreateFolderOf(target);
    return target;
}

std::string FontTargetPath(const std::string& destination, const std::string& sourceFile,
                           const std::string& folderValue)
{
    return CopyTargetPathOf(destination, sourceFile, folderValue);
}

bool TargetInsideDestination(const std::string& destination, const std::string& target)
{
    std::string folder, path;
    if (destination.empty() || target.empty() ||
        !platform::CreateAbsolutePathFromRelativePath(destination, destination, folder) ||
        !platform::CreateAbsolutePathFromRelativePath(destination, target, path))
        return false;
    const std::string lowerFolder = LowerText(folder) + (folder.back() == '\\' ? "" : "\\");
    const std::string lowerPath = LowerText(path);
    if (lowerPath.size() <= lowerFolder.size() || !startsWith(lowerPath, lowerFolder))
        return false;
    // A folder on the way that is a link (made by hand in an earlier build's folder) must
    // not lead out either: compare the real places of the folders where they exist.
    const platform::FileSystem* files = platform::services().files;
    if (!files)
        return true;
    const std::filesystem::path hostFolder = files->hostPath(folder), hostPath = files->hostPath(path);
    if (hostFolder.empty() || hostPath.empty())
        return true;  // a drive this system does not have: nothing there to follow
    std::error_code folderError, pathError;
    const std::filesystem::path realFolder = std::filesystem::weakly_canonical(hostFolder, folderError);
    // The file itself may be a link: creation replaces it rather than writing through it.
    const std::filesystem::path realPath =
        std::filesystem::weakly_canonical(hostPath.parent_path(), pathError) / hostPath.filename();
    if (folderError || pathError)
        return true;
    const std::filesystem::path inside = realPath.lexically_relative(realFolder);
    return !inside.empty() && *inside.begin() != "..";
}

std::int16_t CopyWholeFolder(const std::string& sourceFile, const std::string& targetFile)
{
    const std::string sourceFolder = PathDirectoryPart(sourceFile);
    const std::string targetFolder = PathDirectoryPart(targetFile);
    auto* files = platform::services().files;
    if (!files || sourceFolder.empty() || targetFolder.empty())
        return 0;
    if (!files->DirExists(sourceFolder) || !files->DirExists(targetFolder))
        return 0;
    // File by file through CopyFileMapped, like every other copy: each file goes to a
    // temporary name renamed into place, so a failed copy leaves the old file.
    std::vector<std::string> names;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(files->hostPath(sourceFolder), ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError))
            names.push_back(it->path().filename().string());
    }
    if (ec)
        return 0;
    std::sort(names.begin(), names.end());
    const std::filesystem::path hostTarget = files->hostPath(targetFolder);
    for (const std::string& name : names) {
        // A link already in the destination is removed, so the copy never lands where it points.
        std::error_code linkError;
        if (std::filesystem::is_symlink(std::filesystem::symlink_status(hostTarget / name, linkError)))
            std::filesystem::remove(hostTarget / name, linkError);
        if (CopyFileMapped(sourceFolder + "\\" + name, targetFolder + "\\" + name) != ErrNone)
            return 0;
    }
    return 1;
}

std::string MenuProgramFileName(const MenuProject& project)
{
    return project.ProjectType == ProjectTypeUSB ? Options().USBStickExeFileName : Options().CDExeFileName;
}

void RewriteLinksInsideDestination(MenuProject& project, const std::string& destination)
{
    static constexpr std::array<std::string_view, 5> keepLinks = {"Show Internet Page", "Send E-mail",
                                                                   "Run Explorer", "Open Folder", "Exit"};
    const std::string dest = LowerText(destination);
    if (!hasDriveColon(dest))
        return;
    std::string rest = dest.substr(2);
    if (rest.empty() || rest == "\\")
        return;
    // A trailing backslash of the destination is not part of the folder's name.
    while (rest.size() > 1 && rest.back() == '\\')
        rest.pop_back();
    for (MenuButton& button : project.Buttons) {
        if (std::find(keepLinks.begin(), keepLinks.end(), button.Cmd) != keepLinks.end())
            continue;
        const std::string link = LowerText(button.Link);
        if (!startsWith(link, "\\") || !startsWith(link, rest))
            continue;
        // Only a link into the folder itself: the rest must be followed by a backslash.
        if (link.size() <= rest.size() + 1 || link[rest.size()] != '\\')
            continue;
        button.Link = link.substr(rest.size() + 1);
    }
}

std::size_t CharacterCount(std::string_view utf8)
{
    return static_cast<std::size_t>(
        std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string LowerText(std::string_view utf8) { return platform::foldCase(utf8); }

std::string UpperText(std::string_view utf8) { return platform::upperLatin1(utf8); }

bool SameTextNoCase(std::string_view a, std::string_view b) { return platform::equalsNoCase(a, b); }

}  // namespace orv
