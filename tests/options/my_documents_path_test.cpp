#include <algorithm>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "model/my_documents_path.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "support/test_home.h"

namespace orv {
namespace {

class MyDocumentsPathTest : public test::HomeTest {
protected:
    std::string documents() const { return platform::services().folders->GetMyDocumentsDir(); }

    static std::string upper(std::string s)
    {
        std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::toupper(c)); });
        return s;
    }
};

// "<docs>" stands for the documents folder, "<DOCS>" for it in capitals.
TEST_F(MyDocumentsPathTest, DisplayFormBelowTheDocumentsFolderAndBack)
{
    ASSERT_EQ(documents()[1], ':');
    auto spelled = [&](std::string text) {
        for (const auto& [marker, folder] : {std::pair{"<docs>", documents()}, {"<DOCS>", upper(documents())}})
            if (const auto at = text.find(marker); at != std::string::npos)
                text.replace(at, 6, folder);
        return text;
    };
    const std::pair<const char*, const char*> shortened[] = {
        {"<docs>\\Menus\\a.mnp", "...\\My Documents\\Menus\\a.mnp"},
        {"  <docs>\\a.mnp  ", "...\\My Documents\\a.mnp"},
        {"<DOCS>\\A.MNP", "...\\My Documents\\A.MNP"},
        {"<docs>\\\\twice\\\\a.mnp", "...\\My Documents\\twice\\a.mnp"},
        {"<docs>\\Sub folder\\Åsa\\c.mnp", "...\\My Documents\\Sub folder\\Åsa\\c.mnp"},
        {"<docs>", "...\\My Documents\\"},
        {" E:\\Menus\\a.mnp ", "E:\\Menus\\a.mnp"},  // elsewhere: only the outer blanks go
        {"<docs>2\\a.mnp", "<docs>2\\a.mnp"},
        {"\\\\server\\share\\a.mnp", "\\\\server\\share\\a.mnp"},
        {"a.mnp", "a.mnp"},
        {"", ""},
    };
    for (const auto& [path, display] : shortened)
        EXPECT_EQ(ShortenMyDocumentsPath(spelled(path)), spelled(display)) << path;
    const std::pair<const char*, const char*> expanded[] = {
        {"...\\My Documents\\Menus\\a.mnp", "<docs>\\Menus\\a.mnp"},
        {" ...\\My Documents\\a.mnp ", "<docs>\\a.mnp"},
        {"...\\Mina dokument\\Menyer\\a.mnp", "<docs>\\Menyer\\a.mnp"},  // any language's name
        {"...\\My Documents\\", "<docs>\\"},
        {"...\\My Documents\\Sub folder\\Åsa\\c.mnp", "<docs>\\Sub folder\\Åsa\\c.mnp"},
        {"  E:\\a.mnp", "E:\\a.mnp"},
    };
    for (const auto& [display, path] : expanded)
        EXPECT_EQ(ExpandMyDocumentsPath(display), spelled(path)) << display;
}

TEST_F(MyDocumentsPathTest, NothingIsShortenedWhileTheDocumentsFolderIsMissing)
{
    std::string path = documents() + "\\a.mnp";
    std::filesystem::remove_all(home.path("Documents"));
    EXPECT_EQ(ShortenMyDocumentsPath(path), path);
}

}  // namespace
}  // namespace orv
