// The product's name as every program of the system shows it (window titles, message boxes,
// the About box, --version).
#pragma once

namespace orv {

inline constexpr const char* ProductName = "Veltrona Orvanto";

}  // namespace orv
