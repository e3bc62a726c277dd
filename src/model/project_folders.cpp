#include "model/project_folders.h"

#include "model/editor_options.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"

namespace orv {

namespace {

platform::FileSystem& files() { return *platform::services().files; }

bool dirExists(const std::string& folder) { return !folder.empty() && files().DirExists(folder) != 0; }

// Creates the folder when missing (errors ignored) and tells whether it exists afterwards.
bool ensureDir(const std::string& folder)
{
    if (folder.empty())
        return false;
    if (!dirExists(folder))
        files().DirCreate(folder);
    return dirExists(folder);
}

std::string documentsFolder() { return platform::services().folders->GetMyDocumentsDir(); }

std::string below(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return {};
    return JoinPath(folder, name);
}

std::string programProjectsFolder() { return below(platform::services().folders->ProgramFolder(), "Projects"); }

}  // namespace

std::string OrvantoDocumentsFolder() { return below(documentsFolder(), "Orvanto"); }
std::string MyProjectsFolder() { return below(OrvantoDocumentsFolder(), "My Projects"); }
std::string MyCreatedMenusFolder() { return below(OrvantoDocumentsFolder(), "My Created Menus"); }

std::string ProjectFolderRule()
{
    const std::string& user = Options().UserProjectDir;
    if (dirExists(user))
        return user;
    if (std::string myProjects = MyProjectsFolder(); dirExists(myProjects))
        return myProjects;
    return programProjectsFolder();
}

std::string CreatedMenusFolderRule()
{
    std::string created = MyCreatedMenusFolder();
    return dirExists(created) ? created : std::string();
}

void DetermineEditorFolders()
{
    Folders().ProjectFolder = ProjectFolderRule();
    Folders().CreatedMenusFolder = CreatedMenusFolderRule();
}

bool ProjectFolderQuestionNeeded()
{
    if (Options().MyProjectsFolderAutoCreateDone || documentsFolder().empty())
        return false;
    if (dirExists(MyProjectsFolder())) {
        Options().MyProjectsFolderAutoCreateDone = true;
        return false;
    }
    return true;
}

void AnswerProjectFolderQuestion(bool create)
{
    Options().MyProjectsFolderAutoCreateDone = true;
    if (create)
        CreateOrvnDocFolders();
}

void CreateOrvnDocFolders()
{
    Folders().ProjectFolder = programProjectsFolder();
    if (!dirExists(documentsFolder()) || !ensureDir(OrvantoDocumentsFolder()))
        return;
    std::string myProjects = MyProjectsFolder();
    if (!ensureDir(myProjects))
        return;
    Folders().ProjectFolder = myProjects;
    std::string created = MyCreatedMenusFolder();
    if (ensureDir(created))
        Folders().CreatedMenusFolder = created;
}

void PrepareCreatedMenusFolder()
{
    if (!dirExists(MyProjectsFolder()))
        return;
    std::string created = MyCreatedMenusFolder();
    if (ensureDir(created))
        Folders().CreatedMenusFolder = created;
}

}  // namespace orv
