// Small bridges between the plain reading code and Qt, shared by the menu program and the
// companion programs: texts, colours, fonts, the program's own folder and its arguments.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QColor>
#include <QFont>
#include <QString>

#include "platform/host/host_base_services.h"
#include "platform/widgets/qt_user_interface.h"
#include "shell/menu_description.h"

namespace orv::shell {

inline QString toQString(const std::string& utf8) { return QString::fromStdString(utf8); }

// A Windows colour value (red in the low byte).
inline QColor toQColor(WinColour colour) { return platform::ColourToQColor(static_cast<std::int32_t>(colour)); }

// A colour sheet value, "#rrggbb".
QString cssColour(WinColour colour);

QFont toQFont(const FontSpec& font);

// The basic platform services of a program with windows (no pictures, fonts or
// encryption): installed for the object's lifetime, with message boxes as the user
// interface. A program that needs more installs it on top through base().
class ProgramServices {
public:
    ProgramServices();
    ~ProgramServices();

    platform::BasicHostServices& base() { return *services_; }

private:
    platform::QtUserInterface ui_;
    std::unique_ptr<platform::BasicHostServices> services_;
};

// The folder of the running program, in Windows form (needs the services installed).
std::string programFolder();

// The command-line arguments after the program name.
std::vector<std::string> programArguments();

// A Windows-form path as the user of this system knows it (the host path on the host).
QString displayPath(const std::string& windowsPath);

// A path given on the command line (host or Windows form) in Windows form.
std::string windowsFormOfArgument(const std::string& argument);

}  // namespace orv::shell
