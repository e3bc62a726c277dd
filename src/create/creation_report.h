// The creation report: what a run copied, and the lines of the report list ListCopiedFiles
// of the dialog MenuIsCreated, in their fixed order.
#pragma once

#include <string>
#include <vector>

namespace orv {

struct CreationFacts {
    std::string destination;
    std::string programName;   // upper case
    std::string manifestName;  // program name + ".manifest"
    std::string dataFileName;  // the menu description file's name (any case)
    bool useAutorun = false;
    std::string iconName;  // set when the icon was copied
    // The StickGuard setup program, as named by the project, and where it went.
    std::string stickGuardFilename;
    std::string stickGuardFoldername;
    bool stickGuardInMenuFolder = false;
    bool stickGuardInSubFolder = false;
    bool flashPlayerCopied = false;
    bool pictureGalleryCopied = false;
    bool copyObjects = false;
    std::vector<std::string> picturesCopied;  // target paths, in object order
    std::vector<std::string> soundsCopied;    // target paths, in object order
    bool hoverSoundsCopied = false;           // a button's own hover sound
    bool bitmapButtonStyle = false;           // "Bitmap Button" or "Image / Hotspot"
    std::string movieCopied;                  // the menu movie's file name
    bool fontsCopied = false;
    bool linkedFilesHandled = false;
};

// The report lines; a line naming a copied file starts with two blanks.
std::vector<std::string> CreationReportLines(const CreationFacts& facts);

}  // namespace orv
