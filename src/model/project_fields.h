// The keys of the project file and the menu description file that hold a member of
// MenuProject: one row per key, in the order the files hold them, with the kind of value,
// the value a reader takes when the key is missing, and the range of a number. The project
// reader, the writer, the menu program's reader and the tests all go through this table;
// the buttons' own keys are ButtonFieldTable's (menu_button.h).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_project.h"

namespace orv {

// The sections that hold project values, in the order they are written.
enum class ProjectSection : std::uint8_t {
    Create,
    CDIcon,
    AppIcon,
    ExtraProperties,
    ProjectType,
    PortavoLink,
    CharacterEncoding,
    MainWindow,
    WinEffects,
    Autorun,
    NoStartCondition,
    Title,
    SubTitle,
    TitleUnderline,
    TitleBkgLines,
    Buttons,
    ButtonTitles,
    PictureGallery,
    Pictures,
    Sound,
    Movie,
    Text,
    Version,
};

const char* SectionName(ProjectSection section);

enum class FieldKind : std::uint8_t {
    Text,          // as held
    NumberText,    // a number kept as the text typed in the editor
    Caption,       // text that may be held in the UNICODE: encoding
    Path,          // a path; "*" or "¤" at its start stands for the editor's folder
    Folder,        // a folder on the medium; older editors put "¤\" before it
    Int16,
    Alignment,     // an Int16 option; a value outside low..high reads as low
    Int32,
    Colour,        // an Int32 colour value
    TextFlag,      // a bool written "1"/"0", read as text: "1", "-1", "True" are true
    NumberFlag,    // a bool written "1"/"0", read as a number: exactly 1 is true
    NonZeroFlag,   // a bool written "1"/"0", read as a number: anything but 0 is true
};

struct ProjectField {
    ProjectSection section;
    const char* key;
    FieldKind kind;
    // The member, by its type; the others are null.
    std::string MenuProject::*text = nullptr;
    std::int16_t MenuProject::*int16 = nullptr;
    std::int32_t MenuProject::*int32 = nullptr;
    bool MenuProject::*flag = nullptr;
    // What the project reader takes for a missing key (numbers and flags; texts).
    long numberDefault = 0;
    const char* textDefault = "";
    // An empty text takes textDefault as well.
    bool emptyTakesDefault = false;
    // The values a number may hold (the menu program keeps to them); none when equal.
    int low = 0, high = 0;

    bool hasRange() const { return low != high; }
};

// Every row, in file order.
const std::vector<ProjectField>& ProjectFields();

// The row of a member (each member has exactly one).
const ProjectField& ProjectFieldOf(std::string MenuProject::*member);
const ProjectField& ProjectFieldOf(std::int16_t MenuProject::*member);
const ProjectField& ProjectFieldOf(std::int32_t MenuProject::*member);
const ProjectField& ProjectFieldOf(bool MenuProject::*member);

// Whether two projects hold the same value in a row's member, and copying that value.
bool SameFieldValue(const ProjectField& field, const MenuProject& a, const MenuProject& b);
void CopyFieldValue(const ProjectField& field, const MenuProject& from, MenuProject& to);

// The sections that hold no project member.
inline constexpr const char* OriginSectionName = "Origin";
inline constexpr const char* IdSectionName = "ID";
inline constexpr const char* DateCreatedSectionName = "DateCreated";
inline constexpr const char* ExeFilenameSectionName = "ExeFilename";  // menu description file only
inline constexpr const char* ButtonDataSectionName = "ButtonData";
inline constexpr const char* FontsSectionName = "Fonts";
inline constexpr const char* ShowDocTextSectionName = "ShowDocText";
inline constexpr const char* PdfSectionName = "PDF";
inline constexpr const char* RtfPrintSectionName = "RTF-Print";       // menu description file only
inline constexpr const char* SocialMediaSectionName = "SocialMedia";  // menu description file only

// Whether a section name (compared without case) is one the files hold.
bool IsProjectSectionName(std::string_view name);

// Keys outside the table that several readers and writers share.
inline constexpr const char* OriginVersionKey = "Ver";
inline constexpr const char* ButtonCountKey = "NrButtons";  // in [Buttons]
inline constexpr const char* ButtonKeyPrefix = "Button";

// The menu description file holds a protected button's password state under these field
// keys instead of PswProtect, Psw, PswAsterisk and PswEncrypt.
inline constexpr const char* MenuPswProtectKey = "PA";   // PswProtect, scrambled
inline constexpr const char* MenuPswVerifierKey = "PV";  // a salted verifier of the password
inline constexpr const char* MenuLegacyPswKey = "PB";    // older files: the password, scrambled
inline constexpr const char* MenuPswAsteriskKey = "PC";
inline constexpr const char* MenuPswEncryptKey = "PD";

// The [ButtonData] key of entry n (1-based) and a field key: "Button" + n + field.
std::string ButtonKey(int n, std::string_view field);

}  // namespace orv
