// Project files from arbitrary bytes: the reader must never crash or hang, must keep every
// value in its range (never more than 44 buttons), and what it read must write out as a
// project and a menu description file that read back with the same shape.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/ansi_codec.h"
#include "model/menu_project.h"
#include "model/profile.h"
#include "model/project_reader.h"
#include "model/project_writer.h"
#include "model/sibling_products.h"
#include "model/unicode_text.h"

using namespace orv;
using orv::fuzz::check;

namespace {

void checkRanges(const MenuProject& p)
{
    check(p.Buttons.size() <= static_cast<std::size_t>(ButtonListLimit));
    check(p.ProjectType == ProjectTypeCD || p.ProjectType == ProjectTypeUSB);
    check(p.FileNameColumnHeading == FileNameColumnHeadingFor(p.ProjectType));
    check(p.AppIconIndex != 0);
    check(p.ButtonStyle >= 1);
    check(p.TitleAlignment >= 1 && p.TitleAlignment <= 3);
    check(p.ButtonAlignment >= 1 && p.ButtonAlignment <= 4);
    check(p.ButtonTextAlignment >= 1 && p.ButtonTextAlignment <= 3);
    check(!p.SubTitleFontName.empty() && !p.ButtonOK_Text.empty() && !p.ButtonClose_Text.empty());
    check(Utf8Length(p.CaptionText) <= 199 && Utf8Length(p.Comments) <= 199);
    for (const MenuButton& b : p.Buttons) {
        check(Utf8Length(b.Link) <= 199);
        for (int pos : {FieldDeltaX, FieldDeltaY, FieldDeltaType, FieldCSF, FieldHide})
            check(!b.field(pos).empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte decides whether Portavo counts as installed (and its edition), and
    // which of the two files is written back.
    const std::uint8_t switches = size > 0 ? data[0] : 0;
    Siblings().PortavoInstalled = switches & 1;
    Siblings().PortavoCompactOffice = switches & 2;
    const bool menuFile = switches & 4;

    MenuProject project;
    ResetParameters(project);
    LoadOptionsFromDocument(project, ProfileDocument::parse(AnsiToUtf8(bytes)));
    checkRanges(project);

    // Whatever was read writes out and reads back with the same shape.
    const std::string text = StoreOptionsToText(project, menuFile ? WriteOptions::MenuDescription : WriteOptions::ProjectFile);
    check(text.ends_with("-(EOF)-\r\n\r\n"));
    MenuProject again;
    ResetParameters(again);
    LoadOptionsFromDocument(again, ProfileDocument::parse(AnsiToUtf8(Utf8ToAnsi(text))));
    checkRanges(again);
    check(again.Buttons.size() == project.Buttons.size());
    check(again.ProjectType == project.ProjectType);
    check(again.ButtonStyle == project.ButtonStyle);
    return 0;
}
