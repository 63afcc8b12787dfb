// Picture resource IDs shown by the state calculator windows.
#pragma once

namespace state_pictures {
// The definition of the pressure, beside the Pressures, Molar Volume and
// Temperatures windows.
inline constexpr int pressure = 172;
}  // namespace state_pictures
