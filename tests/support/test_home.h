// Test isolation: a fresh ORVANTO_HOME for each test, the native services installed with a
// scripted user interface, and the session state reset.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#ifdef _WIN32
#include "platform/win32/win32_services.h"
#else
#include "platform/host/host_services.h"
#endif
#include "support/scripted_user_interface.h"

namespace orv::test {

// The platform services of the system the tests run on.
#ifdef _WIN32
using NativeServices = platform::Win32Services;
#else
using NativeServices = platform::HostServices;
#endif

class TestHome {
public:
    TestHome();
    ~TestHome();

    // The temporary home folder (host path).
    const std::filesystem::path& root() const { return root_; }
    // A host path below the home folder.
    std::filesystem::path path(const std::string& relative) const { return root_ / relative; }
    // The Windows form of a host path below the home folder.
    std::string win(const std::string& relative) const;

    ScriptedUserInterface& ui() { return ui_; }

    // Writes a file (host path below the home folder, parents made); returns its Windows form.
    std::string writeFile(const std::string& relative, const std::string& bytes);
    std::string readFile(const std::string& relative) const;

private:
    std::filesystem::path root_;
    std::string previousHome_;
    bool hadHome_ = false;
    ScriptedUserInterface ui_;
    std::unique_ptr<NativeServices> services_;
};

// A GoogleTest fixture holding a TestHome.
class HomeTest : public ::testing::Test {
protected:
    TestHome home;
};

}  // namespace orv::test
