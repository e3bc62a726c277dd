#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/editor_options.h"
#include "model/recent_list.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv {
namespace {

using Entries = RecentList::Entries;

Entries entriesOf(std::vector<std::string> values)
{
    Entries e;
    for (std::size_t i = 0; i < values.size() && i < e.size(); ++i)
        e[i] = values[i];
    return e;
}

TEST(RecentListRules, AddingAndRemoving)
{
    const Entries full = entriesOf({"p6", "p5", "p4", "p3", "p2", "p1"});
    struct Case {
        const char* what;
        Entries before;
        const char* added;  // nullptr: entry `removed` is removed instead
        int removed;
        Entries after;
    };
    const Case cases[] = {
        {"on top", entriesOf({"b", "a"}), "c", 0, entriesOf({"c", "b", "a"})},
        {"a known value moves up", entriesOf({"c", "b", "a"}), "a", 0, entriesOf({"a", "c", "b"})},
        {"the top one stays", entriesOf({"a", "c"}), "a", 0, entriesOf({"a", "c"})},
        {"an empty value adds nothing", entriesOf({"a"}), "", 0, entriesOf({"a"})},
        {"a seventh pushes the oldest out", full, "p7", 0, entriesOf({"p7", "p6", "p5", "p4", "p3", "p2"})},
        {"the oldest comes back on top", full, "p1", 0, entriesOf({"p1", "p6", "p5", "p4", "p3", "p2"})},
        {"compared exactly", entriesOf({"C:\\A.mnp"}), "c:\\a.mnp", 0, entriesOf({"c:\\a.mnp", "C:\\A.mnp"})},
        {"(tom) means no file", entriesOf({"(tom)"}), "x", 0, entriesOf({"x"})},
        {"(empty) means no file", entriesOf({"(empty)"}), "x", 0, entriesOf({"x"})},
        {"removing moves the rest up", full, nullptr, 2, entriesOf({"p6", "p4", "p3", "p2", "p1"})},
        {"removing the last", full, nullptr, 6, entriesOf({"p6", "p5", "p4", "p3", "p2"})},
        {"entry 0 is none", full, nullptr, 0, full},
        {"entry 7 is none", full, nullptr, 7, full},
    };
    for (Case c : cases) {
        RecentList list(c.before);
        if (c.added)
            list.add(c.added);
        else
            list.remove(c.removed);
        EXPECT_EQ(c.before, c.after) << c.what;
    }
}

// Entry 1 is always shown, enabled only with a file; the others are shown with a value. "(tom)"
// and "(empty)" mean no file in the first entry only.
TEST(RecentListRules, WhichEntriesAreShownAndEnabled)
{
    struct Case {
        Entries entries;
        const char* shown;  // entries 1 to 6
        const char* enabled;
        const char* caption;
    };
    const Case cases[] = {
        {entriesOf({}), "100000", "000000", RecentPlaceholderText},
        {entriesOf({"(tom)"}), "100000", "000000", RecentPlaceholderText},
        {entriesOf({"(empty)"}), "100000", "000000", RecentPlaceholderText},
        {entriesOf({"y", "x"}), "110000", "110000", "y"},
        {entriesOf({"a", "(tom)"}), "110000", "110000", "a"},
    };
    for (Case c : cases) {
        RecentList list(c.entries);
        std::string shown, enabled;
        for (int n = 1; n <= RecentListSize; ++n) {
            shown += list.isVisible(n) ? '1' : '0';
            enabled += list.isEnabled(n) ? '1' : '0';
        }
        EXPECT_EQ(shown, c.shown) << c.entries[0];
        EXPECT_EQ(enabled, c.enabled) << c.entries[0];
        EXPECT_EQ(list.caption(1), c.caption);
        EXPECT_EQ(list.isEmpty(1), c.enabled[0] == '0') << c.entries[0];
        EXPECT_FALSE(list.isVisible(0) || list.isVisible(7));
    }
    // The entry chosen opens nothing when it is a marker or too short for a file name.
    for (const auto& [entry, target] : {std::pair{"(tom)", ""}, {"ab", ""}, {"abc", "abc"}}) {
        Entries entries = entriesOf({entry});
        EXPECT_EQ(RecentList(entries).target(1), target) << entry;
    }
}

class RecentOptionsTest : public test::HomeTest {
protected:
    std::string documents() const { return platform::services().folders->GetMyDocumentsDir(); }
};

TEST_F(RecentOptionsTest, ProjectsBelowTheDocumentsFolderAreKeptInDisplayForm)
{
    std::string project = documents() + "\\Menus\\Fair\\fair.mnp";
    HandleRecentFilesMenu(project);
    HandleRecentFoldersMenu(project);
    EXPECT_EQ(Options().RecentFiles[0], "...\\My Documents\\Menus\\Fair\\fair.mnp");
    EXPECT_EQ(Options().RecentFolders[0], "...\\My Documents\\Menus\\Fair");

    // Choosing the entry opens the real path again.
    EXPECT_EQ(RecentFilesList().target(1), project);
    EXPECT_EQ(RecentFoldersList().target(1), documents() + "\\Menus\\Fair");

    // The same project opened again is not added twice.
    HandleRecentFilesMenu(project);
    EXPECT_EQ(Options().RecentFiles[1], "");

    // Elsewhere paths are kept as they are; an empty path adds nothing.
    HandleRecentFilesMenu("E:\\Work\\menu.mnp");
    HandleRecentFoldersMenu("E:\\Work\\menu.mnp");
    HandleRecentFilesMenu("");
    HandleRecentFoldersMenu("");
    EXPECT_EQ(Options().RecentFiles[0], "E:\\Work\\menu.mnp");
    EXPECT_EQ(Options().RecentFolders[0], "E:\\Work");
    EXPECT_EQ(Options().RecentFiles[2], "");
    EXPECT_EQ(RecentFilesList().target(1), "E:\\Work\\menu.mnp");
}

TEST_F(RecentOptionsTest, RemovingAnEntryOfTheRecentFiles)
{
    Options().RecentFiles = entriesOf({"a.mnp", "b.mnp", "c.mnp"});
    Options().RecentFolders = entriesOf({"F1", "F2"});
    RemoveFileFromRecentFileList(1);
    EXPECT_EQ(Options().RecentFiles, entriesOf({"b.mnp", "c.mnp"}));
    EXPECT_EQ(Options().RecentFolders, entriesOf({"F1", "F2"}));
}

TEST_F(RecentOptionsTest, StartWindowListsUpToFourProjectsByFileName)
{
    Options().RecentFiles = entriesOf({"(tom)", "C:\\x\\two.mnp", "ab", "...\\My Documents\\four.mnp",
                                       "D:\\five.mnp", "E:\\six.mnp"});
    auto lines = StartWindowRecentProjects();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].entry, 2);
    EXPECT_EQ(lines[0].name, "two.mnp");
    EXPECT_EQ(lines[1].entry, 4);  // only entries 1 to 4, and none shorter than three characters
    EXPECT_EQ(lines[1].name, "four.mnp");

    Options().RecentFiles = entriesOf({"name-only.mnp"});
    lines = StartWindowRecentProjects();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].name, "name-only.mnp");
}

}  // namespace
}  // namespace orv
