#include "model/recent_list.h"

#include <algorithm>

#include "model/my_documents_path.h"
#include "model/path_helpers.h"

namespace orv {

namespace {

// Only the first five positions are searched for a duplicate: a copy in the sixth falls off
// anyway when the new value goes on top.
constexpr int DuplicateScanLimit = 5;
// Entries of the start window's list.
constexpr int StartWindowLines = 4;

bool validEntry(int n) { return n >= 1 && n <= RecentListSize; }

bool isNoFileMarker(const std::string& text) { return text == RecentNoFileSwedish || text == RecentNoFileEnglish; }

}  // namespace

void RecentList::add(const std::string& value)
{
    if (value.empty())
        return;
    std::vector<std::string> work(entries_.begin(), entries_.end());
    if (isNoFileMarker(work.front()))
        work.front().clear();

    std::vector<std::string> kept;
    kept.reserve(work.size() + 1);
    kept.push_back(value);
    for (int i = 0; i < RecentListSize; ++i)
        if (i >= DuplicateScanLimit || work[i] != value)
            kept.push_back(work[i]);

    std::copy_n(kept.begin(), RecentListSize, entries_.begin());
}

void RecentList::remove(int n)
{
    if (!validEntry(n))
        return;
    std::move(entries_.begin() + n, entries_.end(), entries_.begin() + (n - 1));
    entries_.back().clear();
}

const std::string& RecentList::text(int n) const
{
    static const std::string none;
    return validEntry(n) ? entries_[n - 1] : none;
}

bool RecentList::isEmpty(int n) const
{
    const std::string& t = text(n);
    return t.empty() || (n == 1 && isNoFileMarker(t));
}

std::string RecentList::caption(int n) const
{
    if (n == 1 && isEmpty(1))
        return RecentPlaceholderText;
    return text(n);
}

bool RecentList::isVisible(int n) const { return n == 1 || (validEntry(n) && !isEmpty(n)); }

bool RecentList::isEnabled(int n) const { return validEntry(n) && !isEmpty(n); }

std::string RecentList::target(int n) const
{
    const std::string& t = text(n);
    if (isEmpty(n) || t.size() <= 2)
        return {};
    return ExpandMyDocumentsPath(t);
}

RecentList RecentFilesList() { return RecentList(Options().RecentFiles); }
RecentList RecentFoldersList() { return RecentList(Options().RecentFolders); }

void HandleRecentFilesMenu(const std::string& projectPath)
{
    if (projectPath.empty())
        return;
    RecentFilesList().add(ShortenMyDocumentsPath(projectPath));
}

void HandleRecentFoldersMenu(const std::string& projectPath)
{
    if (projectPath.empty())
        return;
    RecentFoldersList().add(ShortenMyDocumentsPath(PathDirectoryPart(projectPath)));
}

void RemoveFileFromRecentFileList(int n) { RecentFilesList().remove(n); }

std::vector<RecentProjectLine> StartWindowRecentProjects()
{
    std::vector<RecentProjectLine> lines;
    RecentList files = RecentFilesList();
    for (int n = 1; n <= StartWindowLines; ++n) {
        const std::string& t = files.text(n);
        if (!files.isEmpty(n) && t.size() > 2)
            lines.push_back({n, FileNamePart(t)});
    }
    return lines;
}

}  // namespace orv
