// orvntool upgrade leaves a write-protected project as it is, as the editor does.
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "app/tool/tool_commands.h"
#include "model/editor_options.h"
#include "support/test_home.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;

class ToolUpgradeProtectionTest : public HomeTest {
protected:
    int upgrade(std::vector<std::string> args)
    {
        args.insert(args.begin(), "upgrade");
        err.str({});
        tool::ToolCommands commands(out, err, [] { ReadEditorOptions(); });
        return commands.run(args);
    }
    std::ostringstream out, err;
};

TEST_F(ToolUpgradeProtectionTest, RefusesAWriteProtectedTargetButUpgradesIntoAnotherFile)
{
    const std::string text = "[Origin]\r\nVer = 4.1\r\n[Title]\r\nTitleText = Old menu\r\n";
    home.writeFile("old.mnp", text);
    fs::permissions(home.path("old.mnp"), fs::perms(0444));
    const std::string old = home.path("old.mnp").string();

    EXPECT_EQ(upgrade({old}), tool::ExitFailure);
    EXPECT_EQ(err.str(), "orvntool: '" + old +
                             "' is write-protected; name another file to write the upgraded project to\n");
    EXPECT_EQ(home.readFile("old.mnp"), text);
    EXPECT_EQ(fs::status(home.path("old.mnp")).permissions(), fs::perms(0444));

    EXPECT_EQ(upgrade({old, home.path("new.mnp").string()}), tool::ExitOk) << err.str();
    EXPECT_NE(home.readFile("new.mnp").find("TitleText = Old menu"), std::string::npos);
}

}  // namespace
}  // namespace orv::test
