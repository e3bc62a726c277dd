#include "app/tool/tool_commands.h"

#include <filesystem>
#include <utility>

#include "app/tool/project_info.h"
#include "create/create_menu.h"
#include "create/preflight.h"
#include "model/file_io.h"
#include "model/menu_project.h"
#include "model/project_file.h"
#include "model/project_writer.h"
#include "platform/command_line_path.h"

namespace orv::tool {

namespace {

// The arguments of a command split into options ("--x") and the rest, in order.
struct SplitArgs {
    std::vector<std::string> options;
    std::vector<std::string> paths;
};

SplitArgs split(const std::vector<std::string>& args)
{
    SplitArgs s;
    for (size_t i = 1; i < args.size(); ++i)
        (args[i].starts_with("--") ? s.options : s.paths).push_back(args[i]);
    return s;
}

// The first option that is not in the allowed list, or empty.
std::string unknownOption(const SplitArgs& s, std::initializer_list<const char*> allowed)
{
    for (const auto& option : s.options) {
        bool known = false;
        for (const char* a : allowed)
            known = known || option == a;
        if (!known)
            return option;
    }
    return {};
}

bool hasOption(const SplitArgs& s, const char* option)
{
    for (const auto& o : s.options)
        if (o == option)
            return true;
    return false;
}

}  // namespace

std::string ToolUsageText()
{
    return "Usage: orvntool COMMAND ...\n"
           "\n"
           "Commands:\n"
           "  new [--usb] [--force] PROJECT.mnp\n"
           "                              write a new, empty project (a USB flash drive project with\n"
           "                              --usb); an existing file is kept unless --force is given\n"
           "  upgrade OLD.mnp [NEW.mnp]   open a project of any version and save it in the current format\n"
           "                              (over OLD.mnp when NEW.mnp is omitted)\n"
           "  mni PROJECT.mnp OUT.mni     write the menu description file that menu creation would write\n"
           "                              (OUT.mni must not be the project file)\n"
           "  info PROJECT.mnp [--json]   show the version read, type, title, window size, button style\n"
           "                              and every button's row, text, command and target\n"
           "  check PROJECT.mnp           list every problem that would stop creating the menu, one\n"
           "                              line each, without copying anything (exit code 1 when any)\n"
           "  --help                      show this text\n"
           "\n"
           "Paths may be host paths (/home/ann/menu.mnp) or Windows-form paths (Z:\\home\\ann\\menu.mnp).\n"
           "Exit code: 0 on success, 1 when a file cannot be read or written (or check finds a\n"
           "problem), 2 for bad arguments.\n";
}

ToolCommands::ToolCommands(std::ostream& out, std::ostream& err, std::function<void()> prepare)
    : out_(out), err_(err), prepare_(std::move(prepare))
{
}

int ToolCommands::run(const std::vector<std::string>& args)
{
    if (args.empty())
        return usageError("no command given");
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out_ << ToolUsageText();
        return ExitOk;
    }
    if (command == "new")
        return newProject(args);
    if (command == "upgrade")
        return upgrade(args);
    if (command == "mni")
        return mni(args);
    if (command == "info")
        return info(args);
    if (command == "check")
        return check(args);
    return usageError("unknown command '" + command + "'");
}

int ToolCommands::newProject(const std::vector<std::string>& args)
{
    const SplitArgs s = split(args);
    if (auto bad = unknownOption(s, {"--usb", "--force"}); !bad.empty())
        return usageError("new: unknown option '" + bad + "'");
    if (s.paths.size() != 1)
        return usageError("new: expected one project file");
    prepare();

    MenuProject project;
    ResetParameters(project);
    if (hasOption(s, "--usb"))
        project.ProjectType = ProjectTypeUSB;
    const std::string path = platform::commandLinePathToWindows(s.paths[0]);
    std::error_code ec;
    if (!hasOption(s, "--force") && std::filesystem::exists(std::filesystem::symlink_status(HostPath(path), ec)))
        return failure("'" + s.paths[0] + "' already exists (--force replaces it)");
    if (!SaveProjectFileAs(project, path))
        return failure("cannot write '" + s.paths[0] + "'");
    return ExitOk;
}

int ToolCommands::upgrade(const std::vector<std::string>& args)
{
    const SplitArgs s = split(args);
    if (auto bad = unknownOption(s, {}); !bad.empty())
        return usageError("upgrade: unknown option '" + bad + "'");
    if (s.paths.empty() || s.paths.size() > 2)
        return usageError("upgrade: expected OLD.mnp and optionally NEW.mnp");
    MenuProject project;
    if (!openProject(s.paths[0], project))
        return ExitFailure;
    const std::string& targetArg = s.paths.size() == 2 ? s.paths[1] : s.paths[0];
    // A write-protected project stays as it is, as in the editor.
    if (IsWriteProtected(platform::commandLinePathToWindows(targetArg)))
        return failure("'" + targetArg +
                       "' is write-protected; name another file to write the upgraded project to");
    if (!SaveProjectFileAs(project, platform::commandLinePathToWindows(targetArg)))
        return failure("cannot write '" + targetArg + "'");
    return ExitOk;
}

int ToolCommands::mni(const std::vector<std::string>& args)
{
    const SplitArgs s = split(args);
    if (auto bad = unknownOption(s, {}); !bad.empty())
        return usageError("mni: unknown option '" + bad + "'");
    if (s.paths.size() != 2)
        return usageError("mni: expected PROJECT.mnp and OUT.mni");
    if (IsSameFile(platform::commandLinePathToWindows(s.paths[0]), platform::commandLinePathToWindows(s.paths[1])))
        return failure("'" + s.paths[1] + "' is the project file itself; name another output file");
    MenuProject project;
    if (!openProject(s.paths[0], project))
        return ExitFailure;
    // Prepared and written as menu creation does it, with the list of font files too.
    PrepareMenuDescription(project, project.CreateDestDir);
    if (!CreateCDDataFile(project, platform::commandLinePathToWindows(s.paths[1]), true))
        return failure("cannot write '" + s.paths[1] + "'");
    return ExitOk;
}

int ToolCommands::info(const std::vector<std::string>& args)
{
    const SplitArgs s = split(args);
    if (auto bad = unknownOption(s, {"--json"}); !bad.empty())
        return usageError("info: unknown option '" + bad + "'");
    if (s.paths.size() != 1)
        return usageError("info: expected one project file");
    MenuProject project;
    ProjectFileVersion version;
    if (!openProject(s.paths[0], project, &version))
        return ExitFailure;
    out_ << (hasOption(s, "--json") ? ProjectInfoJson(project, version) : ProjectInfoText(project, version));
    return ExitOk;
}

int ToolCommands::check(const std::vector<std::string>& args)
{
    const SplitArgs s = split(args);
    if (auto bad = unknownOption(s, {}); !bad.empty())
        return usageError("check: unknown option '" + bad + "'");
    if (s.paths.size() != 1)
        return usageError("check: expected one project file");
    MenuProject project;
    if (!openProject(s.paths[0], project))
        return ExitFailure;
    const std::vector<std::string> problems = PreflightCreateMenu(project);
    for (const auto& line : problems)
        out_ << line << "\n";
    return problems.empty() ? ExitOk : ExitFailure;
}

bool ToolCommands::openProject(const std::string& arg, MenuProject& project, ProjectFileVersion* version)
{
    prepare();
    const std::string source = platform::commandLinePathToWindows(arg);
    switch (ProjectFileKindOf(source)) {
    case ProjectFileKind::Missing:
        failure("project file '" + arg + "' does not exist");
        return false;
    case ProjectFileKind::NotProject:
        failure(NotAProjectFileText(arg));
        return false;
    case ProjectFileKind::Project:
        break;
    }
    ResetParameters(project);
    const ProjectFileVersion read = OpenProjectFile(project, source);
    if (version)
        *version = read;
    return true;
}

int ToolCommands::usageError(const std::string& message)
{
    err_ << "orvntool: " << message << " (see orvntool --help)\n";
    return ExitUsage;
}

int ToolCommands::failure(const std::string& message)
{
    err_ << "orvntool: " << message << "\n";
    return ExitFailure;
}

void ToolCommands::prepare()
{
    if (prepare_) {
        prepare_();
        prepare_ = nullptr;
    }
}

}  // namespace orv::tool
