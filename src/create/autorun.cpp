#include "create/autorun.h"

#include <cstdio>

#include "create/copy_file.h"
#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "create/usb_cooperation.h"
#include "model/ansi_codec.h"
#include "model/path_helpers.h"
#include "model/profile.h"
#include "model/sibling_products.h"

namespace orv {

namespace {

// The first count characters of a UTF-8 text.
std::string FirstCharacters(const std::string& text, std::size_t count)
{
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == count)
                return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

}  // namespace

std::string AutorunIconName(const std::string& iconSource, bool useAutorun)
{
    if (iconSource.empty() || !useAutorun)
        return {};
    return UpperText(FileNamePart(iconSource));
}

std::string AutorunInfText(const std::string& programName, const std::string& iconName, const std::string& label,
                           const std::string& actionText)
{
    std::string text = "[AutoRun]\r\nOPEN=" + programName + "\r\n";
    if (!iconName.empty())
        text += "ICON=" + iconName + "\r\n";
    else if (!actionText.empty())
        text += "ICON=" + programName + "\r\n";
    const std::string trimmed = TrimmedText(label, " ");
    if (!trimmed.empty())
        text += "LABEL=" + FirstCharacters(trimmed, AutorunLabelLength) + "\r\n";
    if (!actionText.empty())
        text += "ACTION=" + actionText + "\r\n";
    return text;
}

std::string PortavoDriveLabel(const std::string& label, const CalendarDate& today)
{
    std::string trimmed = TrimmedText(label, " ");
    if (!trimmed.empty())
        return trimmed;
    char digits[16];
    std::snprintf(digits, sizeof digits, "%02d%02d%02d", today.year % 100, today.month, today.day);
    return std::string("- USB Flash Drive ") + digits + " -";
}

bool CopyMenuProgram(CreationRun& run)
{
    const std::string release = run.programFolder() + "\\Release\\";
    const std::string programTarget = JoinPath(run.destination, run.programName);
    if (!run.keepsInside(programTarget, "menu program name", "name", run.programName, ErrorTitle))
        return false;
    run.announce(release + MenuProgramSourceName, programTarget);
    if (int error = CopyFileMapped(release + MenuProgramSourceName, programTarget))
        return run.stop(ProgramCopyMessage(run.programName, error), ErrorTitle);

    const std::string manifestTarget = JoinPath(run.destination, run.manifestName);
    run.announce(release + MenuManifestSourceName, manifestTarget);
    if (int error = CopyFileMapped(release + MenuManifestSourceName, manifestTarget))
        return run.stop(ProgramCopyMessage(run.manifestName, error), ErrorTitle);
    return true;
}

bool CopyDriveIcon(CreationRun& run)
{
    const std::string iconName = AutorunIconName(run.dialog.iconSource, run.project.UseAutorun != 0);
    if (iconName.empty())
        return true;
    const std::string target = JoinPath(run.destination, iconName);
    run.announce(run.dialog.iconSource, target);
    if (int error = CopyFileMapped(run.dialog.iconSource, target))
        return run.stop(IconCopyMessage(error), ErrorTitle);
    run.facts.iconName = iconName;
    return true;
}

bool WriteAutorunInformation(CreationRun& run)
{
    if (run.project.UseAutorun == 0)
        return true;
    const std::string file = JoinPath(run.destination, AutorunFileName);
    const std::string iconName = AutorunIconName(run.dialog.iconSource, true);
    const std::string text = AutorunInfText(run.programName, iconName, run.dialog.label, run.dialog.actionText);
    run.announce({}, file);
    int error = WriteFileMapped(file, Utf8ToAnsi(text));
    FlushProfileCache(file);
    if (error)
        return run.stop(GeneralCreateErrorMessage(error), ErrorTitle);
    run.facts.useAutorun = true;

    if (Siblings().PortavoInstalled && run.dialog.coOperateWithPortavoLink) {
        const std::string label = PortavoDriveLabel(run.dialog.label, Today());
        if (!PutProfileText(file, "AutoRun", "LABEL", label))
            return run.stop(GeneralCreateErrorMessage(ErrPathFileAccess), ErrorTitle);
    }
    return true;
}

}  // namespace orv
