// What the menu checks before it acts: the registry value that keeps it from showing, the
// author's text for documents nothing opens, and where the StickGuard button's setup is.
#include "shell/start_condition.h"

#include <map>

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "shell/menu_file_builder.h"

namespace orv::shell {
namespace {

class OneValueRegistry : public platform::Registry {
public:
    std::map<std::string, std::string> values;  // "root|key|name" -> text
    long GetRegKeyVal(int, const std::string&, const std::string&, long d) const override { return d; }
    bool SetRegKeyVal(int, const std::string&, const std::string&, long) override { return false; }
    int GetRegKeyStr(int root, const std::string& key, const std::string& name, std::string& value) const override
    {
        const auto it = values.find(std::to_string(root) + "|" + key + "|" + name);
        if (it == values.end())
            return 0;
        value = it->second;
        return 1;
    }
    bool SetRegKeyStr(int, const std::string&, const std::string&, const std::string&) override { return false; }
    bool CreateRegKey(int, const std::string&) override { return false; }
};

TEST(NoStartCondition, HoldsOnlyWhenTheNamedValueIsThere)
{
    OneValueRegistry registry;
    registry.values["2|Software\\Atlas|DataDisc"] = "Yes";
    registry.values["3|Software\\Atlas|Machine"] = "1";
    const auto holds = [&](const char* root, bool currentUser, const char* key, const char* name, const char* value) {
        return noStartConditionHolds({root, currentUser, key, name, value}, registry);
    };
    EXPECT_TRUE(holds("HKEY_CURRENT_USER", true, "\\Software\\Atlas", "DataDisc", "yes"));
    EXPECT_TRUE(holds("HKEY_CURRENT_USER", true, "Software\\Atlas", "DataDisc", ""));  // any text
    EXPECT_FALSE(holds("HKEY_CURRENT_USER", true, "Software\\Atlas", "DataDisc", "No"));
    EXPECT_FALSE(holds("HKEY_CURRENT_USER", true, "Software\\Atlas", "Other", ""));
    EXPECT_FALSE(holds("", true, "", "", ""));  // no condition set
    EXPECT_FALSE(holds("HKEY_USERS", true, "Software\\Atlas", "DataDisc", ""));
    // The machine's part: under the current user on current systems, else the machine's own.
    EXPECT_TRUE(holds("HKEY_LOCAL_MACHINE", true, "Software\\Atlas", "DataDisc", "Yes"));
    EXPECT_TRUE(holds("HKEY_LOCAL_MACHINE", false, "Software\\Atlas", "Machine", "1"));
    EXPECT_FALSE(holds("HKEY_LOCAL_MACHINE", false, "Software\\Atlas", "DataDisc", ""));
}

TEST(MenuDescriptionForActions, DocumentTextsAndTheStickGuardSetup)
{
    test::MenuFileBuilder file = test::MenuFileBuilder::minimal();
    file.set("ShowDocText", "DocErr_FileExt1", "pdf")
        .set("ShowDocText", "DocErr_FileExt2", "doc, DOCX;.odt")
        .set("ShowDocText", "DocErr_Title2", "Word needed")
        .set("ShowDocText", "DocErr_Text2", "Install a word processor.")
        .set("PortavoLink", "StickGuardSetupFilename", "Setup-StickGuard.exe")
        .set("PortavoLink", "StickGuard_CopySetupFileToSubFolder", "1")
        .set("PortavoLink", "StickGuardSetupFoldername", "\\Stick/Guard")
        .set("Buttons", "NrButtons", "2")
        .button(1, {{"Text", "Activate AutoRun"}, {"Cmd", "Install StickGuard"}})
        .button(2, {{"Text", "Own"}, {"Cmd", "Install StickGuard"}, {"Link", "tools\\sg.exe"}});
    const MenuDescription m = parseMenuDescription(AnsiToUtf8(file.bytes())).menu;
    ASSERT_EQ(m.documentTexts.size(), 2u);
    EXPECT_EQ(documentTextFor(m, "E:\\Docs\\Letter.DocX"), &m.documentTexts[1]);
    EXPECT_EQ(documentTextFor(m, "E:\\Docs\\a.odt")->title, "Word needed");
    EXPECT_EQ(documentTextFor(m, "E:\\Docs\\a.pdf"), &m.documentTexts[0]);
    EXPECT_EQ(documentTextFor(m, "E:\\Docs\\a.txt"), nullptr);
    EXPECT_EQ(documentTextFor(m, "E:\\Docs\\README"), nullptr);
    ASSERT_EQ(m.entries.size(), 2u);
    EXPECT_EQ(m.entries[0].link, "\\StickGuard\\SETUP-STICKGUARD.EXE");
    EXPECT_EQ(m.entries[1].link, "tools\\sg.exe");
}

}  // namespace
}  // namespace orv::shell
