#include "create/path_rules.h"

#include <algorithm>
#include <array>

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

// The destination without a trailing backslash (a drive root keeps its own) and with
// doubled backslashes reduced.
std::string tidyFolder(const std::string& folder)
{
    std::string tidy = platform::RemoveDupBackslashes(folder);
    while (tidy.size() > 3 && (tidy.back() == '\\' || tidy.back() == '/'))
        tidy.pop_back();
    return tidy;
}

void createFolderOf(const std::string& path)
{
    const std::string folder = PathDirectoryPart(path);
    if (!folder.empty())
        if (auto* files = platform::services().files)
            files->DirCreate(folder);
}

}  // namespace

bool StartsWithFolderMarker(std::string_view text)
{
    return startsWith(text, CurrencyMarker) || startsWith(text, "*");
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
    std::string absolute;
    if (!platform::CreateAbsolutePathFromRelativePath(sFromDir, DropFolderMarker(sRelativePath), absolute))
        return {};
    return absolute;
}

std::string CreateAbsolutePathFromRelativePathX(const std::string& sFromDir, const std::string& sRelativePath)
{
    std::string absolute = AbsolutePathFromRelative(sFromDir, sRelativePath);
    createFolderOf(absolute);
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
    createFolderOf(target);
    return target;
}

std::string GetDestinationFilePath(const std::string& destination, const std::string& drive,
                                   const std::string& sourceFile, const std::string& folderValue)
{
    std::string folder = folderValue;
    if (!hasDriveColon(folder) && !StartsWithFolderMarker(folder) && !startsWith(folder, "\\"))
        folder = std::string(CurrencyMarker) + "\\" + folder;
    std::string path;
    if (StartsWithFolderMarker(folder))
        path = destination + "\\" + DropFolderMarker(folder) + "\\" + FileNamePart(sourceFile);
    else
        path = drive + folder + "\\" + FileNamePart(sourceFile);
    path = CleanPath(path);
    createFolderOf(path);
    return path;
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
    return files->MultiFileCopy(sourceFolder + "\\*.*", targetFolder);
}

std::string MenuProgramFileName(const MenuProject& project)
{
    return project.ProjectType == ProjectTypeUSB ? Options().USBStickExeFileName : Options().CDExeFileName;
}

bool LinkClimbsOutOfDestination(const std::string& destination, const std::string& link)
{
    const std::string relative = DropFolderMarker(link);
    if (relative.empty() || hasDriveColon(relative) || startsWith(relative, "\\") || startsWith(relative, "/"))
        return false;
    if (relative.find("..") == std::string::npos)
        return false;
    const std::string target = AbsolutePathFromRelative(destination, relative);
    if (target.empty())
        return true;
    std::string folder = LowerText(tidyFolder(destination));
    if (folder.empty())
        return false;
    if (folder.back() != '\\')
        folder += '\\';
    return !startsWith(LowerText(target), folder);
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
