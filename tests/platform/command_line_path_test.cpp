// Paths typed on a command line in every form a user types them, turned into the Windows
// form the model works on (Z: is "/", E: is "/media/stick").
#include <fstream>

#include <gtest/gtest.h>

#include "platform/command_line_path.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

TEST(CommandLinePath, EveryFormOfATypedPath)
{
    test::TestHome home;
    std::ofstream(home.path("drives.ini")) << "[Drives]\nE = /media/stick\n";

    struct Case {
        const char* working;
        const char* typed;
        const char* windows;
        bool relative;
    };
    const Case cases[] = {
        {"/work/menus", "", "", false},
        // Host paths: absolute, or taken from the working folder; through the drive map.
        {"/work/menus", "/tmp/x.mnp", "Z:\\tmp\\x.mnp", false},
        {"/work/menus", "/tmp/x y/", "Z:\\tmp\\x y", false},
        {"/work/menus", "/", "Z:\\", false},
        {"/work/menus", "/tmp/a/../x.mnp", "Z:\\tmp\\x.mnp", false},
        {"/work/menus", "/media/stick/menu/a.mnp", "E:\\menu\\a.mnp", false},
        {"/work/menus", "/media/stick", "E:\\", false},
        {"/work/menus", "/media/sticky/a.mnp", "Z:\\media\\sticky\\a.mnp", false},
        {"/work/menus", "x.mnp", "Z:\\work\\menus\\x.mnp", true},
        {"/work/menus", "./sub/../x.mnp", "Z:\\work\\menus\\x.mnp", true},
        {"/work/menus", "sub\\x.mnp", "Z:\\work\\menus\\sub\\x.mnp", true},
        {"/work/menus", "../../../x.mnp", "Z:\\x.mnp", true},
        {"/media/stick/menus", "x.mnp", "E:\\menus\\x.mnp", true},
        // Windows form: kept, with single backslashes and no trailing one but a root's.
        {"/work/menus", "Z:\\tmp\\x.mnp", "Z:\\tmp\\x.mnp", false},
        {"/work/menus", "Z:/tmp/x.mnp", "Z:\\tmp\\x.mnp", false},
        {"/work/menus", "e:/menu/", "e:\\menu", false},
        {"/work/menus", "Q:\\\\menu\\\\a.mnp", "Q:\\menu\\a.mnp", false},
        {"/work/menus", "E:\\", "E:\\", false},
        {"/work/menus", "E:\\a\\.\\b\\..\\..\\..\\c", "E:\\c", false},
        // Drive-relative: the working folder on its own drive, the root on any other.
        {"/work/menus", "Z:sub\\x.mnp", "Z:\\work\\menus\\sub\\x.mnp", false},
        {"/work/menus", "z:..\\x.mnp", "z:\\work\\x.mnp", false},
        {"/work/menus", "Z:", "Z:\\work\\menus", false},
        {"/work/menus", "C:relative.mnp", "C:\\relative.mnp", false},
        {"/work/menus", "C:", "C:\\", false},
        {"/media/stick/menus", "E:x.mnp", "E:\\menus\\x.mnp", false},
        // Rooted without a drive: the working folder's drive.
        {"/work/menus", "\\menu\\x.mnp", "Z:\\menu\\x.mnp", false},
        {"/media/stick/menus", "\\x.mnp", "E:\\x.mnp", false},
        // Network paths: the share is the root that ".." stops at.
        {"/work/menus", "\\\\server\\share\\x.mnp", "\\\\server\\share\\x.mnp", false},
        {"/work/menus", "\\\\server/share/dir/", "\\\\server\\share\\dir", false},
        {"/work/menus", "\\\\server\\share\\..\\..\\x.mnp", "\\\\server\\share\\x.mnp", false},
        {"/work/menus", "\\\\server\\share", "\\\\server\\share", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commandLinePathToWindows(c.typed, c.working, services().files), c.windows)
            << c.typed << " in " << c.working;
        EXPECT_EQ(isRelativePath(c.typed), c.relative) << c.typed;
    }
}

}  // namespace
}  // namespace orv::platform
