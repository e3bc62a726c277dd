#include "create_fixture.h"

#include <algorithm>

#include "create/create_menu.h"
#include "platform/host/host_crypto.h"
#include "platform/services.h"

namespace fs = std::filesystem;

namespace orv::test {

void RecordingObserver::copying(const std::string& name, const std::string&, const std::string& target)
{
    copiedNames.push_back(name);
    if (onCopying)
        onCopying(target);
}

StickGuardOfferAnswer RecordingObserver::offerStickGuardButton(bool dontShowChecked)
{
    ++offersShown;
    if (offerAnswers.empty())
        return {platform::AnswerNo, dontShowChecked};
    StickGuardOfferAnswer answer = offerAnswers.front();
    offerAnswers.pop_front();
    return answer;
}

platform::MessageAnswer RecordingObserver::askEditStickGuardButton()
{
    ++editQuestions;
    if (editAnswers.empty())
        return platform::AnswerNo;
    platform::MessageAnswer answer = editAnswers.front();
    editAnswers.pop_front();
    return answer;
}

CreateTest::CreateTest()
{
    fs::permissions(home.path("program/Release/ORVNMENU.EXE"), fs::perms::owner_all | fs::perms::group_read);
    if (auto* crypto = dynamic_cast<platform::HostCrypto*>(platform::services().crypto))
        crypto->useIterationsForTests(1000);
    programDir = home.win("program");
    std::filesystem::create_directories(home.path("menu"));
    project.CreateDestDir = dest();
    project.UseAutorun = 0;
    project.TitleFontName = "Arial";  // a font every system has: no [Fonts] entries
}

bool CreateTest::create(const std::function<void(CreateDialogState&)>& adjust)
{
    CreateDialogState dialog = LoadCreateDialog(project);
    if (adjust)
        adjust(dialog);
    return CmdCreateMenu(project, dialog, observer);
}

bool CreateTest::exists(const std::string& relative) const
{
    std::error_code ec;
    return fs::exists(out(relative), ec);
}

std::string CreateTest::source(const std::string& relative, const std::string& bytes)
{
    return home.writeFile("src/" + relative, bytes);
}

std::string CreateTest::onlyMessage()
{
    EXPECT_EQ(messages().size(), 1u);
    return messages().empty() ? std::string() : messages().back().text;
}

void CreateTest::expectMessage(const std::string& text, const std::string& title, int style)
{
    EXPECT_EQ(onlyMessage(), text);
    if (!messages().empty() && !title.empty())
        EXPECT_EQ(messages().back().title, title) << text;
    if (!messages().empty() && style != 0)
        EXPECT_EQ(messages().back().style, style) << text;
    home.ui().clear();
}

std::vector<std::string> CreateTest::tree() const
{
    std::vector<std::string> entries;
    const fs::path root = home.path("menu");
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return entries;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator(); ++it) {
        std::string rel = fs::relative(it->path(), root).generic_string();
        entries.push_back(it->is_directory() ? rel + "/" : rel);
    }
    std::sort(entries.begin(), entries.end());
    return entries;
}

MenuButton LinkedButton(const std::string& text, const std::string& cmd, const std::string& link,
                        const std::string& sourceFile, const std::string& csf)
{
    MenuButton button = ButtonWithMissingValues();
    button.Text = text;
    button.Cmd = cmd;
    button.Link = link;
    button.SourceFile = sourceFile;
    button.CSF = csf;
    return button;
}

}  // namespace orv::test
