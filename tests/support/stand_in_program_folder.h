// A program folder of stand-in files below the test home, for tests that run a creation: the
// named files (paths below the folder, e.g. "Release/ORVNMENU.EXE") hold "stand-in for
// <path>", ORVANTO_PROGRAM_DIR points at the folder and host services that see it are
// installed, all for the object's lifetime.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>

#include "platform/host/host_services.h"
#include "support/test_home.h"

namespace orv::test {

class StandInProgramFolder {
public:
    explicit StandInProgramFolder(TestHome& home,
                                  std::initializer_list<const char*> files = {"Release/ORVNMENU.EXE",
                                                                              "Release/ORVNMENU.EXE.manifest"});
    ~StandInProgramFolder();
    StandInProgramFolder(const StandInProgramFolder&) = delete;
    StandInProgramFolder& operator=(const StandInProgramFolder&) = delete;

private:
    std::string previousProgramDir_;
    bool hadProgramDir_ = false;
    std::unique_ptr<platform::HostServices> services_;
};

}  // namespace orv::test
