// Paths of the author's machine at the interface's edge. The project and every rule keep
// them in Windows form ("Z:\home\ann\a.png"); the interface shows them in host form
// ("/home/ann/a.png", "~/a.png") and takes them typed in either form (docs/paths.md, "In the
// interface"). Button links and the "Folder" fields name places on the medium and do not
// pass through here.
#pragma once

#include <cstddef>
#include <string>

namespace orv::platform {
class FileSystem;
}

namespace orv::editor {

class PathEdge {
public:
    // files: the drive map's conversions (null: paths are shown and taken as they are);
    // home: the user's home folder in host form ("/home/ann"; empty: never "~").
    PathEdge(const platform::FileSystem* files, std::string home);
    // The installed file system and $HOME.
    static PathEdge current();

    // The host path of a Windows-form path ("Z:\home\ann\a.png" -> "/home/ann/a.png").
    // A path with no host form (a letter that is not mapped, a network path), a relative one
    // and a host path come back as they are; empty stays empty.
    std::string shown(const std::string& windowsPath) const;
    // The same with the home folder written "~" ("~/Documents/a.png"): menus and labels.
    std::string shownShort(const std::string& windowsPath) const;
    // shownShort; when longer than maxLength, the folders in the middle become "…"
    // ("~/Documents/…/menus/demo.mnp"): the recent menus.
    std::string shownInMenu(const std::string& windowsPath, std::size_t maxLength = 60) const;

    // A text with each Windows-form path of this machine in it ("E:\..." after the start, a
    // blank or a quote, up to a quote or the line's end) in its shown form: reports and
    // messages composed from the rules' texts.
    std::string shownInText(const std::string& text) const;

    // The Windows form of a typed path, the one place where a typed path of the author's
    // machine enters the program. Host form ("/home/ann/x.png", "~/x.png", "~") goes through
    // the drive map; Windows form ("Z:\home\ann\x.png", "z:/tmp/") keeps its drive and gets
    // single backslashes; blanks around the text are dropped; empty stays empty. A relative
    // text ("menu", "sub/x.png") comes back as typed, for the usual checks to refuse.
    std::string typed(const std::string& text) const;

    // What a path field stores for its text: the stored value itself when the text is still
    // what the field showed for it (so a field the author left alone changes nothing, not
    // even the letter case), else the typed text's Windows form.
    std::string stored(const std::string& text, const std::string& previous) const;

private:
    const platform::FileSystem* files_;
    std::string home_;
};

// The same through PathEdge::current().
std::string ShownPath(const std::string& windowsPath);
std::string ShownPathShort(const std::string& windowsPath);
std::string ShownPathInMenu(const std::string& windowsPath);
std::string ShownPathsInText(const std::string& text);
std::string PathFromTyped(const std::string& text);
std::string StoredPathOf(const std::string& text, const std::string& previous);

}  // namespace orv::editor
