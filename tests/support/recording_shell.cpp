#include "support/recording_shell.h"

namespace orv::test {

ShellCall& RecordingShell::record(ShellCall::Kind kind, const std::string& target, const std::string& workingFolder)
{
    ShellCall& call = calls_.emplace_back();
    call.kind = kind;
    call.target = target;
    call.workingFolder = workingFolder;
    return call;
}

bool RecordingShell::ShellOpen(const std::string& target, const std::string& parameters,
                               const std::string& workingFolder)
{
    record(ShellCall::Open, target, workingFolder).parameters = parameters;
    return result_;
}

bool RecordingShell::StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                                  const std::string& workingFolder, platform::WindowState state)
{
    ShellCall& call = record(ShellCall::Start, program, workingFolder);
    call.arguments = arguments;
    call.state = state;
    return result_;
}

bool RecordingShell::RunProgram(const std::string& program, const std::string& parameters,
                                const std::string& workingFolder, platform::WindowState state,
                                const std::string& standardInput)
{
    ShellCall& call = record(ShellCall::Run, program, workingFolder);
    call.parameters = parameters;
    call.standardInput = standardInput;
    call.state = state;
    return result_;
}

bool RecordingShell::ShowHelp(int contextNumber)
{
    record(ShellCall::Help, {}, {}).contextNumber = contextNumber;
    return result_;
}

bool RecordingShell::ExploreFolder(const std::string& folder)
{
    record(ShellCall::Explore, folder, {});
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
