#include "model/project_file.h"

#include <filesystem>

#include "model/file_io.h"
#include "model/profile.h"
#include "model/profile_names.h"
#include "model/project_fields.h"
#include "model/project_writer.h"
#include "model/recent_list.h"

namespace orv {

namespace {

// A header line as the profile parser reads it: "[" ... "]" with the name between.
bool isKnownHeader(std::string_view line)
{
    line = detail::trimBlanks(line);
    if (line.empty() || line.front() != '[')
        return false;
    const size_t close = line.rfind(']');
    if (close == std::string_view::npos || close == 0)
        return false;
    return IsProjectSectionName(detail::trimBlanks(line.substr(1, close - 1)));
}

}  // namespace

bool IsProjectText(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    size_t at = 0;
    while (at < bytes.size()) {
        size_t end = bytes.find_first_of(std::string_view("\r\n\0", 3), at);
        if (end == std::string_view::npos)
            end = bytes.size();
        if (isKnownHeader(bytes.substr(at, end - at)))
            return true;
        if (end < bytes.size() && bytes[end] == '\0')
            return false;  // binary or UTF-16 before any known section
        at = end + 1;
    }
    return false;
}

ProjectFileKind ProjectFileKindOf(const std::string& file)
{
    if (file.empty())
        return ProjectFileKind::Missing;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(HostPath(file), ec);
    if (ec || !std::filesystem::exists(status))
        return ProjectFileKind::Missing;
    // Checked before any read: opening a named pipe would wait for a writer.
    if (!std::filesystem::is_regular_file(status))
        return ProjectFileKind::NotProject;
    std::string bytes;
    if (!ReadFileBytes(file, bytes))
        return ProjectFileKind::Missing;
    return IsProjectText(bytes) ? ProjectFileKind::Project : ProjectFileKind::NotProject;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    if (a.empty() || b.empty())
        return false;
    std::error_code ec;
    return std::filesystem::equivalent(HostPath(a), HostPath(b), ec) && !ec;
}

std::string NotAProjectFileText(const std::string& file) { return file + " is not a project file"; }

bool SaveProjectFile(MenuProject& project)
{
    const std::string path = project.ProjectFilePath;
    if (path.empty() || path == NoProjectFile)
        return false;
    if (!WriteProfileFile(path, StoreOptionsToText(project)))
        return false;
    HandleRecentFilesMenu(path);
    HandleRecentFoldersMenu(path);
    return true;
}

bool SaveProjectFileAs(MenuProject& project, const std::string& path)
{
    if (path.empty())
        return false;
    project.ProjectFilePath = path;
    RefreshProjectCaptions(project);
    return SaveProjectFile(project);
}

bool CreateCDDataFile(const MenuProject& project, const std::string& FName, bool bAddFontListToOptionFile)
{
    if (FName.empty())
        return false;
    const WriteOptions options = bAddFontListToOptionFile ? WriteOptions::MenuDescription | WriteOptions::ListFontFiles
                                                          : WriteOptions::MenuDescription;
    return WriteProfileFile(FName, StoreOptionsToText(project, options));
}

ProjectFileVersion OpenProjectFile(MenuProject& project, const std::string& path)
{
    if (path.empty())
        return {};
    project.ProjectFilePath = path;
    project.Buttons.clear();
    ProjectFileVersion version = LoadOptionsFromFile(project);
    HandleRecentFilesMenu(path);
    HandleRecentFoldersMenu(path);
    RefreshProjectCaptions(project);
    return version;
}

}  // namespace orv
