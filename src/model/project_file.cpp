#include "model/project_file.h"

#include "model/profile.h"
#include "model/project_writer.h"
#include "model/recent_list.h"

namespace orv {

bool SaveProjectFile(MenuProject& project)
{
    const std::string path = project.ProjectFilePath;
    if (path.empty() || path == NoProjectFile)
        return false;
    if (!WriteProfileFile(path, StoreOptionsToText(project, false, false, false)))
        return false;
    project.Modified = false;
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
    return WriteProfileFile(FName, StoreOptionsToText(project, bAddFontListToOptionFile, true, false));
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
    project.Modified = false;
    RefreshProjectCaptions(project);
    return version;
}

}  // namespace orv
