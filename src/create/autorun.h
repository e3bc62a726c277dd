// The files that make a medium start its menu: the menu program under its configured name
// with its manifest, the drive icon and AUTORUN.INF (with the sibling product's label).
#pragma once

#include <string>

#include "create/creation_run.h"
#include "model/text_helpers.h"

namespace orv {

// The delivered menu program and its manifest in the editor's "Release" folder.
inline constexpr const char* MenuProgramSourceName = "ORVNMENU.EXE";
inline constexpr const char* MenuManifestSourceName = "ORVNMENU.EXE.manifest";
inline constexpr const char* AutorunFileName = "AUTORUN.INF";
inline constexpr std::size_t AutorunLabelLength = 32;

// The drive icon's file name: the name part of the icon source in upper case; empty when
// there is no icon source or autorun is off.
std::string AutorunIconName(const std::string& iconSource, bool useAutorun);

// The text of AUTORUN.INF (UTF-8, CR LF): "[AutoRun]", "OPEN=", then ICON, LABEL (trimmed,
// first 32 characters) and ACTION lines where they apply.
std::string AutorunInfText(const std::string& programName, const std::string& iconName, const std::string& label,
                           const std::string& actionText);

// The label written for the sibling product: the trimmed label, or when that is empty
// "- USB Flash Drive " + yymmdd + " -".
std::string PortavoDriveLabel(const std::string& label, const CalendarDate& today);

// The menu program and its manifest into the destination.
bool CopyMenuProgram(CreationRun& run);
// The icon, when the icon name is not empty.
bool CopyDriveIcon(CreationRun& run);
// AUTORUN.INF when autorun is on, and the sibling product's LABEL when cooperating.
bool WriteAutorunInformation(CreationRun& run);

}  // namespace orv
