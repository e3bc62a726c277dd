#include "shell/session/menu_pictures.h"

#include <functional>
#include <system_error>

#include "model/path_helpers.h"
#include "shell/look/button_face.h"
#include "shell/look/colour.h"
#include "shell/session/menu_host.h"

namespace orv::shell {

namespace {

bool isMetafile(const std::string& file)
{
    const std::string extension = LowerExtensionOf(file);
    return extension == "wmf" || extension == "emf";
}

Bitmap load(const PictureFile& file, const std::string& menuFolder, MenuHost& host, int width = 0, int height = 0)
{
    if (file.empty())
        return {};
    for (const std::string& candidate : pictureCandidates(file, menuFolder)) {
        Bitmap picture = host.loadPicture(candidate, width, height);
        if (picture.width > 0 && picture.height > 0)
            return picture;
    }
    return {};
}

// The picture read on a thread of its own; not valid when the host cannot do that.
std::shared_future<Bitmap> readAside(const PictureFile& file, const std::string& menuFolder, MenuHost& host)
{
    std::vector<std::function<Bitmap()>> readers;
    for (const std::string& candidate : pictureCandidates(file, menuFolder)) {
        readers.push_back(host.pictureReader(candidate, 0, 0));
        if (!readers.back())
            return {};
    }
    try {
        return std::async(std::launch::async,
                          [readers = std::move(readers)] {
                              for (const auto& read : readers)
                                  if (Bitmap picture = read(); picture.width > 0 && picture.height > 0)
                                      return picture;
                              return Bitmap{};
                          })
            .share();
    } catch (const std::system_error&) {
        return {};  // no thread to be had: read it now
    }
}

}  // namespace

std::vector<std::string> pictureCandidates(const PictureFile& file, const std::string& menuFolder)
{
    std::string folder = menuFolder;
    for (std::string part : {file.folder}) {
        while (!part.empty() && (part.front() == '\\' || part.front() == '/'))
            part.erase(part.begin());
        while (!part.empty() && (part.back() == '\\' || part.back() == '/'))
            part.pop_back();
        if (!part.empty())
            folder += (folder.empty() || folder.back() == '\\' ? "" : "\\") + part;
    }
    const std::string onMedium = folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + FileNamePart(file.source);
    if (onMedium == file.source)
        return {onMedium};
    return {onMedium, file.source};
}

MenuPictures loadMenuPictures(const MenuDescription& menu, const std::string& menuFolder, MenuHost& host)
{
    static int loaded = 0;
    MenuPictures pictures;
    pictures.id = ++loaded;
    if (!menu.background.file.empty())
        pictures.pendingBackground = readAside(menu.background.file, menuFolder, host);
    if (!pictures.pendingBackground.valid())
        pictures.background = load(menu.background.file, menuFolder, host);
    const LogotypePicture& logo = menu.logotype;
    pictures.logotype = isMetafile(logo.file.source)
                            ? load(logo.file, menuFolder, host, logo.metafileWidth, logo.metafileHeight)
                            : load(logo.file, menuFolder, host);
    if (logo.transparent)
        makeTransparent(pictures.logotype, logo.whiteTransparent ? winRgb(255, 255, 255) : winRgb(0, 0, 0));
    pictures.picture = load(menu.picture.file, menuFolder, host);
    const int style = menu.buttons.style;
    if (style == BitmapButtonStyle || style == ImageHotspotStyle) {
        pictures.buttons.resize(menu.entries.size());
        for (std::size_t i = 0; i < menu.entries.size(); ++i) {
            const MenuEntry& entry = menu.entries[i];
            if (entry.titleRow || entry.hidden)
                continue;
            Bitmap& picture = pictures.buttons[i] = load(entry.picture, menuFolder, host);
            // Only a hotspot's picture has a transparent colour.
            if (style == ImageHotspotStyle && entry.transparency != 1)
                makeTransparent(picture, entry.transparency == 3 ? winRgb(255, 255, 255) : winRgb(0, 0, 0));
        }
    }
    return pictures;
}

void awaitPictures(MenuPictures& pictures)
{
    if (pictures.pendingBackground.valid()) {
        pictures.background = pictures.pendingBackground.get();
        pictures.pendingBackground = {};
    }
}

PictureSizes pictureSizesOf(const MenuPictures& pictures)
{
    PictureSizes sizes;
    sizes.logotypeWidth = pictures.logotype.width;
    sizes.logotypeHeight = pictures.logotype.height;
    sizes.pictureWidth = pictures.picture.width;
    sizes.pictureHeight = pictures.picture.height;
    for (const Bitmap& button : pictures.buttons)
        sizes.buttons.push_back({button.width, button.height});
    return sizes;
}

}  // namespace orv::shell
