// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the child's name and printing an image of a window on the default printer.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

/// Draws \a finestra on \a stampante at its true size (15 twips a pixel, 96 pixels an inch),
/// rendered at the printer's own resolution. Returns false when the page cannot be started.
bool disegnaFinestra(QPrinter &stampante, QWidget *finestra);

/// The name prompt and the printer, behind one seam so tests can answer and print to a file.
class Tipografia
{
public:
    virtual ~Tipografia() = default;

    /// The modal name prompt; the typed text, or an empty string when cancelled.
    virtual QString chiediNome(QWidget *genitore);
    /// One print job of \a finestra on the default printer. On failure it says so in plain
    /// words and offers the print dialog; returns whether a page was printed.
    virtual bool stampa(QWidget *finestra);

protected:
    /// The failure message; returns true when the user wants to choose a printer.
    virtual bool segnalaErrore(QWidget *genitore, const QString &messaggio);
    /// The print dialog; returns true when the user confirmed a printer or file.
    virtual bool scegliStampante(QPrinter &stampante, QWidget *genitore);
};
