// Installed fonts through fontconfig and the Windows basic font list.
#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "platform/fonts.h"
#include "platform/host/font_catalog.h"
#include "platform/host/host_fonts.h"
#include "platform/services.h"
#include "support/test_home.h"

namespace orv::platform {
namespace {

class FontsTest : public test::HomeTest {
protected:
    const Fonts& fonts() { return *services().fonts; }
};

// This machine's fonts through fontconfig; the naming rules themselves are driven below with
// a catalogue of made-up faces.
TEST_F(FontsTest, InstalledFontsAndFacesOfAFamily)
{
    std::string display, file;
    int index = 0;
    bool dejaVu = false;
    for (; fonts().GetFontInformation(index, display, file); ++index)
        dejaVu = dejaVu || (display == "DejaVu Sans (TrueType)" && file == "DejaVuSans.ttf");
    EXPECT_TRUE(dejaVu) << index << " fonts listed";
    EXPECT_FALSE(fonts().GetFontInformation(-1, display, file));

    std::vector<std::string> faces;
    for (std::string face; fonts().GetFontFamilyInformation(" dejavu sans ", static_cast<int>(faces.size()), face);)
        faces.push_back(face);
    ASSERT_FALSE(faces.empty());
    EXPECT_EQ(faces.front(), "DejaVu Sans") << "the regular face comes first";
    EXPECT_NE(std::find(faces.begin(), faces.end(), "DejaVu Sans Bold"), faces.end());
    std::string face;
    EXPECT_FALSE(fonts().GetFontFamilyInformation("No Such Family 123", 0, face));
    EXPECT_FALSE(fonts().GetFontFamilyInformation("DejaVu Sans", -1, face));
}

TEST_F(FontsTest, ListedFontFilesCanBeLocatedForCopying)
{
    std::string path = fonts().locateFontFile("dejavusans.TTF");
    ASSERT_FALSE(path.empty());
    EXPECT_EQ(path.substr(1, 2), ":\\");
    auto host = services().files->hostPath(path);
    EXPECT_EQ(host.filename(), "DejaVuSans.ttf");
    EXPECT_TRUE(std::filesystem::is_regular_file(host));
    EXPECT_EQ(fonts().locateFontFile("C:\\Windows\\Fonts\\DejaVuSans.ttf"), path) << "the folder part is ignored";
    EXPECT_TRUE(fonts().locateFontFile("nosuchfont.ttf").empty());
    EXPECT_TRUE(fonts().locateFontFile("").empty());
}

TEST_F(FontsTest, BasicWindowsFontsAreRecognised)
{
    for (const char* name : {"Arial", "times new roman", "COURIER NEW", " Verdana ", "Tahoma", "Segoe UI", "Wingdings"})
        EXPECT_EQ(fonts().IsWindowsBasicFont(name), -1) << name;
    for (const char* name : {"DejaVu Sans", "Arial Unicode MS", "Arial Bold", "", "Ariall"})
        EXPECT_EQ(fonts().IsWindowsBasicFont(name), 0) << name;
}

TEST(FontCatalog, CollectionsAreNamedTogetherAndOnlyScalableFilesCount)
{
    auto face = [](std::string family, std::string full, std::string file, int index, int weight = 80) {
        FontFace f;
        f.families = {std::move(family)};
        f.fullName = std::move(full);
        f.file = std::move(file);
        f.index = index;
        f.weight = weight;
        return f;
    };
    FontCatalog catalog({face("Cambria", "Cambria", "/f/cambria.ttc", 0), face("Cambria Math", "Cambria Math", "/f/cambria.ttc", 1),
                         face("Zeta", "Zeta Bold", "/f/zeta-b.otf", 0, 200), face("Zeta", "Zeta", "/f/zeta.otf", 0),
                         face("alpha", "alpha", "/f/Alpha.TTF", 0)});
    const auto& list = catalog.installed();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[0].displayName, "alpha (TrueType)");
    EXPECT_EQ(list[0].fileName, "Alpha.TTF");
    EXPECT_EQ(list[1].displayName, "Cambria & Cambria Math (TrueType)");
    EXPECT_EQ(list[2].displayName, "Zeta (OpenType)");
    EXPECT_EQ(list[3].displayName, "Zeta Bold (OpenType)");

    std::string name;
    ASSERT_TRUE(catalog.faceOfFamily("ZETA", 0, name));
    EXPECT_EQ(name, "Zeta") << "lighter weights first";
    ASSERT_TRUE(catalog.faceOfFamily("zeta", 1, name));
    EXPECT_EQ(name, "Zeta Bold");
    EXPECT_FALSE(catalog.faceOfFamily("zeta", 2, name));
    EXPECT_EQ(catalog.fileNamed("CAMBRIA.TTC"), std::filesystem::path("/f/cambria.ttc"));

    EXPECT_TRUE(isListedFontFile("/x/a.TTF"));
    EXPECT_FALSE(isListedFontFile("/x/a.pcf.gz"));
    EXPECT_FALSE(isListedFontFile("/x/a.pfb"));
}

}  // namespace
}  // namespace orv::platform
