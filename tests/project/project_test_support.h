// Helpers of the project-file tests: looking at written files line by line, a project with
// every field filled, and a fixture that resets the editor-wide state the writer reads.
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

// The value written under a key of a section; nullopt-like "<missing>" when absent.
std::string writtenValue(const std::string& text, const std::string& section, const std::string& key);

// The text with the three [DateCreated] values blanked, so files of different days compare.
std::string withoutDate(const std::string& text);

// A project in which every field holds a value other than its new-project value and every
// button field is filled, with the given number of buttons (the last one a title row when
// withTitleRow). Every value survives a save and an open unchanged.
MenuProject filledProject(int buttons, bool withTitleRow = false);

// Makes every member that identifies the file (path, modified flag, captions) equal, so two
// projects can be compared by their content.
void alignFileState(MenuProject& project, const MenuProject& like);

// The lines in which the project files of two projects differ (for failure messages), and
// the project-level values that differ.
std::string describeDifference(const MenuProject& a, const MenuProject& b);

// A test home plus the editor-wide values the writer and reader consult, reset around
// each test.
class ProjectTest : public HomeTest {
protected:
    ProjectTest();
    ~ProjectTest() override;
};

}  // namespace orv::test
