// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the child's name and printing: an image of a window, or pages laid out for paper.
#include "printing/tipografia.h"

#include "printing/coda.h"
#include "startup/incolla.h"
#include "widgets/dialoghiscalati.h"
#include "widgets/scala.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace {

/// Enough for crisp text on paper; the printer's own 1200 dpi made a 400 MB picture of this window.
constexpr int PuntiPerPollice = 300;
constexpr int LunghezzaMassimaNome = 40;

} // namespace

bool disegnaFinestra(QPrinter &stampante, QWidget *finestra)
{
    stampante.setResolution(PuntiPerPollice);
    QPainter p;
    if (!p.begin(&stampante)) return false;
    // A scaled board is printed at its true size: only its own area, brought back to scale 1.
    const Scala schermo = scalatura::corrente(finestra);
    const qreal scala = stampante.resolution() / 96.0 / schermo.fattore;
    p.scale(scala, scala);
    finestra->render(&p, QPoint(), schermo.quadro.isNull() ? QRegion() : QRegion(schermo.quadro),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return p.end();
}

QString Tipografia::chiediNome(QWidget *genitore)
{
    QInputDialog dialogo(genitore);
    centraPulsanti(&dialogo);
    //: The title of the dialog asking the child's name before the board is printed.
    dialogo.setWindowTitle(tr("Nome"));
    //: Said to the child, who writes the name to print on the page.
    dialogo.setLabelText(tr("Scrivi il tuo nome."));
    dialogo.setInputMode(QInputDialog::TextInput);
    dialogo.setTextValue(m_proposto);
    // A name, not a letter: short enough that the title can always show it whole.
    if (auto *riga = dialogo.findChild<QLineEdit *>()) {
        riga->setMaxLength(LunghezzaMassimaNome);
        riga->selectAll(); // typing replaces the name offered
        new Incolla(riga); // a paste never freezes the program on a clipboard owner that does not answer
    }
    if (dialogo.exec() != QDialog::Accepted) return QString();
    return dialogo.textValue();
}

bool Tipografia::stampa(QWidget *finestra)
{
    return lavoro(finestra, [this, finestra](QPrinter &stampante) { return disegna(stampante, finestra); });
}

bool Tipografia::stampaPagine(QWidget *genitore, const Disegno &disegno)
{
    return lavoro(genitore, disegno);
}

bool Tipografia::lavoro(QWidget *genitore, const Disegno &disegno)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("La Numerella"));
    if (QPrinterInfo::defaultPrinter().isNull() && stampante.outputFileName().isEmpty()) {
        // Queues but no default (a fresh system whose only queue was never made the default): the
        // dialog lists them. With none at all, say so first: the dialog then offers a PDF file only.
        if (QPrinterInfo::availablePrinterNames().isEmpty() &&
            !segnalaErrore(genitore, tr("Non trovo nessuna stampante.")))
            return false;
        if (!scegliStampante(stampante, genitore)) return false;
    }
    // Each failure is told and offers the dialog again, until a page is out or the user gives up.
    for (QString errore = stampaPagina(stampante, disegno); !errore.isEmpty();
         errore = stampaPagina(stampante, disegno)) {
        if (!segnalaErrore(genitore, errore)) return false;
        if (!scegliStampante(stampante, genitore)) return false;
    }
    return true;
}

QString Tipografia::stampaPagina(QPrinter &stampante, const Disegno &disegno)
{
    const bool suFile = !stampante.outputFileName().isEmpty();
    const QString nome = suFile ? stampante.outputFileName() : stampante.printerName();
    //: %1: the printer's name, or the file printed to.
    const QString nonRiesco = tr("Non riesco a stampare su \"%1\".").arg(nome);
    // A queue that refuses jobs takes the page without a word from Qt: ask the print server itself.
    if (!suFile && coda::rifiuta(nome))
        //: %1: the printer's name.
        return tr("La stampante \"%1\" non accetta lavori in questo momento.").arg(nome);
    const int prima = suFile ? 0 : coda::ultimoLavoro(nome);
    if (!disegno(stampante)) return nonRiesco;
    if (!suFile && !coda::lavoroPreso(nome, prima))
        //: %1: the printer's name.
        return tr("La stampante \"%1\" non ha preso la pagina.").arg(nome);
    return QString();
}

bool Tipografia::disegna(QPrinter &stampante, QWidget *finestra)
{
    if (m_primaDellaPagina) m_primaDellaPagina();
    // The dialogs just closed left their picture on the window: paint it whole before the page
    // keeps the event loop waiting.
    finestra->repaint();
    return disegnaFinestra(stampante, finestra);
}

bool Tipografia::segnalaErrore(QWidget *genitore, const QString &messaggio)
{
    //: The title of a message about printing.
    QMessageBox box(QMessageBox::Warning, tr("Stampa"),
                    //: %1: what went wrong, one of the messages above.
                    tr("%1\nVuoi scegliere un'altra stampante o salvare la pagina in PDF?").arg(messaggio),
                    QMessageBox::Yes | QMessageBox::No, genitore);
    box.setDefaultButton(QMessageBox::Yes);
    box.setTextFormat(Qt::PlainText); // the printer's own words
    return box.exec() == QMessageBox::Yes;
}

bool Tipografia::scegliStampante(QPrinter &stampante, QWidget *genitore)
{
    QPrintDialog dialogo(&stampante, genitore);
    centraPulsanti(&dialogo);
    return dialogo.exec() == QDialog::Accepted;
}
