// Helpers of the project-file tests: looking at written files line by line, the golden
// files, a new project and one with every field filled.
#pragma once

#include <string>
#include <vector>

#include "model/menu_project.h"
#include "model/sibling_products.h"
#include "support/test_home.h"

namespace orv::test {

// The lines of a CR LF text (the final line break ends the last line).
std::vector<std::string> crlfLines(const std::string& text);

// The value lines of a section ("key = value"), up to its empty line; empty when the
// section is missing.
std::vector<std::string> sectionLines(const std::string& text, const std::string& section);
bool hasSection(const std::string& text, const std::string& section);

// The value written under a key of a section; "<missing>" when absent.
std::string writtenValue(const std::string& text, const std::string& section, const std::string& key);

// The text with what changes from write to write replaced as the golden files spell it:
// the [DateCreated] values and password verifiers by "#", a scrambled protection flag by
// "#" and the flag.
std::string comparable(const std::string& text);

// A golden file of tests/data/golden, as UTF-8.
std::string golden(const std::string& name);

// A project in which every field of the key table holds a value other than its new-project
// value (numbers and texts also other than the reader's default), every button field is
// filled, with the given number of buttons (the last one a title row when withTitleRow).
// Every value survives a save and an open unchanged.
MenuProject filledProject(int buttons, bool withTitleRow = false);

// Makes every member that identifies the file (path, modified flag, captions) equal, so two
// projects can be compared by their content.
void alignFileState(MenuProject& project, const MenuProject& like);

// A project as the editor's New command makes it, and one read from a file text (UTF-8,
// any line ends) into a new project.
MenuProject newProject();
MenuProject readProject(const std::string& text);

// The session state, the writer's and reader's editor-wide values included, is reset
// around each test by the test home.
using ProjectTest = HomeTest;

}  // namespace orv::test
