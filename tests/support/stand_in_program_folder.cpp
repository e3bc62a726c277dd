#include "support/stand_in_program_folder.h"

#include <cstdlib>

namespace orv::test {

StandInProgramFolder::StandInProgramFolder(TestHome& home, std::initializer_list<const char*> files)
{
    for (const char* file : files)
        home.writeFile(std::string("program/") + file, std::string("stand-in for ") + file);
    if (const char* old = std::getenv("ORVANTO_PROGRAM_DIR")) {
        hadProgramDir_ = true;
        previousProgramDir_ = old;
    }
    ::setenv("ORVANTO_PROGRAM_DIR", home.path("program").c_str(), 1);
    services_ = std::make_unique<platform::HostServices>(&home.ui());
}

StandInProgramFolder::~StandInProgramFolder()
{
    services_.reset();
    if (hadProgramDir_)
        ::setenv("ORVANTO_PROGRAM_DIR", previousProgramDir_.c_str(), 1);
    else
        ::unsetenv("ORVANTO_PROGRAM_DIR");
}

}  // namespace orv::test
