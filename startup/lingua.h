// SPDX-License-Identifier: GPL-3.0-or-later
// The program's language: Italian, for its own texts and for Qt's standard dialogs.
#pragma once

/// Makes Italian the default locale and installs Qt's own Italian translations, so that
/// standard dialogs and buttons read in Italian. Returns whether the translations were found.
bool impostaItaliano();
