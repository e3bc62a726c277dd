#include "support/recording_shell.h"

namespace orv::test {

bool RecordingShell::ShellOpen(const std::string& target, const std::string& parameters,
                               const std::string& workingFolder)
{
    ShellCall call;
    call.kind = ShellCall::Open;
    call.target = target;
    call.parameters = parameters;
    call.workingFolder = workingFolder;
    calls_.push_back(call);
    return result_;
}

bool RecordingShell::StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& workingFolder, platform::WindowState state)
{
    ShellCall call;
    call.kind = ShellCall::Start;
    call.target = program;
    call.arguments = arguments;
    call.workingFolder = workingFolder;
    call.state = state;
    calls_.push_back(call);
    return result_;
}

bool RecordingShell::RunProgram(const std::string& program, const std::string& parameters,
                                const std::string& workingFolder, platform::WindowState state,
                                const std::string& standardInput)
{
    ShellCall call;
    call.kind = ShellCall::Run;
    call.target = program;
    call.parameters = parameters;
    call.standardInput = standardInput;
    call.workingFolder = workingFolder;
    call.state = state;
    calls_.push_back(call);
    return result_;
}

bool RecordingShell::ShowHelp(int contextNumber)
{
    ShellCall call;
    call.kind = ShellCall::Help;
    call.contextNumber = contextNumber;
    calls_.push_back(call);
    return result_;
}

bool RecordingShell::ExploreFolder(const std::string& folder)
{
    ShellCall call;
    call.kind = ShellCall::Explore;
    call.target = folder;
    calls_.push_back(call);
    return result_;
}

ScopedRecordingShell::ScopedRecordingShell()
{
    platform::Services replaced = platform::services();
    replaced.shell = &shell_;
    previous_ = platform::installServices(replaced);
}

ScopedRecordingShell::~ScopedRecordingShell() { platform::installServices(previous_); }

}  // namespace orv::test
