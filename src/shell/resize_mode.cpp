#include "shell/resize_mode.h"

#include <algorithm>

#include "platform/registry.h"
#include "platform/services.h"

namespace orv::shell {

bool storeResizeModeSize(int width, int height)
{
    platform::Registry* registry = platform::services().registry;
    if (!registry)
        return false;
    registry->CreateRegKey(platform::HKEY_CURRENT_USER_ROOT, ResizeModeKey);
    // Height first: the editor acts once both are non-zero, and Width completes the pair.
    const bool h = registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeKey, "Height",
                                          std::max(height, 1));
    const bool w = registry->SetRegKeyVal(platform::HKEY_CURRENT_USER_ROOT, ResizeModeKey, "Width",
                                          std::max(width, 1));
    return h && w;
}

}  // namespace orv::shell
