// Reading the companion programs' data files: small profile files in the ANSI code page.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/profile.h"

namespace orv::companions {

// The parsed file; empty when it is missing or cannot be read.
std::optional<ProfileDocument> readDataFile(const std::string& file);

// Typed reads from one section of a parsed file.
class DataSection {
public:
    DataSection(const ProfileDocument& doc, std::string_view name) : doc_(doc), name_(name) {}
    std::string text(std::string_view key, const std::string& fallback = {}) const;
    long number(std::string_view key, long fallback) const;
    bool flag(std::string_view key, bool fallback) const;  // exactly 1 is true

private:
    const ProfileDocument& doc_;
    std::string_view name_;
};

}  // namespace orv::companions
