#include "create/copy_messages.h"

#include "create/copy_file.h"

namespace orv {

std::string ProgramCopyMessage(const std::string& name, int error)
{
    if (error == ErrFileNotFound)
        return "Can't find '" + name + "'! Can't copy!";
    if (error == ErrPathNotFound)
        return "Can't copy '" + name + "'! Source or destination folder is invalid!";
    return "Can't copy '" + name + "'! Error #" + std::to_string(error) +
           " occurred when attempting to copy the file!";
}

std::string IconCopyMessage(int error)
{
    if (error == ErrFileNotFound)
        return "Can't copy the icon file! Can't find the icon file at the specified path!";
    if (error == ErrPathNotFound)
        return "Can't copy the icon file! Can't find the icon file at the specified folder!";
    return "Can't copy the icon file! Error #" + std::to_string(error) + " occurred when attempting to copy the file!";
}

std::string BitmapCopyMessage(int error)
{
    if (error == ErrFileNotFound)
        return "Can't copy a bitmap to a bitmap button! Can't find the bitmap file at the specified path!";
    if (error == ErrPathNotFound)
        return "Can't copy a bitmap to a bitmap button! Source or destination folder doesn't exists!";
    return "Can't copy a bitmap to a bitmap button! Error #" + std::to_string(error) + " occurred!";
}

std::string FontCopyMessage(const std::string& source, int error)
{
    if (error == ErrFileNotFound)
        return "An error occurred when a font file was copied to 'ORVNDATA\\Fonts'. The source file '" + source +
               "' is not found. This font is probably not installed in the Windows font folder.";
    return "Error #" + std::to_string(error) + "occurred when a font file was copied to 'ORVNDATA\\Fonts'!";
}

std::string SourceFolderMissingText(const std::string& name)
{
    return "Can't copy the file '" + name + "'! Source folder is missing!";
}

std::string ObjectCopyMessage(const std::string& name, int error, MissingFolder missing, const std::string& folder)
{
    switch (error) {
    case ErrFileNotFound:
        return "Can't find the file '" + name + "' at specified path! Can't create the menu!";
    case ErrPathNotFound:
        if (missing == MissingFolder::SourceFolderEmpty)
            return SourceFolderMissingText(name);
        if (missing == MissingFolder::SourceFolder)
            return "Can't copy the file '" + name + "'! The source folder '" + folder + "' doesn't exists!";
        return "Can't copy the file '" + name + "'! The destination folder '" + folder + "' doesn't exists!";
    case ErrPermissionDenied:
        return "Access denied! The file '" + name + "' is active and can not be replaced! Can't create the menu!";
    default:
        return "Can't copy the file '" + name + "'! Error #" + std::to_string(error) + " occurred!";
    }
}

std::string LinkedFileCopyMessage(const std::string& name, int error)
{
    if (error == ErrFileNotFound)
        return "Can't find the file '" + name + "' at specified path! Can't copy. Can't create the menu!";
    return ObjectCopyMessage(name, error, MissingFolder::TargetFolder, {});
}

std::string LinkedSourceFolderDetail(const std::string& name)
{
    return "Can't copy the file '" + name + "'! The source folder does not exists. See below for details.";
}

std::string LinkedTargetFolderDetail(const std::string& name)
{
    return "Can't copy the file '" + name + "'! The destination folder does not exists. See below for details.";
}

std::string OutsideDestinationText(const std::string& subject, const std::string& value,
                                   const std::string& destination)
{
    return "The " + subject + " ('" + value + "') leads out of the destination folder '" + destination + "'.";
}

std::string OutsideDestinationMessage(const std::string& subject, const std::string& noun, const std::string& value,
                                      const std::string& destination)
{
    return OutsideDestinationText(subject, value, destination) +
           " A file that is copied to the menu must stay inside the menu folder. Change the " + noun +
           " and try again. Can't create the menu!";
}

std::string GeneralCreateErrorMessage(int error)
{
    return "Can't create the menu! Error #" + std::to_string(error) + " occurred!";
}

}  // namespace orv
