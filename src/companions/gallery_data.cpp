#include "companions/gallery_data.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "companions/data_file.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv::companions {

namespace {
std::string lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

std::string withoutDots(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), '.'), s.end());
    return s;
}

std::string extensionOf(const std::string& name)
{
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : lower(name.substr(dot + 1));
}
}  // namespace

std::optional<PictureGalleryData> readPictureGalleryData(const std::string& file)
{
    const auto doc = readDataFile(file);
    if (!doc || !doc->hasSection("General"))
        return std::nullopt;
    PictureGalleryData d;
    DataSection general(*doc, "General"), size(*doc, "WinSize"), colours(*doc, "Colors"),
        buttons(*doc, "Buttons"), text(*doc, "Text"), click(*doc, "ClickHandling"), pictures(*doc, "Pictures"),
        preview(*doc, "PreviewWin");

    d.title = general.text("WinTitle", d.title);
    if (d.title.empty())
        d.title = "Picture Gallery";
    d.previewTitle = general.text("SubWin_WinTitle", d.title);
    if (d.previewTitle.empty())
        d.previewTitle = d.title;
    d.extension = withoutDots(general.text("PicExtension"));

    d.width = static_cast<int>(std::clamp(size.number("Width", 0), 0L, 10000L));
    d.height = static_cast<int>(std::clamp(size.number("Height", 0), 0L, 10000L));

    d.backColour = static_cast<std::uint32_t>(colours.number("BkColor", d.backColour)) & 0xFFFFFFu;
    d.textColour = static_cast<std::uint32_t>(colours.number("TextColor", d.textColour)) & 0xFFFFFFu;
    d.previewUsesColours = colours.number("SubWin_ColorType", 2) == 1;

    d.showCloseButton = buttons.number("CloseButtonStyle", 2) == 1;
    d.closeText = buttons.text("CloseButtonText", d.closeText);
    if (d.closeText.empty())
        d.closeText = "Close";

    d.showTextLabels = text.flag("ShowTextLabels", false);

    const long action = click.number("Action", 1);
    d.clickAction = action == 2 ? GalleryClickAction::OpenExternal
                    : action == 3 ? GalleryClickAction::OpenCompanion
                                  : GalleryClickAction::Preview;
    d.openExtension = withoutDots(click.text("OpenExtension"));

    d.manualSize = pictures.flag("SizeManual", false);
    d.pictureHeight = static_cast<int>(std::clamp(pictures.number("SizeHeight", 0), 0L, 10000L));

    d.allowBrowse = preview.flag("AllowBrowse", false);
    d.previousText = preview.text("PrevPicture_Text", d.previousText);
    d.nextText = preview.text("NextPicture_Text", d.nextText);
    return d;
}

const std::vector<std::string>& commonPictureExtensions()
{
    static const std::vector<std::string> extensions = {"bmp", "dib", "gif", "ico", "jpe", "jpeg", "jpg",
                                                        "png", "tif", "tiff", "webp"};
    return extensions;
}

std::vector<std::string> listGalleryPictures(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    const platform::Services& s = platform::services();
    if (!s.files || folder.empty())
        return names;
    const std::string wanted = lower(withoutDots(extension));
    const auto& common = commonPictureExtensions();
    std::error_code ec;
    std::filesystem::directory_iterator it(s.files->hostPath(folder), ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec))
            continue;
        const std::string name = it->path().filename().string();
        const std::string ext = extensionOf(name);
        const bool match = wanted.empty() ? std::find(common.begin(), common.end(), ext) != common.end()
                                          : ext == wanted;
        if (match)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = lower(a), lb = lower(b);
        return la != lb ? la < lb : a < b;
    });
    std::vector<std::string> paths;
    paths.reserve(names.size());
    for (const std::string& name : names)
        paths.push_back(JoinPath(folder, name));
    return paths;
}

int galleryThumbnailHeight(const PictureGalleryData& data, int autoHeight)
{
    if (!data.manualSize || data.pictureHeight <= 0)
        return autoHeight;
    return std::clamp(data.pictureHeight, 15, 300);
}

GalleryClick galleryClick(const PictureGalleryData& data, const std::string& picture)
{
    GalleryClick click;
    switch (data.clickAction) {
    case GalleryClickAction::Preview:
        click.preview = true;
        break;
    case GalleryClickAction::OpenExternal:
        click.openTarget = picture;
        break;
    case GalleryClickAction::OpenCompanion: {
        const std::string name = FileNamePart(picture);
        const auto dot = name.rfind('.');
        const std::string stem = dot == std::string::npos ? name : name.substr(0, dot);
        click.openTarget = JoinPath(PathDirectoryPart(picture), data.openExtension.empty() ? stem : stem + "." + data.openExtension);
        break;
    }
    }
    return click;
}

}  // namespace orv::companions
