// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that chooses a file to write, which never reads the files it lists.
#pragma once

#include <QString>

class QWidget;

/// Like QFileDialog::getSaveFileName, but the files listed are told apart by their names alone: Qt's own
/// types and icons read each file's first bytes on the window's thread, and a file that never answers
/// (/proc/kmsg, for root) would freeze the program for good as soon as its folder is shown.
QString sceltaFileDaScrivere(QWidget *genitore, const QString &titolo, const QString &file,
                             const QString &filtro);
