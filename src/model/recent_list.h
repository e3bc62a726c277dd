// The two recent lists of the File menu (recent project files and their folders) and the
// start window's list of recent projects. The entries live in EditorOptions::RecentFiles and
// RecentFolders in their display form ("...\My Documents\..." for paths below the user's
// documents folder), newest first.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/editor_options.h"

namespace orv {

// The caption of an empty first entry.
inline constexpr const char* RecentPlaceholderText = "(empty)";

// The stored values of an empty first entry written by earlier versions.
inline constexpr const char* RecentNoFileSwedish = "(tom)";
inline constexpr const char* RecentNoFileEnglish = "(empty)";

// A view of one list's six entries; entry numbers run from 1 to 6.
class RecentList {
public:
    using Entries = std::array<std::string, RecentListSize>;

    explicit RecentList(Entries& entries) : entries_(entries) {}

    // Puts value (in display form) on top. Entries equal to it (exact comparison) among the
    // first five are removed first, so the list never holds it twice; the sixth entry falls
    // off when nothing was removed. A "no file" first entry is emptied first. An empty value
    // changes nothing.
    void add(const std::string& value);

    // Removes entry n; the entries below move up and the last becomes empty. Out-of-range
    // numbers change nothing.
    void remove(int n);

    // The stored text of entry n (empty out of range).
    const std::string& text(int n) const;
    // True when entry n holds no file: empty, or "(tom)" / "(empty)" in entry 1.
    bool isEmpty(int n) const;
    // What the menu shows: the placeholder for an empty first entry, else the stored text.
    std::string caption(int n) const;
    // Entry 1 is always shown; the others only when they hold a value.
    bool isVisible(int n) const;
    // An entry can be chosen when it holds a value.
    bool isEnabled(int n) const;
    // The full path that choosing entry n opens: the expanded text when it is longer than two
    // characters and not a "no file" value, else empty.
    std::string target(int n) const;

private:
    Entries& entries_;
};

// The lists of the options in force.
RecentList RecentFilesList();
RecentList RecentFoldersList();

// Put the project file (respectively its folder) on top of its list, in display form.
// Nothing happens for an empty path.
void HandleRecentFilesMenu(const std::string& projectPath);
void HandleRecentFoldersMenu(const std::string& projectPath);

// Removes entry n (1 to 6) of the recent files.
void RemoveFileFromRecentFileList(int n);

// One line of the start window's recent-project list.
struct RecentProjectLine {
    int entry = 0;     // entry number in the recent files (1 to 4), for code 104
    std::string name;  // the file name shown
};

// Recent files 1 to 4 that hold a project (text longer than two characters), with their
// file names.
std::vector<RecentProjectLine> StartWindowRecentProjects();

}  // namespace orv
