// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the child's name and printing an image of a window on the default printer.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

/// Draws \a finestra on \a stampante at its true size (15 twips a pixel, 96 pixels an inch),
/// rendered at 300 dots an inch: sharp on paper, and a picture small enough to print at once.
/// Returns false when the page cannot be started.
bool disegnaFinestra(QPrinter &stampante, QWidget *finestra);

/// The name prompt and the printer, behind one seam so tests can answer and print to a file.
class Tipografia
{
    Q_DECLARE_TR_FUNCTIONS(Tipografia)

public:
    virtual ~Tipografia() = default;

    /// The modal name prompt; the typed text, or an empty string when cancelled.
    virtual QString chiediNome(QWidget *genitore);
    /// One print job of \a finestra on the default printer; with queues but no default, on the one
    /// chosen in the print dialog. On failure (no printer at all, a page that cannot start, a queue that
    /// refuses the job) it says so in plain words and offers the print dialog; returns whether a page
    /// was printed.
    virtual bool stampa(QWidget *finestra);

    /// Draws pages on a printer that is ready; false when they could not be drawn.
    using Disegno = std::function<bool(QPrinter &)>;
    /// One print job of the pages \a disegno draws (a report laid out for paper), the printer chosen and
    /// failures told as stampa() does, over \a genitore.
    virtual bool stampaPagine(QWidget *genitore, const Disegno &disegno);

    /// The name the prompt offers, selected so that typing replaces it; empty for none.
    void proponiNome(const QString &nome) { m_proposto = nome; }
    QString nomeProposto() const { return m_proposto; }

    /// \a f runs right before each page is drawn, after every dialog that came before it.
    void primaDiOgniPagina(std::function<void()> f) { m_primaDellaPagina = std::move(f); }

protected:
    /// The failure message; returns true when the user wants to choose a printer.
    virtual bool segnalaErrore(QWidget *genitore, const QString &messaggio);
    /// The print dialog; returns true when the user confirmed a printer or file.
    virtual bool scegliStampante(QPrinter &stampante, QWidget *genitore);
    /// Runs the hook given to primaDiOgniPagina(), brings the window on screen up to date, then
    /// draws the page.
    bool disegna(QPrinter &stampante, QWidget *finestra);

private:
    /// One job over \a genitore until it is out or given up.
    bool lavoro(QWidget *genitore, const Disegno &disegno);
    /// Prints the job once; an empty string when it went out, else what went wrong, in Italian.
    QString stampaPagina(QPrinter &stampante, const Disegno &disegno);

    std::function<void()> m_primaDellaPagina;
    QString m_proposto;
};
