#include "model/project_reader.h"

#include <algorithm>
#include <array>
#include <limits>
#include <utility>

#include "model/path_helpers.h"
#include "model/project_fields.h"
#include "model/sibling_products.h"
#include "model/text_helpers.h"
#include "model/unicode_text.h"

namespace orv {

namespace {

template <typename Int>
Int clampTo(long value)
{
    return static_cast<Int>(std::clamp<long>(value, std::numeric_limits<Int>::min(), std::numeric_limits<Int>::max()));
}

// A colour keeps the low 32 bits, as a 32-bit profile number does.
Colour colourOf(long value) { return static_cast<Colour>(static_cast<std::uint32_t>(value)); }

// Text converted to a boolean the way the older files stored flags: "1", "-1", "True" are
// true, "0", "False" and anything unreadable false; any other number counts by being non-zero.
bool textToBool(std::string_view value)
{
    std::string lower;
    for (char c : value)
        lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (lower == "true")
        return true;
    if (lower.empty() || lower == "false")
        return false;
    size_t i = (lower[0] == '-' || lower[0] == '+') ? 1 : 0;
    if (i == lower.size() || lower.find_first_not_of("0123456789", i) != std::string::npos)
        return false;
    return lower.find_first_not_of('0', i) != std::string::npos;
}

bool sameAscii(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// A value as the 200-character buffer of the profile functions holds it.
std::string bufferCut(std::string_view value)
{
    constexpr size_t limit = ProjectTextBufferSize - 1;
    // A text of at most 199 bytes has at most 199 characters: no need to count them.
    return std::string(value.size() <= limit ? value : Utf8Prefix(value, limit));
}

// Reads one project's values with the reader's defaults.
class Reader {
public:
    Reader(const ProfileDocument& document, MenuProject& project) : doc_(document), p_(project) {}

    ProjectFileVersion read();

private:
    const std::string* find(const ProjectField& f) const { return doc_.find(SectionName(f.section), f.key); }
    long number(const ProjectField& f) const
    {
        // As the profile functions do: a missing key or an empty value gives the default.
        const std::string* v = find(f);
        return v && !v->empty() ? ProfileNumberOf(*v) : f.numberDefault;
    }
    std::string text(const ProjectField& f) const;
    void readField(const ProjectField& f);
    void readLegacyUnderline();
    void readButtons(const ProjectFileVersion& version, long count);

    const ProfileDocument& doc_;
    MenuProject& p_;
};

std::string Reader::text(const ProjectField& f) const
{
    const std::string* v = find(f);
    std::string value;
    if (f.kind == FieldKind::Caption)
        // The encoded form is decoded whole and the buffer limit applies to the text it gives;
        // one encoded value turns UseUnicode on.
        value = v ? bufferCut(DecodeUnicodeText(*v, p_.UseUnicode)) : std::string();
    else
        value = bufferCut(v ? std::string_view(*v) : std::string_view(f.textDefault));
    if (value.empty() && f.emptyTakesDefault)
        value = f.textDefault;
    if (f.kind == FieldKind::Path)
        return ExpandProgramRelativePath(value);
    if (f.kind == FieldKind::Folder)
        return StripLegacyFolderPrefix(value);
    return value;
}

void Reader::readField(const ProjectField& f)
{
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::NumberText:
    case FieldKind::Caption:
    case FieldKind::Path:
    case FieldKind::Folder:
        p_.*f.text = text(f);
        break;
    case FieldKind::Int16:
        p_.*f.int16 = clampTo<std::int16_t>(number(f));
        break;
    case FieldKind::Alignment: {
        // The lowest option first; only the values of the other options select them.
        const long value = number(f);
        p_.*f.int16 = static_cast<std::int16_t>(value > f.low && value <= f.high ? value : f.low);
        break;
    }
    case FieldKind::Int32:
        p_.*f.int32 = clampTo<std::int32_t>(number(f));
        break;
    case FieldKind::Colour:
        p_.*f.int32 = colourOf(number(f));
        break;
    case FieldKind::TextFlag:
        p_.*f.flag = textToBool(text(f));
        break;
    case FieldKind::NumberFlag:
        p_.*f.flag = number(f) == 1;
        break;
    case FieldKind::NonZeroFlag:
        p_.*f.flag = number(f) != 0;
        break;
    }
}

ProjectFileVersion Reader::read()
{
    const std::string* ver = doc_.find(OriginSectionName, OriginVersionKey);
    const ProjectFileVersion version = ClassifyProjectVersion(ver ? bufferCut(*ver) : std::string());
    const bool readPortavo = Siblings().PortavoInstalled;
    for (const ProjectField& f : ProjectFields())
        if (f.section != ProjectSection::PortavoLink || readPortavo)
            readField(f);

    const ProjectField& type = ProjectFieldOf(&MenuProject::ProjectType);
    const std::string* typeText = find(type);
    p_.ProjectType = typeText && *typeText == "2" ? ProjectTypeUSB : ProjectTypeCD;
    if (p_.AppIconIndex == 0)
        p_.AppIconIndex = 1;
    readLegacyUnderline();
    p_.ButtonStyle = clampTo<std::int16_t>(ConvertButtonStyle(p_.ButtonStyle, version));
    // Files without a frame colour draw the frame in the text colour.
    if (p_.ButtonFrameColor == -1)
        p_.ButtonFrameColor = p_.ButtonForeColor;
    const std::string* count = doc_.find(SectionName(ProjectSection::Buttons), ButtonCountKey);
    readButtons(version, count && !count->empty() ? ProfileNumberOf(*count) : 0);

    p_.FileNameColumnHeading = FileNameColumnHeadingFor(p_.ProjectType);
    return version;
}

// Early versions kept the underline type in [Title] and drew it in the title colour.
void Reader::readLegacyUnderline()
{
    const std::string* legacy = doc_.find(SectionName(ProjectSection::Title), "TitleUnderline");
    const long type = legacy && !legacy->empty() ? ProfileNumberOf(*legacy) : 999;
    if (type == 999)
        return;
    p_.UnderlineType = clampTo<std::int16_t>(type);
    p_.UnderlineColor1 = p_.TitleForeColor;
}

// The first section of that name, compared without case as every lookup does.
const ProfileDocument::Section* firstSection(const ProfileDocument& doc, std::string_view name)
{
    for (const auto& section : doc.sections())
        if (sameAscii(section.name, name))
            return &section;
    return nullptr;
}

// Row number and field of a [ButtonData] key "Button" + n + field key (n written without
// leading zeros, as the writer writes it); false for any other key.
bool splitButtonKey(std::string_view key, int& row, int& field)
{
    constexpr std::string_view prefix = ButtonKeyPrefix;
    if (key.size() <= prefix.size() || !sameAscii(key.substr(0, prefix.size()), prefix))
        return false;
    key.remove_prefix(prefix.size());
    size_t digits = 0;
    row = 0;
    while (digits < key.size() && digits < 4 && key[digits] >= '0' && key[digits] <= '9')
        row = row * 10 + (key[digits++] - '0');
    if (digits == 0 || key[0] == '0')
        return false;
    field = ButtonFieldIndex(key.substr(digits));
    return field >= 0;
}

void Reader::readButtons(const ProjectFileVersion& version, long count)
{
    const int rows = static_cast<int>(std::clamp<long>(count, 0, ButtonListLimit));
    p_.Buttons.clear();
    if (rows == 0)
        return;

    // A full project has some 1 700 keys in [ButtonData]: one pass over its lines places
    // each value at its row and field (the first of equal keys wins, as in every lookup).
    std::vector<std::array<const std::string*, ButtonFieldCount>> found(static_cast<size_t>(rows));
    if (const ProfileDocument::Section* data = firstSection(doc_, ButtonDataSectionName)) {
        int row = 0, field = 0;
        for (const auto& entry : data->entries)
            if (splitButtonKey(entry.key, row, field) && row <= rows) {
                const std::string*& slot = found[static_cast<size_t>(row - 1)][static_cast<size_t>(field)];
                if (!slot)
                    slot = &entry.value;
            }
    }

    p_.Buttons.reserve(static_cast<size_t>(rows));
    for (int n = 1; n <= rows; ++n) {
        MenuButton b;
        for (int pos = 0; pos < ButtonFieldCount; ++pos) {
            const ButtonFieldInfo& info = ButtonFieldTable[static_cast<size_t>(pos)];
            const bool absent = (version.OldFormat && pos >= FieldUseMediaPlayer && pos <= FieldRunAsAdministrator) ||
                                (pos == FieldRunProgramMaximized && !version.HasRunMaximized);
            const std::string* value = absent ? nullptr : found[static_cast<size_t>(n - 1)][static_cast<size_t>(pos)];
            std::string& text = b.field(pos);
            const bool caption = pos == FieldText || pos == FieldTip || pos == FieldWaitInfoText;
            if (value && caption)
                text = bufferCut(DecodeUnicodeText(*value, p_.UseUnicode));
            else
                text = value ? bufferCut(*value) : std::string(info.missingValue);
            if (text.empty())
                text = info.missingValue;
        }
        b.Cmd = TranslateLegacyCommand(b.Cmd);
        b.Bmp = ExpandProgramRelativePath(b.Bmp);
        b.SourceFile = ExpandProgramRelativePath(b.SourceFile);
        b.BmpFolder = StripLegacyFolderPrefix(b.BmpFolder);
        b.HoverSoundFolder = StripLegacyFolderPrefix(b.HoverSoundFolder);
        p_.Buttons.push_back(std::move(b));
    }
}

}  // namespace

ProjectFileVersion ClassifyProjectVersion(std::string_view ver)
{
    ProjectFileVersion v;
    v.Ver = std::string(ver);
    const std::string_view head = ver.substr(0, std::min<size_t>(3, ver.size()));
    const char first = head.empty() ? '\0' : head[0];
    v.NewStyleNumbers = head != "4.0" && head != "4.1" && first != '2' && first != '3';
    v.OldFormat = first >= '2' && first <= '5';
    v.HasRunMaximized = head == "6.7";
    for (std::string_view start : {"7.", "8.", "9.", "10.", "11.", "12."})
        if (head.starts_with(start))
            v.HasRunMaximized = true;
    return v;
}

int ConvertButtonStyle(int style, const ProjectFileVersion& version)
{
    if (style == 13 && !version.NewStyleNumbers)
        style = 14;
    if (version.OldFormat) {
        static constexpr std::array<int, 15> renumbered = {0, 2, 3, 4, 5, 6, 7, 8, 9, 11, 15, 23, 25, 26, 28};
        if (style >= 1 && style <= 14)
            style = renumbered[static_cast<size_t>(style)];
    }
    return style < 1 ? 1 : style;
}

std::string TranslateLegacyCommand(const std::string& cmd)
{
    static const std::array<std::pair<const char*, const char*>, 18> names = {{
        {"Starta program", "Run Program"},
        {"Starta program & Stäng", "Run Program & Close"},
        {"Visa dokument", "Show Document"},
        {"Visa Internet-sida", "Show Internet Page"},
        {"Spela upp film", "Play Movie"},
        {"Spela upp musik", "Play Music"},
        {"Spela upp Flash-animation", "Play Flash Animation"},
        {"Visa RTF-dokument", "Show RTF Document"},
        {"Öppna Excel-fil", "Open Excel File"},
        {"Öppna bildgalleri", "Open Picture Gallery"},
        {"Starta Utforskaren", "Open Folder"},
        {"Run Explorer", "Open Folder"},
        {"Skicka e-post", "Send E-mail"},
        {"Öppna ny meny", "Open New Menu"},
        {"Återvänd till föregående meny", "Return To Previous Menu"},
        {"Återvänd till huvudmeny", "Return To Main Menu"},
        {"Installera StickGuard", "Install StickGuard"},
        {"Avsluta", "Exit"},
    }};
    for (const auto& [old, current] : names)
        if (cmd == old)
            return current;
    return cmd;
}

ProjectFileVersion LoadOptionsFromDocument(MenuProject& project, const ProfileDocument& document)
{
    return Reader(document, project).read();
}

ProjectFileVersion LoadOptionsFromFile(MenuProject& project)
{
    // A file changed on disk since it was last read must be read afresh.
    FlushProfileCache(project.ProjectFilePath);
    return LoadOptionsFromDocument(project, CachedProfile(project.ProjectFilePath));
}

}  // namespace orv
