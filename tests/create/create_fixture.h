// Test support for menu creation: a fresh home with a small program folder of its own (the
// menu program, companion programs and BE.exe as tiny stand-in files), a recording
// observer, and a project whose destination lies in the home folder.
#pragma once

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "create/create_dialog.h"
#include "create/creation_observer.h"
#include "model/menu_project.h"
#include "support/stand_in_program_folder.h"
#include "support/test_home.h"

namespace orv::test {

class RecordingObserver : public CreationObserver {
public:
    std::vector<MainTab> tabs;
    int createDialogHidden = 0;
    int mediaStops = 0;
    bool busyNow = false;
    std::vector<std::string> copiedNames;
    std::vector<DetailedCopyError> detailedErrors;
    std::vector<CreationReport> reports;
    std::deque<StickGuardOfferAnswer> offerAnswers;
    std::deque<platform::MessageAnswer> editAnswers;
    int offersShown = 0;
    int editQuestions = 0;
    int projectChanges = 0;
    std::function<void(const std::string& target)> onCopying;

    void busy(bool on) override { busyNow = on; }
    void copying(const std::string& name, const std::string&, const std::string& target) override;
    void showMainTab(MainTab tab) override { tabs.push_back(tab); }
    void hideCreateDialog() override { ++createDialogHidden; }
    StickGuardOfferAnswer offerStickGuardButton(bool dontShowChecked) override;
    platform::MessageAnswer askEditStickGuardButton() override;
    void showDetailedCopyError(const DetailedCopyError& error) override { detailedErrors.push_back(error); }
    void menuIsCreated(const CreationReport& report) override { reports.push_back(report); }
    void stopMediaPlayback() override { ++mediaStops; }
    void projectChanged() override { ++projectChanges; }
};

class CreateTest : public ::testing::Test {
protected:
    CreateTest();

    // Runs CmdCreateMenu with the dialog loaded from the project (adjust runs first).
    bool create(const std::function<void(CreateDialogState&)>& adjust = {});

    // Host path and Windows form of a path below the destination folder "menu".
    std::filesystem::path out(const std::string& relative) const { return home.path("menu/" + relative); }
    std::string dest() const { return home.win("menu"); }
    bool exists(const std::string& relative) const;
    std::string read(const std::string& relative) const { return home.readFile("menu/" + relative); }

    // Writes a source file below "src/" and returns its Windows form.
    std::string source(const std::string& relative, const std::string& bytes = "data");

    const std::vector<RecordedMessage>& messages() { return home.ui().messages(); }
    // The text of the only message shown; fails the test when there is not exactly one.
    std::string onlyMessage();
    // Expects exactly one message with this text, and this title and style when given; then
    // forgets the messages shown.
    void expectMessage(const std::string& text, const std::string& title = {}, int style = 0);

    // The files and folders below the destination, relative, sorted ("a", "sub/", "sub/b").
    std::vector<std::string> tree() const;

    TestHome home;
    StandInProgramFolder programFolder{home,
                                       {"Release/ORVNMENU.EXE", "Release/ORVNMENU.EXE.manifest", "Test/ORVNMENU.EXE",
                                        "Test/ORVNMENU.EXE.manifest", "FlashPlayer/VTFlashPlayer.exe",
                                        "FlashPlayer/VTFlashPlayer.exe.manifest", "PictureGallery/VTPictureGallery.exe",
                                        "PictureGallery/VTPictureGallery.exe.manifest", "BE/BE.exe",
                                        "BE/BE.exe.manifest"}};
    RecordingObserver observer;
    MenuProject project;
    std::string programDir;  // Windows form
};

// A button with a command, a link and a source file, copied (CSF "2") unless told.
MenuButton LinkedButton(const std::string& text, const std::string& cmd, const std::string& link,
                        const std::string& sourceFile, const std::string& csf = "2");

}  // namespace orv::test
