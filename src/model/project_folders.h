// The editor-wide folders that are not stored: where project files are proposed and where
// created menus go, and the optional "Orvanto" folders below the user's documents folder.
#pragma once

#include <string>

namespace orv {

struct EditorFolders {
    std::string ProjectFolder;       // folder proposed for project files
    std::string CreatedMenusFolder;  // "My Created Menus" once it exists, else empty
};

// The folders in force for this run of the editor.
EditorFolders& Folders();

// Documents + "\Orvanto", + "\Orvanto\My Projects", + "\Orvanto\My Created Menus"; empty
// when the documents folder is not known.
std::string OrvantoDocumentsFolder();
std::string MyProjectsFolder();
std::string MyCreatedMenusFolder();

// UserProjectDir when set and existing; else "My Projects" when it exists; else the
// editor's folder + "\Projects".
std::string ProjectFolderRule();
// "My Created Menus" when it exists, else empty.
std::string CreatedMenusFolderRule();

// Start-up: puts both rules in force in Folders().
void DetermineEditorFolders();

// Start-up follow-up: whether the question "Create Project Folder in My Documents" is to be
// asked. Not when it was answered before or the documents folder is unknown; when "My
// Projects" already exists the question counts as answered (MyProjectsFolderAutoCreateDone
// is set) and is not asked.
bool ProjectFolderQuestionNeeded();

// Either answer marks the question as answered; Yes creates the folders.
void AnswerProjectFolderQuestion(bool create);

// Makes "\Orvanto", "My Projects" and "My Created Menus" in the documents folder, each only
// when the one before exists, and puts the ones that exist in force. The project folder
// falls back to the editor's folder + "\Projects" first.
void CreateOrvnDocFolders();

// Start-up follow-up: when "My Projects" exists, makes "My Created Menus" next to it if
// missing and puts it in force as the created-menus folder.
void PrepareCreatedMenusFolder();

}  // namespace orv
