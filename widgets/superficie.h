// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels of a window that has just grown, made ready before they are painted.
#pragma once

class QWidget;

namespace superficie {

/// Gives \a finestra its pixel buffer at its new size now and gets its memory ready before the
/// first paint: on a 4K screen that is 32 MiB, about eight thousand pages. The pages are asked
/// for in one call rather than one fault at a time, and a second thread reads them from the end
/// while the paint starts at the top, so both cores meet the cost of a page's first touch (high
/// in a virtual machine). Does nothing where the buffer is not plain memory.
void prepara(QWidget *finestra);

/// Waits for the reader started by prepara(). Call it before the window's pixel buffer can go:
/// before its next resize and before it is destroyed. It reads for a few tens of milliseconds.
void attendi();

} // namespace superficie
