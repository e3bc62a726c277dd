// The project model: new-project values, the captions a UI reads and the wizard's table (button
// fields by position and by key are the golden files' and the reader's tests).
#include <gtest/gtest.h>

#include "model/menu_project.h"
#include "project/project_test_support.h"

namespace orv::test {
namespace {

TEST(MenuProjectTest, ResetParametersGivesANonameCdProjectAndKeepsUseUnicode)
{
    MenuProject p = filledProject(5);
    p.UseUnicode = true;
    p.SubMenuMode = true;
    p.Wizard.add(MakeTitleRow("x"));
    ResetParameters(p);

    MenuProject fresh;
    fresh.UseUnicode = true;
    EXPECT_EQ(p, fresh);
    EXPECT_EQ(p.ProjectFilePath, "noname");
    EXPECT_EQ(p.FileNameColumnHeading, "Filename (CD/DVD)");

    p.UseUnicode = false;
    ResetParameters(p);
    EXPECT_FALSE(p.UseUnicode);
}

TEST(MenuProjectTest, ButtonStyleNamesOutsideTheListAreEmpty)
{
    EXPECT_EQ(ButtonStyleName(28), "Image / Hotspot");
    EXPECT_EQ(ButtonStyleName(0), "");
    EXPECT_EQ(ButtonStyleName(29), "");
}

TEST(WizardButtonTableTest, HoldsAtMostTenRecords)
{
    WizardButtonTable table;
    for (int i = 1; i <= 10; ++i)
        EXPECT_TRUE(table.add(MakeTitleRow(std::to_string(i))));
    EXPECT_FALSE(table.add(MakeTitleRow("11")));
    EXPECT_EQ(table.Count, 10);
    EXPECT_EQ(table.record(10).Text, "- 10 -");
    table.Count = 99;
    EXPECT_EQ(table.usedCount(), 10);
    table.Count = -1;
    EXPECT_EQ(table.usedCount(), 0);
    table.clear();
    EXPECT_EQ(table, WizardButtonTable{});
}

}  // namespace
}  // namespace orv::test
