#include "create/creation_run.h"

#include "create/copy_messages.h"
#include "create/path_rules.h"
#include "model/messages.h"
#include "model/path_helpers.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/user_interface.h"

namespace orv {

std::string CreationRun::programFolder() const
{
    const auto* folders = platform::services().folders;
    return folders ? folders->ProgramFolder() : std::string();
}

void CreationRun::announce(const std::string& source, const std::string& target) const
{
    observer.copying(FileNamePart(target), source, target);
}

bool CreationRun::stop(const std::string& text, const std::string& title) const
{
    observer.busy(false);
    ShowOrLogMessage(text, platform::MsgError, title);
    return false;
}

bool CreationRun::keepsInside(const std::string& target, const std::string& subject, const std::string& noun,
                              const std::string& value, const std::string& title) const
{
    if (TargetInsideDestination(destination, target))
        return true;
    return stop(OutsideDestinationMessage(subject, noun, value, destination), title);
}

}  // namespace orv
