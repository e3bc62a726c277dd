#include "model/my_documents_path.h"

#include "model/text_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"
#include "platform/system_folders.h"
#include "platform/text_case.h"

namespace orv {

namespace {

// Runs of backslashes (left by joining a folder that ends in one) reduced to one.
std::string withSingleBackslashes(const std::string& text)
{
    // A network path keeps its leading pair.
    bool network = text.rfind("\\\\", 0) == 0;
    std::string result = network ? "\\\\" : "";
    result.reserve(text.size());
    for (char c : text.substr(network ? 2 : 0))
        if (c != '\\' || result.empty() || result.back() != '\\')
            result.push_back(c);
    return result;
}

}  // namespace

std::string ShortenMyDocumentsPath(const std::string& path)
{
    std::string result = TrimmedText(path);
    if (result.size() < 2 || result[1] != ':')
        return result;
    const auto& services = platform::services();
    std::string documents = services.folders->GetMyDocumentsDir();
    if (documents.empty() || !services.files->DirExists(documents))
        return result;
    // Case is ignored for every letter of the code pages, not only ASCII ("C:\Users\Åsa").
    if (!platform::equalsNoCase(std::string_view(result).substr(0, documents.size()), documents))
        return result;
    // Only whole folder names count: "Documents2\a.mnp" is not below "Documents".
    std::string rest = result.substr(documents.size());
    if (!rest.empty() && rest.front() != '\\' && documents.back() != '\\')
        return result;
    return withSingleBackslashes(MyDocumentsDisplayPrefix + rest);
}

std::string ExpandMyDocumentsPath(const std::string& text)
{
    std::string result = TrimmedText(text);
    if (result.rfind("...", 0) != 0)
        return result;
    std::string documents = platform::services().folders->GetMyDocumentsDir();
    const std::string swedish = "...\\Mina dokument";
    if (result.find(swedish) != std::string::npos)
        result = ReplacedAll(result, swedish, documents);
    else
        result = ReplacedAll(result, "...\\My Documents", documents);
    return withSingleBackslashes(result);
}

}  // namespace orv
