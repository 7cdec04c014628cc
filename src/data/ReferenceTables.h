#pragma once

#include <QString>

#include <array>

// The small fixed tables behind the tier buttons, the example labels and the link labels.
// Each is indexed like the control array it serves and has one spare, empty slot at the end.
namespace ReferenceTables {

inline constexpr int kTierCount = 4;
inline constexpr int kExampleCount = 13;
inline constexpr int kLinkCount = 9;

// Each code is written as a record's 5-character code field, so a substring test on the
// whole text identifies exactly the listed records.
const std::array<QString, kTierCount + 1> &TierCodes();
const std::array<QString, kTierCount + 1> &TierCaptions();
const std::array<QString, kExampleCount + 1> &ExampleDevices();
const std::array<QString, kLinkCount + 1> &LinkAddresses();

} // namespace ReferenceTables
