#include "editor/rules/field_rules.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <vector>

#include "model/path_helpers.h"
#include "model/text_helpers.h"
#include "platform/services.h"
#include "platform/user_interface.h"

namespace orv::editor {

namespace {

constexpr NumericRange WidthRange{200, 1280};
constexpr NumericRange HeightRange{100, 1024};

int clampTo(long long value, NumericRange range)
{
    if (value < range.lower)
        value = range.lower;
    if (value > range.upper)
        value = range.upper;
    return static_cast<int>(value);
}

std::string upperAscii(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Extensions whose presence makes a folder field look like a file name.
std::vector<std::string_view> typicalExtensions(FolderKind kind)
{
    switch (kind) {
    case FolderKind::Background: return {".BMP", ".JPG", ".JPEG", ".PNG", ".GIF"};
    case FolderKind::Logotype:
    case FolderKind::MenuPicture: return {".BMP", ".JPG", ".JPEG", ".PNG", ".GIF", ".WMF"};
    case FolderKind::BackgroundSound:
    case FolderKind::ButtonSound: return {".MID", ".WAV"};
    case FolderKind::Other: break;
    }
    return {};
}

}  // namespace

int NumberInText(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX;  // saturate: a pasted run of digits stays a huge number
    }
    return static_cast<int>(negative ? -value : value);
}

int ProjectWindowWidth(const MenuProject& project)
{
    return clampTo(NumberInText(project.Width), WidthRange);
}

int ProjectWindowHeight(const MenuProject& project)
{
    return clampTo(NumberInText(project.Height), HeightRange);
}

NumericRange RangeOf(NumericField field, const MenuProject& project)
{
    switch (field) {
    case NumericField::MainWidth: return WidthRange;
    case NumericField::MainHeight: return HeightRange;
    case NumericField::ButtonWidth: return {20, ProjectWindowWidth(project)};
    case NumericField::ButtonHeight: return {10, 200};
    case NumericField::MenuPictureWidth: return {20, ProjectWindowWidth(project)};
    case NumericField::MenuPictureHeight: return {20, ProjectWindowHeight(project)};
    case NumericField::MovieWidth: return {200, 800};
    case NumericField::MovieHeight: return {100, 600};
    case NumericField::MovieXOffset:
    case NumericField::MovieYOffset: return {-1000, 1000};
    case NumericField::MenuMovieWidth: return {50, 1000};
    case NumericField::MenuMovieHeight: return {50, 600};
    case NumericField::BlendDepth: return {1, 2000};
    case NumericField::TitleCharInterSpace: return {-10, 100};
    }
    return {0, 0};
}

std::string ClampNumericText(std::string_view text, NumericRange range)
{
    return std::to_string(clampTo(NumberInText(text), range));
}

std::string CorrectNumericField(NumericField field, std::string_view text, const MenuProject& project)
{
    if (field == NumericField::BlendDepth && TrimmedText(text).empty())
        return {};
    return ClampNumericText(text, RangeOf(field, project));
}

std::string StepCharInterSpace(std::string_view text, int step)
{
    return std::to_string(clampTo(static_cast<long long>(NumberInText(text)) + step, {-10, 100}));
}

FolderCheck CheckFolderField(std::string_view text, FolderKind kind)
{
    FolderCheck check;
    check.text = StripDriveLetter(text);  // up to the first ":" goes; a lone "\" becomes empty

    const std::vector<std::string_view> extensions = typicalExtensions(kind);
    const std::string upper = upperAscii(check.text);
    check.looksLikeFile = std::any_of(extensions.begin(), extensions.end(), [&](std::string_view ext) {
        return upper.find(ext) != std::string::npos;
    });
    return check;
}

std::string CheckFolderFieldAndWarn(std::string_view text, FolderKind kind)
{
    FolderCheck check = CheckFolderField(text, kind);
    if (check.looksLikeFile)
        platform::services().ui->Message(FolderLooksLikeFileText, platform::MsgWarning, FolderLooksLikeFileTitle);
    return check.text;
}

std::string WithoutLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

}  // namespace orv::editor
