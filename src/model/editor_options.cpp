#include "model/editor_options.h"

#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/system_info.h"

namespace orv {

namespace {

// Characters of a UTF-8 text (continuation bytes are not counted).
std::size_t characterCount(const std::string& text)
{
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

std::array<SocialMediaOption, SocialNetworks> DefaultSocialMedia()
{
    std::array<SocialMediaOption, SocialNetworks> media;
    for (int i = 0; i < SocialNetworks; ++i)
        media[i].TipText = DefaultSocialTipTexts[i];
    return media;
}

std::string OptionsFilePath()
{
    const auto& services = platform::services();
    // Older systems resolve the bare name to the Windows folder.
    if (services.system && !services.system->IsWindowsVista())
        return OptionsFileName;

    std::string appData = services.folders->GetSysAppDataDirectory();
    std::string folder = appData + OptionsFolderName;
    if (!services.files->DirExists(folder)) {
        // Each level on its own; a failure shows later as an unwritable file.
        services.files->DirCreate(appData + "\\Veltrona");
        services.files->DirCreate(folder);
    }
    return folder + "\\" + OptionsFileName;
}

std::string CorrectedExeFileName(const std::string& name, const char* defaultName)
{
    return characterCount(name) < MinimumExeFileNameLength ? std::string(defaultName) : name;
}

}  // namespace orv
