#include "create/creation_observer.h"

#include "create/create_menu.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv {

void CreationObserver::showDetailedCopyError(const DetailedCopyError& error)
{
    if (auto* ui = platform::services().ui)
        ui->Message(DetailedCopyErrorText(error), platform::MsgError, error.title);
}

void CreationObserver::runCreateDialog(MenuProject& project, CreateDialogState& dialog)
{
    CmdCreateMenu(project, dialog, *this);
}

CreationObserver& DefaultCreationObserver()
{
    static CreationObserver observer;
    return observer;
}

}  // namespace orv
