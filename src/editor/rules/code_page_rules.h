// Characters the project files cannot store. Without Unicode every text is written in the
// ANSI code page, where a character the page lacks becomes "?"; with Unicode the texts the
// menu shows (title, subtitle, button texts and tips, ...) take the "UNICODE:" form, but
// paths, passwords and the other texts are always written in the code page.
#pragma once

#include <string>
#include <string_view>

#include "model/menu_project.h"

namespace orv::editor {

// What a text field holds, as far as its characters are concerned.
enum class TextKind {
    Text,          // written in the "UNICODE:" form when the project uses Unicode
    CodePageText,  // a text the files always hold in the code page
    Path,          // a file or folder of the author's machine or the medium
    Password,
};

enum class CodePageVerdict {
    Fits,          // nothing to do
    OfferUnicode,  // the text needs Unicode, which is off: ask to turn it on
    Refuse,        // the field cannot hold the character: do not take it
};

struct CodePageCheck {
    CodePageVerdict verdict = CodePageVerdict::Fits;
    std::string misfits;  // the characters that do not fit, as "Ж (U+0416), Я (U+042F)" (the first few)
};

// The verdict on typed text (what was typed or pasted) in a field of the kind.
CodePageCheck CheckCodePage(std::string_view typed, TextKind kind, bool useUnicode);

// The distinct characters of a text that the code page lacks, the first most of them, each
// with its code point, separated by ", " and followed by ", …" when there are more.
std::string MisfitCharacters(std::string_view text, std::size_t most = 5);

// The code page's name, as "Windows-1252".
std::string CodePageName();

// The question that offers Unicode, and the message of a refusal.
inline constexpr const char* UnicodeOfferTitle = "Use Unicode?";
std::string UnicodeOfferText(const CodePageCheck& check);
inline constexpr const char* RefusalTitle = "Character Not Taken";
std::string RefusalText(TextKind kind, const CodePageCheck& check);

// A file or folder chosen in a dialog for the project: false, after the refusal message,
// when its path holds characters the code page lacks (the project could not store it).
bool TakeChosenPath(const std::string& path);

// The kind of a project text field, from the way the project file writes it.
TextKind ProjectFieldTextKind(std::string MenuProject::*field);

}  // namespace orv::editor
