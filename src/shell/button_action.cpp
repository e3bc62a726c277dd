#include "shell/button_action.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "model/file_io.h"
#include "model/path_helpers.h"
#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/shell.h"

namespace orv::shell {

namespace {

std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool startsWithIgnoringCase(const std::string& s, const std::string& prefix)
{
    return s.size() >= prefix.size() && lower(s.substr(0, prefix.size())) == lower(prefix);
}

bool hasDrive(const std::string& path)
{
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

std::string driveOf(const std::string& path)
{
    return hasDrive(path) ? path.substr(0, 2) : std::string();
}

// "*" and "?" matched without regard to ASCII case.
bool wildcardMatch(const std::string& pattern, const std::string& name)
{
    std::size_t p = 0, n = 0, star = std::string::npos, mark = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++p;
            ++n;
        } else if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            mark = n;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = ++mark;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

// The first file (by name) that a wildcard target matches; the target itself when it has
// no wildcard or matches nothing.
std::string expandWildcard(const std::string& target)
{
    const std::string pattern = FileNamePart(target);
    if (pattern.find_first_of("*?") == std::string::npos || !platform::services().files)
        return target;
    const std::string folder = PathDirectoryPart(target);
    std::error_code ec;
    std::vector<std::string> matches;
    std::filesystem::directory_iterator it(platform::services().files->hostPath(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(ec) && wildcardMatch(pattern, name))
            matches.push_back(name);
    }
    if (matches.empty())
        return target;
    std::sort(matches.begin(), matches.end(), [](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
    return JoinPath(folder, matches.front());
}

std::string percentEncoded(const std::string& text)
{
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

bool isFileCommand(const std::string& cmd)
{
    return cmd == "Run Program" || cmd == "Run Program & Close" || cmd == "Show Document" || cmd == "Play Music" ||
           cmd == "Play Movie" || cmd == "Show RTF Document" || cmd == "Open Excel File" ||
           cmd == "Play Flash Animation" || cmd == "Install StickGuard";
}

ButtonAction startProgram(const std::string& program, std::string parameters)
{
    ButtonAction a;
    a.kind = ActionKind::StartProgram;
    a.target = program;
    a.parameters = std::move(parameters);
    a.workingFolder = PathDirectoryPart(program);
    a.targetOnMedium = true;
    return a;
}

// The given companion, or the medium's one.
std::string companionOr(const std::string& given, const std::string& onMedium)
{
    return given.empty() ? onMedium : given;
}

// A password-protected, encrypted target lies on the medium as target + ".cry" with the
// decryption program BE.exe beside it; the menu has checked the password already and hands
// it over through standard input, never on the command line.
bool planDecryption(const MenuEntry& entry, const std::string& target, const std::string& decryption,
                    ButtonAction& action)
{
    if (!entry.passwordProtected || !entry.encrypted || FileExists(target))
        return false;
    const std::string encrypted = target + ".cry";
    if (!FileExists(encrypted))
        return false;
    action = startProgram(companionOr(decryption, JoinPath(PathDirectoryPart(encrypted), "BE.exe")),
                          platform::quoteParameter(encrypted) + " --password-stdin");
    action.standardInput = entry.password + "\n";
    return true;
}

}  // namespace

std::string resolveMenuLink(const std::string& link, const std::string& menuFolder, const std::string& rootFolder)
{
    std::string l = link;
    if (!l.empty() && l[0] == '@') {
        l.erase(0, 1);
        if (hasDrive(l) || l.rfind("\\\\", 0) == 0)
            return l;
    }
    bool fromRoot = false;
    if (l.rfind("\xC2\xA4", 0) == 0)  // the marker "¤": relative to the menu folder
        l.erase(0, 2);
    else if (!l.empty() && l[0] == '*')
        l.erase(0, 1);
    else if (hasDrive(l) || l.rfind("\\\\", 0) == 0)
        return l;
    else
        fromRoot = !l.empty() && (l[0] == '\\' || l[0] == '/');
    // A leading backslash names the medium's root: the main menu's folder, where the
    // creation put the file.
    const std::string& folder = fromRoot && !rootFolder.empty() ? rootFolder : menuFolder;
    while (!l.empty() && (l[0] == '\\' || l[0] == '/'))
        l.erase(0, 1);
    return l.empty() ? folder : JoinPath(folder, l);
}

std::string webAddress(const std::string& link)
{
    std::string address = link;
    if (!address.empty() && address[0] == '@')
        address.erase(0, 1);
    if (address.empty() || address.find("://") != std::string::npos || startsWithIgnoringCase(address, "mailto:"))
        return address;
    return "http://" + address;
}

std::string mailAddress(const std::string& address, const std::string& subject)
{
    std::string to = address;
    if (!to.empty() && to[0] == '@')
        to.erase(0, 1);
    if (startsWithIgnoringCase(to, "mailto:"))
        to.erase(0, 7);
    std::string result = "mailto:" + to;
    if (!subject.empty())
        result += "?subject=" + percentEncoded(subject);
    return result;
}

CompanionPrograms companionProgramsIn(const std::string& programFolder)
{
    auto beside = [&](const char* name) {
        const std::string program = JoinPath(programFolder, name);
        return FileExists(program) ? program : std::string();
    };
    return {beside("BE.exe"), beside("VTFlashPlayer.exe"), beside("VTPictureGallery.exe")};
}

ButtonAction planButtonAction(const MenuEntry& entry, const std::string& menuFolder,
                              const CompanionPrograms& companions, const std::string& rootFolder)
{
    const auto resolved = [&](const std::string& link) { return resolveMenuLink(link, menuFolder, rootFolder); };
    ButtonAction action;
    if (entry.titleRow)
        return action;
    const std::string& cmd = entry.command;

    if (cmd == "Exit") {
        action.kind = ActionKind::CloseMenu;
        return action;
    }
    if (cmd == "Return To Previous Menu") {
        action.kind = ActionKind::ReturnToPreviousMenu;
        return action;
    }
    if (cmd == "Return To Main Menu") {
        action.kind = ActionKind::ReturnToMainMenu;
        return action;
    }
    if (cmd == "Show Internet Page" || cmd == "Send E-mail") {
        if (entry.link.empty())
            return action;
        action.kind = ActionKind::OpenAddress;
        action.target = cmd == "Send E-mail" ? mailAddress(entry.link, entry.parameters) : webAddress(entry.link);
        return action;
    }
    if (cmd == "Open Folder" || cmd == "Run Explorer") {
        action.kind = ActionKind::OpenFolder;
        action.target = resolved(entry.link);
        action.targetOnMedium = true;
        return action;
    }
    if (cmd == "Open Picture Gallery") {
        const std::string gallery = JoinPath(menuFolder, "VTPictureGallery\\VTPictureGallery.exe");
        return startProgram(companionOr(companions.gallery, gallery),
                            platform::quoteParameter(resolved(entry.link)));
    }
    if (cmd == "Open New Menu") {
        if (entry.link.empty())
            return action;
        action.kind = ActionKind::OpenMenu;
        action.target = resolved(entry.link);
        action.targetOnMedium = true;
        return action;
    }
    if (!isFileCommand(cmd)) {
        action.kind = ActionKind::Unsupported;
        action.target = cmd;
        return action;
    }
    if (entry.link.empty())
        return action;

    std::string target = resolved(entry.link);
    if (cmd == "Run Program" || cmd == "Run Program & Close" || cmd == "Show Document")
        target = expandWildcard(target);
    if (planDecryption(entry, target, companions.decryption, action)) {
        action.closeMenuAfter = cmd == "Run Program & Close";
        return action;
    }

    if (cmd == "Play Flash Animation") {
        const std::string player = JoinPath(menuFolder, "VTFlashPlayer\\VTFlashPlayer.exe");
        return startProgram(companionOr(companions.flashPlayer, player), platform::quoteParameter(target));
    }

    if (cmd == "Install StickGuard")
        return startProgram(target, {});
    if (cmd == "Run Program" || cmd == "Run Program & Close") {
        std::string parameters = entry.parameters;
        parameters = ReplacedAll(parameters, "%SRCDRV", driveOf(menuFolder));
        action = startProgram(target, parameters);
        action.maximized = entry.runMaximized;
        action.closeMenuAfter = cmd == "Run Program & Close";
        return action;
    }

    action.kind = cmd == "Show RTF Document" ? ActionKind::ShowRtfDocument : ActionKind::OpenDocument;
    action.target = target;
    action.targetOnMedium = true;
    return action;
}

ActionOutcome runButtonAction(const ButtonAction& action)
{
    const platform::Services& s = platform::services();
    if (!s.shell)
        return ActionOutcome::Failed;
    if (action.targetOnMedium) {
        const bool exists = action.kind == ActionKind::OpenFolder
                                ? s.files && s.files->DirExists(action.target) != 0
                                : FileExists(action.target);
        if (!exists)
            return ActionOutcome::TargetMissing;
    }
    bool ok = false;
    switch (action.kind) {
    case ActionKind::StartProgram:
        ok = s.shell->RunProgram(action.target, action.parameters, action.workingFolder,
                                 action.maximized ? platform::WindowState::Maximized : platform::WindowState::Normal,
                                 action.standardInput);
        break;
    case ActionKind::OpenDocument:
    case ActionKind::ShowRtfDocument:
    case ActionKind::OpenAddress:
        ok = s.shell->ShellOpen(action.target);
        break;
    case ActionKind::OpenFolder:
        ok = s.shell->ExploreFolder(action.target);
        break;
    default:
        return ActionOutcome::Failed;
    }
    return ok ? ActionOutcome::Done : ActionOutcome::Failed;
}

}  // namespace orv::shell
