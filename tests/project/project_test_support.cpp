#include "project/project_test_support.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "model/ansi_codec.h"
#include "model/project_fields.h"
#include "model/project_reader.h"
#include "model/project_writer.h"
#include "model/scramble.h"

namespace orv::test {

std::vector<std::string> crlfLines(const std::string& text)
{
    std::vector<std::string> lines;
    for (size_t pos = 0, end; pos < text.size(); pos = end + 2) {
        end = std::min(text.find("\r\n", pos), text.size());
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}

std::vector<std::string> sectionLines(const std::string& text, const std::string& section)
{
    const auto lines = crlfLines(text);
    auto line = std::find(lines.begin(), lines.end(), "[" + section + "]");
    std::vector<std::string> out;
    while (line != lines.end() && ++line != lines.end() && !line->empty())
        out.push_back(*line);
    return out;
}

bool hasSection(const std::string& text, const std::string& section)
{
    const auto lines = crlfLines(text);
    return std::find(lines.begin(), lines.end(), "[" + section + "]") != lines.end();
}

std::string writtenValue(const std::string& text, const std::string& section, const std::string& key)
{
    const std::string start = key + " = ";
    for (const auto& line : sectionLines(text, section))
        if (line.compare(0, start.size(), start) == 0)
            return line.substr(start.size());
    return "<missing>";
}

std::string comparable(const std::string& text)
{
    std::string out;
    bool inDate = false;
    for (const auto& line : crlfLines(text)) {
        if (line.starts_with("["))
            inDate = line == "[DateCreated]";
        const size_t at = line.find(" = ");
        const std::string key = at == std::string::npos ? std::string() : line.substr(0, at);
        if ((inDate && !key.empty()) || (key.starts_with("Button") && key.ends_with("PV")))
            out += key + " = #";
        else if (key.starts_with("Button") && key.ends_with("PA"))
            out += key + " = #" + UnscrambleText(line.substr(at + 3));
        else
            out += line;
        out += "\r\n";
    }
    return out;
}

std::string golden(const std::string& name)
{
    std::ifstream in(std::string(ORVANTO_TEST_DATA_DIR) + "/golden/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return AnsiToUtf8(text.str());
}

namespace {

// Every field "<key> <n>", a caption with an ampersand between blanks, and a password that
// only the first entry verifies (the other files are encrypted: a verifier is slow to make).
MenuButton filledButton(int n)
{
    MenuButton b;
    const std::string tag = std::to_string(n);
    for (int pos = 0; pos < ButtonFieldCount; ++pos)
        b.field(pos) = std::string(ButtonFieldTable[static_cast<size_t>(pos)].key) + " " + tag;
    b.Text = "Button " + tag + " & more";
    b.Cmd = "Run Program";
    b.PswProtect = "1";
    b.PswEncrypt = n == 1 ? "0" : "1";
    return b;
}

// A number for row i of the key table inside the row's range.
long filledNumber(const ProjectField& f, size_t i)
{
    const long n = 100 + static_cast<long>(i);
    return f.hasRange() && n > f.high ? f.low + 1 + n % (f.high - f.low) : n;
}

}  // namespace

MenuProject filledProject(int buttons, bool withTitleRow)
{
    const MenuProject fresh;
    MenuProject p;
    p.ProjectFilePath = "Z:\\projects\\full.mnp";
    const auto& fields = ProjectFields();
    for (size_t i = 0; i < fields.size(); ++i) {
        const ProjectField& f = fields[i];
        switch (f.kind) {
        case FieldKind::NumberText:
            p.*f.text = std::to_string(filledNumber(f, i));
            break;
        case FieldKind::Path:
            p.*f.text = std::string("Z:\\media\\") + f.key + ".dat";
            break;
        case FieldKind::Folder:
            p.*f.text = std::string(f.key) + " folder";
            break;
        case FieldKind::Text:
        case FieldKind::Caption:
            p.*f.text = std::string(f.key) + " value";
            break;
        case FieldKind::Int16:
        case FieldKind::Alignment:
            p.*f.int16 = static_cast<std::int16_t>(filledNumber(f, i));
            break;
        case FieldKind::Int32:
            p.*f.int32 = static_cast<std::int32_t>(filledNumber(f, i));
            break;
        case FieldKind::Colour:
            p.*f.int32 = static_cast<Colour>(0x010203 * (i + 1));
            break;
        case FieldKind::TextFlag:
        case FieldKind::NumberFlag:
        case FieldKind::NonZeroFlag:
            p.*f.flag = !(fresh.*f.flag);
            break;
        }
    }
    p.UseUnicode = false;  // encoded texts have tests of their own
    for (int n = 1; n <= buttons; ++n) {
        p.Buttons.push_back(filledButton(n));
        if (withTitleRow && n == buttons) {
            p.Buttons.back().Text = "- Games -";
            p.Buttons.back().Cmd.clear();
        }
    }
    RefreshProjectCaptions(p);
    return p;
}

void alignFileState(MenuProject& project, const MenuProject& like)
{
    project.ProjectFilePath = like.ProjectFilePath;
    project.FileNameColumnHeading = like.FileNameColumnHeading;
}

MenuProject newProject()
{
    MenuProject p;
    ResetParameters(p);
    return p;
}

MenuProject readProject(const std::string& text)
{
    MenuProject p = newProject();
    LoadOptionsFromDocument(p, ProfileDocument::parse(text));
    return p;
}

}  // namespace orv::test
