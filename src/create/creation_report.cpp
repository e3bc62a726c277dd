#include "create/creation_report.h"

#include "create/path_rules.h"

namespace orv {

std::vector<std::string> CreationReportLines(const CreationFacts& facts)
{
    std::vector<std::string> lines;
    lines.push_back("Following files have been copied to '" + facts.destination + "':");
    lines.push_back("  " + facts.programName + "  -  (program file)");
    lines.push_back("  " + facts.manifestName + "  -  (manifest file)");
    lines.push_back("  " + UpperText(facts.dataFileName) + "  -  (data file)");
    if (facts.useAutorun)
        lines.push_back("  AUTORUN.INF");
    if (!facts.iconName.empty())
        lines.push_back("  " + facts.iconName);
    if (facts.stickGuardInMenuFolder)
        lines.push_back("  " + facts.stickGuardFilename + "  -  (StickGuard setup program)");
    if (facts.flashPlayerCopied) {
        lines.push_back("");
        lines.push_back("Following files have been copied to the 'VTFlashPlayer' sub folder:");
        lines.push_back("  VTFLASHPLAYER.EXE  -  (flash player)");
        lines.push_back("  VTFLASHPLAYER.EXE.manifest  -  (manifest file)");
    }
    if (facts.pictureGalleryCopied) {
        lines.push_back("");
        lines.push_back("Following files have been copied to the 'VTPictureGallery' sub folder:");
        lines.push_back("  VTPICTUREGALLERY.EXE  -  (picture gallery)");
        lines.push_back("  VTPICTUREGALLERY.EXE.manifest  -  (manifest file)");
        lines.push_back("  VTPICTUREGALLERY.DAT  -  (picture gallery data)");
    }
    if (facts.stickGuardInSubFolder) {
        lines.push_back("");
        lines.push_back("Following files have been copied to the '" + facts.stickGuardFoldername + "' sub folder:");
        lines.push_back("  " + facts.stickGuardFilename + "  -  (StickGuard setup program)");
    }
    if (facts.copyObjects) {
        if (!facts.picturesCopied.empty()) {
            lines.push_back("");
            lines.push_back("Following pictures have been copied:");
            for (const auto& path : facts.picturesCopied)
                lines.push_back("  " + path);
        }
        if (!facts.soundsCopied.empty() || facts.hoverSoundsCopied) {
            lines.push_back("");
            lines.push_back("Following sound files have been copied:");
            for (const auto& path : facts.soundsCopied)
                lines.push_back("  " + path);
            if (facts.hoverSoundsCopied)
                lines.push_back("  All hoover button sound files");
        }
    }
    if (facts.bitmapButtonStyle) {
        lines.push_back("");
        lines.push_back("Bitmaps to buttons have also been copied to specified folders");
    }
    if (!facts.movieCopied.empty()) {
        lines.push_back("");
        lines.push_back("The movie " + UpperText(facts.movieCopied) + " was copied to specified folder");
    }
    if (facts.fontsCopied) {
        lines.push_back("");
        lines.push_back("Fonts where copied to folder 'orvndata\\fonts'");
    }
    if (facts.linkedFilesHandled) {
        lines.push_back("");
        lines.push_back("Files linked to buttons have been copied");
    }
    return lines;
}

}  // namespace orv
