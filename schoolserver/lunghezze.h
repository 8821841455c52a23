// SPDX-License-Identifier: GPL-3.0-or-later
// The lengths the server's columns hold, which the local record keeps as well.
#pragma once

/// A wrong answer is kept up to this many characters: the cell takes any number of digits, the record
/// and the school's server keep the first ones (VARCHAR(16) in both schemas).
constexpr int LunghezzaSbagliata = 16;
