// SPDX-License-Identifier: GPL-3.0-or-later
// Asking the child's name and printing an image of a window.
#include "services/tipografia.h"

#include "widgets/scala.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

bool disegnaFinestra(QPrinter &stampante, QWidget *finestra)
{
    QPainter p;
    if (!p.begin(&stampante)) return false;
    // A scaled board is printed at its true size: only its own area, brought back to scale 1.
    const Scala schermo = scala::di(finestra);
    const qreal scala = stampante.resolution() / 96.0 / schermo.fattore;
    p.scale(scala, scala);
    finestra->render(&p, QPoint(), schermo.quadro.isNull() ? QRegion() : QRegion(schermo.quadro),
                     QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return p.end();
}

QString Tipografia::chiediNome(QWidget *genitore)
{
    QInputDialog dialogo(genitore);
    dialogo.setWindowTitle(QStringLiteral("Nome"));
    dialogo.setLabelText(QStringLiteral("Scrivi il tuo nome."));
    dialogo.setTextValue(QString());
    dialogo.setInputMode(QInputDialog::TextInput);
    if (dialogo.exec() != QDialog::Accepted) return QString();
    return dialogo.textValue();
}

bool Tipografia::stampa(QWidget *finestra)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setDocName(QStringLiteral("La Numerella"));
    if (QPrinterInfo::defaultPrinter().isNull() && stampante.outputFileName().isEmpty()) {
        if (!segnalaErrore(finestra, QStringLiteral("Non trovo nessuna stampante."))) return false;
        if (!scegliStampante(stampante, finestra)) return false;
    }
    // Each failure is told and offers the dialog again, until a page is out or the user gives up.
    while (!disegnaFinestra(stampante, finestra)) {
        const QString nome =
            stampante.outputFileName().isEmpty() ? stampante.printerName() : stampante.outputFileName();
        if (!segnalaErrore(finestra, QStringLiteral("Non riesco a stampare su \"%1\".").arg(nome)))
            return false;
        if (!scegliStampante(stampante, finestra)) return false;
    }
    return true;
}

bool Tipografia::segnalaErrore(QWidget *genitore, const QString &messaggio)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Stampa"),
                    messaggio +
                        QStringLiteral("\nVuoi scegliere un'altra stampante o salvare la pagina in PDF?"),
                    QMessageBox::Yes | QMessageBox::No, genitore);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool Tipografia::scegliStampante(QPrinter &stampante, QWidget *genitore)
{
    QPrintDialog dialogo(&stampante, genitore);
    return dialogo.exec() == QDialog::Accepted;
}
