#include "model/sibling_products.h"

#include "platform/registry.h"
#include "platform/services.h"

namespace orv {

bool IsCompactOfficeRelease(const std::string& release)
{
    // The edition identifiers Portavo's installers write for the Compact Office edition.
    return release == "PTV-CMPO" || release == "PTV-CMPO-BUNDLE" || release == "PTV-CMPO-OEM";
}

void DetectSiblingProducts()
{
    SiblingProducts found;
    const platform::Registry* registry = platform::services().registry;
    if (registry) {
        const int root = platform::HKEY_LOCAL_MACHINE_ROOT;
        found.PortavoInstalled = registry->GetRegKeyVal(root, PortavoMachineKey, "Installed", 0) == 1;
        std::string release;
        if (registry->GetRegKeyStr(root, PortavoMachineKey, "Release", release))
            found.PortavoCompactOffice = IsCompactOfficeRelease(release);
        std::string folder;
        if (found.PortavoInstalled && !found.PortavoCompactOffice &&
            registry->GetRegKeyStr(root, PortavoMachineKey, "InstallationDir", folder) && !folder.empty())
            found.StickGuardSetupSource = folder + "\\SETUP-StickGuard.exe";
    }
    Siblings() = found;
}

}  // namespace orv
