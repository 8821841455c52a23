// SPDX-License-Identifier: GPL-3.0-or-later
// The info window's fixed layout: every position and size in twips, relative to the container.
#pragma once

#include "widgets/posto.h"

namespace disposizione::info {

constexpr int LarghezzaFinestra = 8055;
constexpr int AltezzaFinestra = 5220;

constexpr Posto cmdOK{3300, 4500, 1395, 555};

} // namespace disposizione::info
