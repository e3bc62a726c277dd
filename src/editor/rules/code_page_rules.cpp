#include "editor/rules/code_page_rules.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/ansi_codec.h"
#include "model/project_fields.h"
#include "model/unicode_text.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

std::string MisfitCharacters(std::string_view text, std::size_t most)
{
    std::vector<char32_t> seen;
    std::string out;
    bool more = false;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t start = pos;
        const char32_t cp = NextCodePoint(text, pos);
        const std::string one(text.substr(start, pos - start));
        if (FitsAnsiCodePage(one) || std::find(seen.begin(), seen.end(), cp) != seen.end())
            continue;
        if (seen.size() == most) {
            more = true;
            break;
        }
        // With its code point: many letters of other scripts look like Latin ones.
        char code[16];
        std::snprintf(code, sizeof code, " (U+%04X)", static_cast<unsigned>(cp));
        out += (seen.empty() ? "" : ", ") + one + code;
        seen.push_back(cp);
    }
    if (more)
        out += ", …";
    return out;
}

CodePageCheck CheckCodePage(std::string_view typed, TextKind kind, bool useUnicode)
{
    CodePageCheck check;
    if (FitsAnsiCodePage(typed))
        return check;
    if (kind != TextKind::Text)
        check.verdict = CodePageVerdict::Refuse;
    else if (!useUnicode)
        check.verdict = CodePageVerdict::OfferUnicode;
    else
        return check;
    check.misfits = MisfitCharacters(typed);
    return check;
}

std::string CodePageName()
{
    return "Windows-" + std::to_string(AnsiCodePage());
}

std::string UnicodeOfferText(const CodePageCheck& check)
{
    return "The text contains characters that the code page of this computer (" + CodePageName() +
           ") cannot store: " + check.misfits + ". Without Unicode they are saved as \"?\".\n\n"
                                                "Turn Unicode on for this project?";
}

namespace {

std::string CannotHold(TextKind kind, const CodePageCheck& check)
{
    std::string what;
    switch (kind) {
    case TextKind::Path:
        what = "A path is always stored in the code page of this computer (" + CodePageName() +
               "), even with Unicode, and cannot hold these characters: ";
        break;
    case TextKind::Password:
        what = "A password is always stored in the code page of this computer (" + CodePageName() +
               "), even with Unicode, and cannot hold these characters: ";
        break;
    default:
        what = "This text is always stored in the code page of this computer (" + CodePageName() +
               "), even with Unicode, and cannot hold these characters: ";
        break;
    }
    return what + check.misfits + ".";
}

}  // namespace

std::string RefusalText(TextKind kind, const CodePageCheck& check)
{
    return CannotHold(kind, check) + "\n\nThey were not taken.";
}

bool TakeChosenPath(const std::string& path)
{
    const CodePageCheck check = CheckCodePage(path, TextKind::Path, false);
    if (check.verdict == CodePageVerdict::Fits)
        return true;
    if (platform::UserInterface* ui = platform::services().ui)
        ui->Message(path + "\n\n" + CannotHold(TextKind::Path, check) + "\n\nRename it or choose another.",
                    platform::MsgOk + platform::MsgWarning, RefusalTitle);
    return false;
}

TextKind ProjectFieldTextKind(std::string MenuProject::*field)
{
    for (const ProjectField& f : ProjectFields()) {
        if (f.text != field)
            continue;
        switch (f.kind) {
        case FieldKind::Caption:
        case FieldKind::NumberText:
            return TextKind::Text;
        case FieldKind::Path:
        case FieldKind::Folder:
            return TextKind::Path;
        default:
            return TextKind::CodePageText;
        }
    }
    return TextKind::Text;
}

}  // namespace orv::editor
