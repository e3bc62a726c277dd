#include "editor/rules/effect_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

#include "editor/rules/field_rules.h"
#include "model/text_helpers.h"

namespace orv::editor {

namespace {

// A corrected field's text: the default for text that is no number, else the number clamped.
std::string clampedOrDefault(std::string_view text, int fallback, int lower, int upper)
{
    const std::optional<int> value = WholeNumber(text);
    if (!value)
        return std::to_string(fallback);
    return std::to_string(std::clamp(*value, lower, upper));
}

}  // namespace

std::optional<int> WholeNumber(std::string_view text)
{
    const std::string trimmed = TrimmedText(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    if (digits.empty())
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error == std::errc::result_out_of_range) {
        // A pasted run of digits is still a number, just far out of every range.
        if (std::all_of(digits.begin() + (digits.front() == '-' ? 1 : 0), digits.end(),
                        [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            return digits.front() == '-' ? INT_MIN : INT_MAX;
        return std::nullopt;
    }
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

ButtonEffectsKind ButtonEffectsKindFor(int styleListIndex)
{
    if ((styleListIndex >= 14 && styleListIndex <= 21) || styleListIndex == 24 || styleListIndex == 25)
        return ButtonEffectsKind::Light;
    if (styleListIndex == 26)
        return ButtonEffectsKind::Plastic;
    return ButtonEffectsKind::Shadow;
}

int GlassColourListIndex(int storedIndex)
{
    const int count = static_cast<int>(GlassColourNames.size());
    return storedIndex >= 1 && storedIndex <= count ? storedIndex - 1 : 0;
}

int ButtonWidthOf(const MenuProject& project) { return NumberInText(project.ButtonWidth); }

std::string CorrectHorizLinesWidth(std::string_view text, int buttonWidth)
{
    const std::optional<int> value = WholeNumber(text);
    int width = value && *value >= 1 ? *value : 80;
    if (width >= buttonWidth - 1)
        width = buttonWidth - 2;
    return std::to_string(width);
}

int AdjustedHorizLinesWidth(int buttonWidth) { return (buttonWidth + 1) / 2; }

int UnderlineOptionFor(int storedType)
{
    return storedType >= UnderlineNone && storedType <= UnderlineBlend ? storedType : UnderlineNone;
}

std::optional<int> UnderlineHeightForType(int type)
{
    if (type == UnderlineMisty)
        return 10;
    if (type == UnderlineBlend)
        return 3;
    return std::nullopt;
}

std::string CorrectUnderlineHeight(std::string_view text, int type)
{
    return clampedOrDefault(text, 3, type == UnderlineMisty ? 10 : 3, 50);
}

std::string CorrectTitleLinesAdjust(std::string_view text) { return clampedOrDefault(text, 0, -20, 30); }

TitleEffect TitleEffectOf(const MenuProject& project)
{
    if (project.DrawTitleBkgLines == 1)
        return TitleEffect::Lines;
    if (project.DrawTitleMetalPlate == 1)
        return TitleEffect::MetalPlate;
    return TitleEffect::None;
}

void ApplyTitleEffect(MenuProject& project, TitleEffect effect, Colour linesColour, int heightAdjust)
{
    project.DrawTitleBkgLines = 0;
    project.DrawTitleMetalPlate = 0;
    if (effect == TitleEffect::Lines)
        project.DrawTitleBkgLines = 1;
    else if (effect == TitleEffect::MetalPlate)
        project.DrawTitleMetalPlate = 1;
    project.TitleBkgLinesColor = linesColour;
    project.TitleBkgLinesAdjust = static_cast<std::int16_t>(std::clamp(heightAdjust, -20, 30));
}

int FadingSpeedListIndex(int stored)
{
    return stored >= 0 && stored < static_cast<int>(FadingSpeedNames.size()) ? stored : DefaultFadingSpeed;
}

std::string TransparencyCaption(int level) { return "Transparency: " + std::to_string(level) + "%"; }

std::string CorrectSubTitleCharInterSpace(std::string_view text) { return clampedOrDefault(text, 0, -10, 100); }

std::string WithoutLeadingBackslash(std::string_view subKey)
{
    if (!subKey.empty() && subKey.front() == '\\')
        subKey.remove_prefix(1);
    return std::string(subKey);
}

BackPicturePlacement ChooseBackPicture(BackPicturePlacement placement, BackPictureChoice choice)
{
    BackPicturePlacement chosen;
    chosen.userCoordinates = placement.userCoordinates;
    switch (choice) {
    case BackPictureChoice::Pattern: chosen.pattern = true; break;
    case BackPictureChoice::Stretch: chosen.stretch = true; break;
    case BackPictureChoice::BehindTitleOnly: chosen.behindTitleOnly = true; break;
    case BackPictureChoice::UserCoordinates: chosen.userCoordinates = true; break;
    }
    return chosen;
}

int CorrectBackPicturePosition(std::string_view text)
{
    const std::optional<int> value = WholeNumber(text);
    return value && *value >= 0 && *value <= 2000 ? *value : 0;
}

bool ShowsLogotypeSizeButton(std::string_view logotypeFile)
{
    std::string lower(logotypeFile);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find(".wmf") != std::string::npos;
}

std::string CorrectLogotypeSize(std::string_view text, int windowSize)
{
    const std::optional<int> value = WholeNumber(text);
    if (!value || *value < 1 || *value > windowSize)
        return "100";
    return std::to_string(*value);
}

}  // namespace orv::editor
