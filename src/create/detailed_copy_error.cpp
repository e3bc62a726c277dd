#include "create/detailed_copy_error.h"

#include "create/path_rules.h"
#include "model/file_io.h"
#include "model/path_helpers.h"
#include "platform/file_system.h"
#include "platform/services.h"

namespace orv {

namespace {

CopyErrorFact folderFact(const std::string& folder, bool& exists)
{
    exists = false;
    CopyErrorFact fact;
    if (CharacterCount(folder) <= 2)
        return fact;
    auto* files = platform::services().files;
    exists = files && files->DirExists(folder) != 0;
    fact.answer = exists ? FactYes : FactNo;
    fact.negative = !exists;
    return fact;
}

CopyErrorFact fileFact(const std::string& folder, bool folderExists, const std::string& fileName)
{
    CopyErrorFact fact;
    if (!folderExists)
        return fact;
    if (CharacterCount(fileName) < 3) {
        fact.answer = FactNameTooShort;
        fact.negative = true;
        return fact;
    }
    const bool exists = FileExists(JoinPath(folder, fileName));
    fact.answer = exists ? FactYes : FactFileMissing;
    fact.negative = !exists;
    return fact;
}

}  // namespace

DetailedCopyError DescribeCopyError(const std::string& title, const std::string& message,
                                    const std::string& fileName, const std::string& sourceFolder,
                                    const std::string& targetFolder)
{
    DetailedCopyError error{title, message, fileName, sourceFolder, targetFolder, {}, {}, {}, {}};
    bool sourceExists = false, targetExists = false;
    error.sourceFolderExists = folderFact(sourceFolder, sourceExists);
    error.sourceFileExists = fileFact(sourceFolder, sourceExists, fileName);
    error.targetFolderExists = folderFact(targetFolder, targetExists);
    error.targetFileExists = fileFact(targetFolder, targetExists, fileName);
    return error;
}

std::string DetailedCopyErrorText(const DetailedCopyError& error)
{
    return error.message + "\nFile name: " + error.fileName + "\nSource folder: " + error.sourceFolder +
           "\nDestination folder: " + error.targetFolder +
           "\nSource folder exists: " + error.sourceFolderExists.answer +
           "\nSource file exists: " + error.sourceFileExists.answer +
           "\nDestination folder exists: " + error.targetFolderExists.answer +
           "\nDestination file exists: " + error.targetFileExists.answer;
}

}  // namespace orv
