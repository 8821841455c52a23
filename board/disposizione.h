// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's fixed layout: every position and size in twips, relative to the container.
#pragma once

#include "widgets/posto.h"

namespace disposizione {

constexpr int LarghezzaFinestra = 9510;
constexpr int AltezzaFinestra = 6825;

// The grid: cells overlap their neighbours by 15 twips, so they share one border line.
constexpr Posto txtRisultato(int k)
{
    return {720 + 600 * (k % 10), 660 + 480 * (k / 10), 615, 495};
}
constexpr Posto Label1(int n)
{
    return {720 + 600 * n, 60, 615, 495};
}
constexpr Posto Label2(int n)
{
    return {0, 660 + 480 * n, 615, 495};
}
constexpr Posto Command1{660, 600, 6135, 4935};
constexpr Posto mano{240, 120, 480, 480};

// The button panel: two columns, three rows; Start covers Stop and Pause covers Resume.
constexpr Posto cmdAvvio{6960, 4920, 1095, 435};
constexpr Posto cmdStop{6960, 4920, 1095, 435};
constexpr Posto CmdPausa{8220, 4920, 1095, 435};
constexpr Posto cmdRiprendi{8220, 4920, 1095, 435};
constexpr Posto cmdInfo{6960, 5460, 1095, 435};
constexpr Posto cmdStampa{8220, 5460, 1095, 435};
constexpr Posto Check1{6960, 6000, 1095, 435};
constexpr Posto cmdEnd{8220, 6000, 1095, 435};
/// Under both bottom buttons, in the strip the panel leaves free: shown only once the voice is on.
constexpr Posto chkVoce{6960, 6465, 2355, 300};

// The keypad frame and its keys (inside the frame); digit keys by row and column.
constexpr Posto Frame1{7200, 1740, 1875, 3015};
constexpr Posto Cmd_cifra(int cifra)
{
    if (cifra == 0) return {120, 1860, 495, 495};
    const int riga = (9 - cifra) / 3, colonna = (cifra - 1) % 3;
    return {120 + 540 * colonna, 240 + 540 * riga, 495, 495};
}
constexpr Posto Cmd_backspace{660, 1860, 1035, 495};
constexpr Posto Cmd_invio{120, 2400, 1575, 495};

// The stopwatch box.
constexpr Posto FraTimer{6960, 240, 2355, 795};
constexpr Posto TxtMin{120, 300, 375, 375};
constexpr Posto Label4{540, 360, 555, 255};
constexpr Posto TxtSec{1140, 300, 375, 375};
constexpr Posto Label5{1560, 360, 735, 315};

// The error box.
constexpr Posto Frame2{6960, 1080, 2355, 555};
constexpr Posto Label3{240, 120, 1155, 375};
constexpr Posto txtErrori{1440, 120, 615, 375};

// Title and credits under the grid.
constexpr Posto lblTitolo{780, 5820, 5955, 615};
constexpr Posto lblAutore{720, 5580, 1575, 255};
constexpr Posto lblVersione{5820, 5580, 975, 255};
/// Between the credits: the word on today's practice, shown only when there is some.
constexpr Posto lblRipasso{2355, 5580, 3405, 255};

} // namespace disposizione
