// A shell for tests: records every call instead of starting anything. ScopedRecordingShell
// installs one in place of the shell in force (a copy of services() with the shell
// replaced) and puts the previous services back when it goes out of scope:
//
//     orv::test::ScopedRecordingShell shell;
//     RunTheMenuTest();                       // code under test calls services().shell
//     EXPECT_EQ(shell->calls().at(0).kind, orv::test::ShellCall::Start);
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/shell.h"

namespace orv::test {

struct ShellCall {
    enum Kind { Open, Start, Run, Help, Explore };
    Kind kind = Open;
    std::string target;                  // file, address, program or folder
    std::string parameters;              // ShellOpen's and RunProgram's parameter text
    std::vector<std::string> arguments;  // StartProcess's arguments
    std::string standardInput;           // RunProgram's
    std::string workingFolder;
    platform::WindowState state = platform::WindowState::Normal;
    int contextNumber = 0;  // ShowHelp
};

class RecordingShell : public platform::Shell {
public:
    const std::vector<ShellCall>& calls() const { return calls_; }
    // What every call reports back (true: started).
    void setResult(bool started) { result_ = started; }

    bool ShellOpen(const std::string& target, const std::string& parameters,
                   const std::string& workingFolder) override;
    bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& workingFolder, platform::WindowState state) override;
    bool RunProgram(const std::string& program, const std::string& parameters, const std::string& workingFolder,
                    platform::WindowState state, const std::string& standardInput = {}) override;
    bool ShowHelp(int contextNumber) override;
    bool ExploreFolder(const std::string& folder) override;

private:
    // A new call of the kind, with its target and working folder.
    ShellCall& record(ShellCall::Kind kind, const std::string& target, const std::string& workingFolder);

    std::vector<ShellCall> calls_;
    bool result_ = true;
};

class ScopedRecordingShell {
public:
    ScopedRecordingShell();
    ~ScopedRecordingShell();
    ScopedRecordingShell(const ScopedRecordingShell&) = delete;
    ScopedRecordingShell& operator=(const ScopedRecordingShell&) = delete;

    RecordingShell* operator->() { return &shell_; }

private:
    RecordingShell shell_;
    platform::Services previous_;
};

}  // namespace orv::test
