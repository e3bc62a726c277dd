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

TEST(RecentListRules, AddingPutsTheValueOnTopAndMovesAKnownOneWithoutDuplicating)
{
    Entries e;
    RecentList list(e);
    list.add("C:\\a.mnp");
    list.add("C:\\b.mnp");
    list.add("C:\\c.mnp");
    EXPECT_EQ(e, entriesOf({"C:\\c.mnp", "C:\\b.mnp", "C:\\a.mnp"}));

    list.add("C:\\a.mnp");
    EXPECT_EQ(e, entriesOf({"C:\\a.mnp", "C:\\c.mnp", "C:\\b.mnp"}));

    list.add("C:\\a.mnp");
    EXPECT_EQ(e, entriesOf({"C:\\a.mnp", "C:\\c.mnp", "C:\\b.mnp"}));

    list.add("");
    EXPECT_EQ(e, entriesOf({"C:\\a.mnp", "C:\\c.mnp", "C:\\b.mnp"}));
}

TEST(RecentListRules, ASeventhValuePushesTheOldestOut)
{
    Entries e;
    RecentList list(e);
    for (int i = 1; i <= 7; ++i)
        list.add("p" + std::to_string(i));
    EXPECT_EQ(e, entriesOf({"p7", "p6", "p5", "p4", "p3", "p2"}));

    // The oldest, in the sixth place, comes back on top and is not kept twice.
    list.add("p2");
    EXPECT_EQ(e, entriesOf({"p2", "p7", "p6", "p5", "p4", "p3"}));
}

TEST(RecentListRules, ComparisonIsExact)
{
    Entries e = entriesOf({"C:\\Menu\\A.mnp"});
    RecentList(e).add("c:\\menu\\a.mnp");
    EXPECT_EQ(e, entriesOf({"c:\\menu\\a.mnp", "C:\\Menu\\A.mnp"}));
}

TEST(RecentListRules, NoFileMarkersInTheFirstEntryMeanAnEmptyList)
{
    for (const char* marker : {"(tom)", "(empty)"}) {
        Entries e = entriesOf({marker});
        RecentList list(e);
        EXPECT_TRUE(list.isEmpty(1)) << marker;
        EXPECT_FALSE(list.isEnabled(1)) << marker;
        EXPECT_TRUE(list.isVisible(1)) << marker;
        EXPECT_EQ(list.target(1), "") << marker;

        list.add("C:\\new.mnp");
        EXPECT_EQ(e[0], "C:\\new.mnp");
        for (int n = 2; n <= RecentListSize; ++n)
            EXPECT_TRUE(list.isEmpty(n)) << marker << " entry " << n;
    }
    // Further down the list the markers are ordinary values.
    Entries e = entriesOf({"a", "(tom)"});
    EXPECT_FALSE(RecentList(e).isEmpty(2));
}

TEST(RecentListRules, RemovingMovesTheRestUpAndEmptiesTheLast)
{
    Entries e = entriesOf({"a", "b", "c", "d", "e", "f"});
    RecentList list(e);
    list.remove(2);
    EXPECT_EQ(e, entriesOf({"a", "c", "d", "e", "f", ""}));
    list.remove(6);
    EXPECT_EQ(e, entriesOf({"a", "c", "d", "e", "f", ""}));
    list.remove(1);
    EXPECT_EQ(e, entriesOf({"c", "d", "e", "f"}));
    list.remove(0);
    list.remove(7);
    EXPECT_EQ(e, entriesOf({"c", "d", "e", "f"}));
}

TEST(RecentListRules, FirstEntryIsAlwaysShownTheOthersOnlyWithAValue)
{
    Entries e;
    RecentList list(e);
    EXPECT_TRUE(list.isVisible(1));
    EXPECT_FALSE(list.isEnabled(1));
    EXPECT_EQ(list.caption(1), RecentPlaceholderText);
    for (int n = 2; n <= RecentListSize; ++n)
        EXPECT_FALSE(list.isVisible(n)) << n;

    list.add("x");
    list.add("y");
    EXPECT_TRUE(list.isEnabled(1));
    EXPECT_EQ(list.caption(1), "y");
    EXPECT_TRUE(list.isVisible(2));
    EXPECT_TRUE(list.isEnabled(2));
    EXPECT_FALSE(list.isVisible(3));

    list.remove(1);
    list.remove(1);
    EXPECT_TRUE(list.isVisible(1));
    EXPECT_FALSE(list.isEnabled(1));
    EXPECT_FALSE(list.isVisible(2));
    EXPECT_FALSE(list.isVisible(0));
    EXPECT_FALSE(list.isVisible(7));
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
