// The question "Choose Type of Project" asked when a new project is started: whether it is
// asked, the caption of its confirm button, and the project type each answer gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orv::editor {

inline constexpr const char* ProjectTypeDialogTitle = "Choose Type of Project";
inline constexpr const char* ProjectTypePrompt = "Choose type of project:";
inline constexpr const char* ProjectTypeCDOption = "Create a &CD/DVD project";
inline constexpr const char* ProjectTypeUSBOption = "Create a &USB flash drive project";

// "Continue  >" for a new project made from a template, "Select Project Type" otherwise.
std::string ProjectTypeConfirmCaption(bool fromTemplate);

// The question is asked unless the option DontAskProjectType is on.
bool ProjectTypeQuestionNeeded();

// The project type of a new project. ask is called only when the question is needed and
// returns the chosen option (false CD/DVD, true USB) or nothing for Cancel. An empty result
// abandons the new project.
template <typename Ask>
std::optional<std::int16_t> ChooseNewProjectType(Ask&& ask)
{
    if (!ProjectTypeQuestionNeeded())
        return std::int16_t{1};
    std::optional<bool> usb = ask();
    if (!usb)
        return std::nullopt;
    return static_cast<std::int16_t>(*usb ? 2 : 1);
}

}  // namespace orv::editor
