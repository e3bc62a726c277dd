#include "support/test_home.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "model/session_state.h"
#include "platform/file_system.h"

namespace orv::test {

namespace {
void setVariable(const char* name, const std::string& value)
{
#ifdef _WIN32
    _putenv_s(name, value.c_str());
#else
    ::setenv(name, value.c_str(), 1);
#endif
}

void unsetVariable(const char* name)
{
#ifdef _WIN32
    _putenv_s(name, "");
#else
    ::unsetenv(name);
#endif
}

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
    setVariable("ORVANTO_HOME", root_.string());
#ifdef ORVANTO_PROGRAM_DIR_FOR_TESTS
    if (!std::getenv("ORVANTO_PROGRAM_DIR"))
        setVariable("ORVANTO_PROGRAM_DIR", ORVANTO_PROGRAM_DIR_FOR_TESTS);
#endif
    services_ = std::make_unique<NativeServices>(&ui_);
    ResetSession();
}

TestHome::~TestHome()
{
    services_.reset();
    ResetSession();
    if (hadHome_)
        setVariable("ORVANTO_HOME", previousHome_);
    else
        unsetVariable("ORVANTO_HOME");
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
