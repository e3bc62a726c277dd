#include "support/test_home.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "model/ansi_codec.h"
#include "model/editor_options.h"
#include "model/messages.h"
#include "model/project_folders.h"
#include "model/project_writer.h"
#include "model/sibling_products.h"
#include "platform/file_system.h"

namespace orv::test {

namespace {
std::filesystem::path makeTempRoot()
{
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto candidate = base / ("orvanto-test-" + std::to_string(rd()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec))
            return candidate;
    }
}
}  // namespace

TestHome::TestHome() : root_(makeTempRoot())
{
    if (const char* old = std::getenv("ORVANTO_HOME")) {
        hadHome_ = true;
        previousHome_ = old;
    }
    ::setenv("ORVANTO_HOME", root_.c_str(), 1);
    if (!std::getenv("ORVANTO_PROGRAM_DIR"))
        ::setenv("ORVANTO_PROGRAM_DIR", ORVANTO_PROGRAM_DIR_FOR_TESTS, 1);
    services_ = std::make_unique<platform::HostServices>(&ui_);
    Options() = EditorOptions{};
    Batch() = BatchState{};
    Folders() = EditorFolders{};
    Siblings() = SiblingProducts{};
    FontFilesListed() = false;
    SetAnsiCodePage(1252);
}

TestHome::~TestHome()
{
    services_.reset();
    Options() = EditorOptions{};
    Batch() = BatchState{};
    if (hadHome_)
        ::setenv("ORVANTO_HOME", previousHome_.c_str(), 1);
    else
        ::unsetenv("ORVANTO_HOME");
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
}

std::string TestHome::win(const std::string& relative) const
{
    return platform::services().files->windowsPath(path(relative));
}

std::string TestHome::writeFile(const std::string& relative, const std::string& bytes)
{
    auto p = path(relative);
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    out << bytes;
    return win(relative);
}

std::string TestHome::readFile(const std::string& relative) const
{
    std::ifstream in(path(relative), std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace orv::test
