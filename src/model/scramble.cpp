#include "model/scramble.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace orv {

namespace {

// The fixed substitution tables. Changing any of them breaks every menu already created.
constexpr std::string_view PrefixTable = "vd8CzPowgrhtkul0BZp7b9JxDsWMQUTNYq1n4IHOGmi2cj5SfeaVARF63yEKLX";
constexpr std::string_view HighTable = "PJYQxlsHXVMnj0vE";
constexpr std::string_view LowTable = "MGuqKA79UV2dNZxr";
constexpr std::size_t PrefixLength = 4;
constexpr unsigned Multiplier = 167;         // odd, so the byte mixing is a permutation
constexpr unsigned MultiplierInverse = 23;   // 167 * 23 = 1 (mod 256)
constexpr unsigned Offset = 91;
constexpr unsigned PositionStep = 29;

// The key a prefix gives: its table positions weighted 3, 5, 7, 11, modulo 256.
unsigned keyOf(const std::size_t (&p)[PrefixLength])
{
    return static_cast<unsigned>(3 * p[0] + 5 * p[1] + 7 * p[2] + 11 * p[3]) & 0xFF;
}

std::mt19937& randomSource()
{
    static std::mt19937 source(static_cast<unsigned>(
        std::random_device{}() ^ std::chrono::steady_clock::now().time_since_epoch().count()));
    return source;
}

}  // namespace

std::string ScrambleText(std::string_view text)
{
    if (text.empty())
        return {};
    const auto seconds = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch()).count());
    std::uniform_int_distribution<std::size_t> pick(0, PrefixTable.size() - 1);
    const std::size_t p[PrefixLength] = {seconds % PrefixTable.size(), (seconds / PrefixTable.size()) % PrefixTable.size(),
                                         pick(randomSource()), pick(randomSource())};
    std::string out;
    out.reserve(PrefixLength + 2 * text.size());
    for (std::size_t i : p)
        out += PrefixTable[i];

    const unsigned key = keyOf(p);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned byte = static_cast<unsigned char>(text[i]);
        const unsigned shifted = (byte + key + PositionStep * static_cast<unsigned>(i)) & 0xFF;
        const unsigned mixed = (shifted * Multiplier + Offset) & 0xFF;
        out += HighTable[mixed >> 4];
        out += LowTable[mixed & 0x0F];
    }
    return out;
}

std::string UnscrambleText(std::string_view scrambled)
{
    if (scrambled.size() < PrefixLength + 2 || (scrambled.size() - PrefixLength) % 2 != 0)
        return {};
    std::size_t p[PrefixLength];
    for (std::size_t i = 0; i < PrefixLength; ++i) {
        p[i] = PrefixTable.find(scrambled[i]);
        if (p[i] == std::string_view::npos)
            return {};
    }
    const unsigned key = keyOf(p);
    std::string out;
    out.reserve((scrambled.size() - PrefixLength) / 2);
    for (std::size_t pos = PrefixLength, i = 0; pos < scrambled.size(); pos += 2, ++i) {
        const std::size_t high = HighTable.find(scrambled[pos]);
        const std::size_t low = LowTable.find(scrambled[pos + 1]);
        if (high == std::string_view::npos || low == std::string_view::npos)
            return {};
        const unsigned mixed = static_cast<unsigned>(high << 4 | low);
        const unsigned shifted = ((mixed + 256 - Offset) * MultiplierInverse) & 0xFF;
        const unsigned byte = (shifted - key - PositionStep * static_cast<unsigned>(i)) & 0xFF;
        out += static_cast<char>(byte);
    }
    return out;
}

}  // namespace orv
