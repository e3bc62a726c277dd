#include "app/tool/project_info.h"

#include <cstdio>

namespace orv::tool {

namespace {

std::string typeName(const MenuProject& p) { return p.isUsbProject() ? "USB flash drive" : "CD/DVD"; }

}  // namespace

std::string JsonString(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(c));
                out += buffer;
            } else {
                out += c;
            }
        }
    }
    return out + "\"";
}

std::string ProjectInfoText(const MenuProject& p, const ProjectFileVersion& version)
{
    std::string out;
    out += "Version read: " + (version.Ver.empty() ? std::string("(none)") : version.Ver) + "\n";
    out += "Project type: " + typeName(p) + "\n";
    out += "Title: " + p.TitleText + "\n";
    out += "Window size: " + p.Width + " x " + p.Height + "\n";
    out += "Button style: " + std::to_string(p.ButtonStyle);
    const std::string style = ButtonStyleName(p.ButtonStyle);
    if (!style.empty())
        out += " (" + style + ")";
    out += "\n";
    out += "Buttons: " + std::to_string(p.Buttons.size()) + "\n";
    int row = 0;
    for (const MenuButton& b : p.Buttons) {
        out += "  Row " + std::to_string(++row) + (b.isTitleRow() ? " (title row)" : "") + "\n";
        out += "    Text: " + b.Text + "\n";
        out += "    Command: " + b.Cmd + "\n";
        out += "    Target: " + b.Link + "\n";
    }
    return out;
}

std::string ProjectInfoJson(const MenuProject& p, const ProjectFileVersion& version)
{
    std::string out = "{\n";
    out += "  \"version\": " + JsonString(version.Ver) + ",\n";
    out += "  \"projectType\": " + std::to_string(p.ProjectType) + ",\n";
    out += "  \"projectTypeName\": " + JsonString(typeName(p)) + ",\n";
    out += "  \"title\": " + JsonString(p.TitleText) + ",\n";
    out += "  \"window\": {\"width\": " + JsonString(p.Width) + ", \"height\": " + JsonString(p.Height) + "},\n";
    out += "  \"buttonStyle\": {\"number\": " + std::to_string(p.ButtonStyle) +
           ", \"name\": " + JsonString(ButtonStyleName(p.ButtonStyle)) + "},\n";
    out += "  \"buttons\": [";
    int row = 0;
    for (const MenuButton& b : p.Buttons) {
        out += row == 0 ? "\n" : ",\n";
        out += "    {\"row\": " + std::to_string(++row) + ", \"titleRow\": " + (b.isTitleRow() ? "true" : "false") +
               ", \"text\": " + JsonString(b.Text) + ", \"command\": " + JsonString(b.Cmd) +
               ", \"target\": " + JsonString(b.Link) + "}";
    }
    out += row == 0 ? "]\n" : "\n  ]\n";
    out += "}\n";
    return out;
}

}  // namespace orv::tool
