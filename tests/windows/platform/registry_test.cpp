// The real registry, in a key of its own below HKEY_CURRENT_USER that the tests remove.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/win32_registry.h"

namespace orv::platform {
namespace {

const std::string Key = "Software\\Veltrona\\OrvantoTest\\Window";

class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Veltrona\\OrvantoTest"); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Veltrona\\OrvantoTest"); }
    Win32Registry registry;
};

TEST_F(Win32RegistryTest, NumbersAndTextRoundTrip)
{
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Width", 77), 77) << "missing: the default";
    std::string text = "untouched";
    EXPECT_EQ(registry.GetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Name", text), 0);
    EXPECT_EQ(text, "untouched");

    ASSERT_TRUE(registry.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Width", 1024));
    ASSERT_TRUE(registry.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Offset", -5));
    ASSERT_TRUE(registry.SetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Name", "Gr\xC3\xBC\xC3\x9F" "e"));
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "WIDTH"), 1024) << "names without regard to case";
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Offset"), -5);
    ASSERT_NE(registry.GetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Name", text), 0);
    EXPECT_EQ(text, "Gr\xC3\xBC\xC3\x9F" "e");
    ASSERT_NE(registry.GetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Width", text), 0);
    EXPECT_EQ(text, "1024") << "a number read as text";

    // Text that is a whole number reads as one; anything else gives the default.
    registry.SetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Count", "42");
    registry.SetRegKeyStr(HKEY_CURRENT_USER_ROOT, Key, "Bad", "4x");
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Count"), 42);
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Bad", 9), 9);
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Name", 9), 9);
}

TEST_F(Win32RegistryTest, KeyPathsAndRoots)
{
    EXPECT_TRUE(registry.CreateRegKey(HKEY_CURRENT_USER_ROOT, "\\Software\\\\Veltrona\\OrvantoTest\\Made\\"));
    HKEY made = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Veltrona\\OrvantoTest\\Made", 0, KEY_READ, &made),
              ERROR_SUCCESS);
    RegCloseKey(made);

    registry.SetRegKeyVal(HKEY_CURRENT_USER_ROOT, Key, "Height", 600);
    EXPECT_EQ(registry.GetRegKeyVal(HKEY_CURRENT_USER_ROOT, "\\" + Key + "\\", "Height"), 600);
    EXPECT_FALSE(registry.SetRegKeyVal(7, Key, "Height", 1)) << "an unknown root";
    EXPECT_EQ(registry.GetRegKeyVal(7, Key, "Height", -1), -1);
}

}  // namespace
}  // namespace orv::platform
