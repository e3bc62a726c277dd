// The registry store: values round trip through the profile file, names are compared
// without regard to case, and the file is shared with other programs.
#include <fstream>

#include <gtest/gtest.h>

#include "platform/registry.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

const char* ResizeKey = "Software\\Veltrona\\Orvanto\\ResizeMode";

class RegistryTest : public test::HomeTest {
protected:
    Registry& registry() { return *services().registry; }
};

TEST_F(RegistryTest, ValuesRoundTripThroughOneLineEachNamedWithoutCase)
{
    Registry& r = registry();
    EXPECT_TRUE(r.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Width", 1024));
    EXPECT_TRUE(r.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Height", -3));
    EXPECT_TRUE(r.SetRegKeyStr(HKEY_LOCAL_MACHINE_ROOT, "Software\\Portavo", "Path", "E:\\Portavo café"));
    EXPECT_TRUE(r.SetRegKeyStr(HKEY_CURRENT_USER_ROOT, ResizeKey, "Depth", "12px"));
    EXPECT_TRUE(r.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, "software\\VELTRONA\\orvanto\\RESIZEMODE", "width", 800));
    EXPECT_EQ(r.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, "SOFTWARE\\veltrona\\ORVANTO\\resizemode", "WIDTH"), 800);
    EXPECT_EQ(r.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Height"), -3);
    std::string text;
    EXPECT_NE(r.GetRegKeyStr(HKEY_LOCAL_MACHINE_ROOT, "Software\\Portavo", "Path", text), 0);
    EXPECT_EQ(text, "E:\\Portavo café");

    const std::string file = home.readFile("registry.ini");
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Veltrona\\Orvanto\\ResizeMode]\r\nWidth = 800\r\n"),
              std::string::npos) << file;
    EXPECT_EQ(file.find("idth = ", file.find("Width = ") + 2), std::string::npos) << "one line per value: " << file;

    // The default for what is missing, in another root, or no number; unknown roots refused.
    EXPECT_EQ(r.GetRegKeyVal(HKEY_LOCAL_MACHINE_ROOT, ResizeKey, "Width", 77), 77);
    EXPECT_EQ(r.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Missing", -1), -1);
    EXPECT_EQ(r.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Depth", 9), 9);
    text = "kept";
    EXPECT_EQ(r.GetRegKeyStr(HKEY_CURRENT_USER_ROOT, "Software\\Nothing", "X", text), 0);
    EXPECT_EQ(text, "kept");
    EXPECT_FALSE(r.SetRegKeyVal(9, ResizeKey, "Width", 1));
    EXPECT_EQ(r.GetRegKeyVal(9, ResizeKey, "Width", 4), 4);
}

TEST_F(RegistryTest, CreateRegKeyMakesAnEmptyKeyOnce)
{
    EXPECT_TRUE(registry().CreateRegKey(HKEY_CURRENT_USER_ROOT, "\\Software\\\\Veltrona\\New\\"));
    EXPECT_TRUE(registry().CreateRegKey(HKEY_CURRENT_USER_ROOT, "software\\veltrona\\new"));
    std::string file = home.readFile("registry.ini");
    EXPECT_NE(file.find("[HKEY_CURRENT_USER\\Software\\Veltrona\\New]"), std::string::npos) << file;
    EXPECT_EQ(file.find("[HKEY_CURRENT_USER", 1), std::string::npos) << "created once: " << file;
}

TEST_F(RegistryTest, ValuesWrittenByAnotherProgramAreSeen)
{
    EXPECT_EQ(registry().GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Width", -1), -1);
    std::ofstream(home.path("registry.ini")) << "[HKEY_CURRENT_USER\\Software\\Veltrona\\Orvanto\\ResizeMode]\n"
                                                "Width=1152\nHeight = 864\n@ = default\n";
    EXPECT_EQ(registry().GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Width"), 1152);
    EXPECT_EQ(registry().GetRegKeyVal(HKEY_CURRENT_USER_ROOT, ResizeKey, "Height"), 864);
    std::string text;
    EXPECT_NE(registry().GetRegKeyStr(HKEY_CURRENT_USER_ROOT, ResizeKey, "", text), 0);
    EXPECT_EQ(text, "default") << "the unnamed value of a key";
}

}  // namespace
}  // namespace orv::platform
