#include "shell/start_condition.h"

#include <algorithm>

#include "model/path_helpers.h"
#include "platform/registry.h"
#include "platform/text_case.h"

namespace orv::shell {

bool noStartConditionHolds(const NoStartCondition& condition, const platform::Registry& registry)
{
    if (condition.subKey.empty() || condition.valueName.empty())
        return false;
    const std::string root = platform::foldCase(condition.rootName);
    int where = 0;
    if (root == "hkey_current_user")
        where = platform::HKEY_CURRENT_USER_ROOT;
    else if (root == "hkey_local_machine")
        where = condition.currentUserOnNewSystems ? platform::HKEY_CURRENT_USER_ROOT : platform::HKEY_LOCAL_MACHINE_ROOT;
    else
        return false;
    std::string key = condition.subKey;
    while (!key.empty() && key.front() == '\\')
        key.erase(key.begin());
    std::string found;
    if (!registry.GetRegKeyStr(where, key, condition.valueName, found))
        return false;
    return condition.value.empty() || platform::equalsNoCase(found, condition.value);
}

const DocumentText* documentTextFor(const MenuDescription& menu, const std::string& path)
{
    const std::string extension = LowerExtensionOf(path);
    if (extension.empty())
        return nullptr;
    for (const DocumentText& text : menu.documentTexts) {
        std::string list = platform::foldCase(text.extensions);
        for (char& c : list)
            if (c == ',' || c == ';' || c == '.' || c == '*')
                c = ' ';
        std::size_t at = 0;
        while (at < list.size()) {
            const std::size_t start = list.find_first_not_of(' ', at);
            if (start == std::string::npos)
                break;
            const std::size_t end = std::min(list.find(' ', start), list.size());
            if (list.compare(start, end - start, extension) == 0)
                return &text;
            at = end;
        }
    }
    return nullptr;
}

}  // namespace orv::shell
