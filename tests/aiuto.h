// SPDX-License-Identifier: GPL-3.0-or-later
// Test helpers: a recording sound player, a scripted printer and a ready-made board.
#pragma once

#include "attesa.h"
#include "board/momento.h"
#include "info/frminfo.h"
#include "printing/tipografia.h"
#include "sound/lettorepulse.h"
#include "speech/sintesi.h"
#include "startup/stato.h"
#include "tests/frmnumerellaprova.h"
#include "widgets/aspetto.h"

#include <QApplication>
#include <QPrinter>
#include <QTest>
#include <memory>

/// Remembers every clip asked for, and plays nothing.
class SuoniFinti : public LettoreSuoni
{
public:
    void SuonaRisorsa(Clip clip) override { suonati.append(clip); }
    QList<Clip> suonati;
};

/// Remembers every sentence handed to the voice, and says nothing.
class SintesiFinta : public Sintesi
{
public:
    void dici(const QString &parole) override { detti.append(parole); }
    void taci() override { detti.append(QString()); }
    Servizio servizio() const override { return stato; }
    /// What a machine without a speech service answers, told as the real voice tells it.
    void manca()
    {
        stato = Servizio::Assente;
        Q_EMIT servizioCambiato(stato);
    }
    QStringList detti; ///< an empty entry where the voice was silenced
    Servizio stato = Servizio::Presente;
};

/// Answers the name prompt from a script and prints to PDF files instead of a printer.
class TipografiaFinta : public Tipografia
{
public:
    QString chiediNome(QWidget *genitore) override
    {
        ++domande;
        if (dialogoVero) return Tipografia::chiediNome(genitore);
        return nomi.isEmpty() ? QString() : nomi.takeFirst();
    }
    bool stampa(QWidget *finestra) override
    {
        titoliStampati.append(finestra->findChild<QLabel *>(QStringLiteral("lblTitolo"))->text());
        if (cartella.isEmpty()) return true;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(QStringLiteral("%1/pagina%2.pdf").arg(cartella).arg(titoliStampati.size()));
        file.append(pdf.outputFileName());
        return disegna(pdf, finestra);
    }
    /// The report's pages, into a PDF file of \a formato in cartella.
    bool stampaPagine(QWidget *, const Disegno &disegno) override
    {
        if (cartella.isEmpty()) return true;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageSize(formato);
        pdf.setOutputFileName(QStringLiteral("%1/resoconto%2.pdf").arg(cartella).arg(file.size() + 1));
        file.append(pdf.outputFileName());
        return disegno(pdf);
    }
    QPageSize formato{QPageSize::A4};
    QStringList nomi;
    /// The real name prompt instead of the names above, for a driver that answers it by keys.
    bool dialogoVero = false;
    int domande = 0;
    QStringList titoliStampati;
    QString cartella;
    QStringList file;
};

/// Whether the test board closes the info window that start-up opens.
enum class Info { Chiusa, Aperta };

/// A main window after start-up, with the info window closed, deterministic and silent;
/// \a T is the scripted printer it uses.
template <typename T> struct BancoCon
{
    explicit BancoCon(Info info = Info::Chiusa, quint32 seme = 1)
    {
        w = std::make_unique<FrmNumerellaProva>(stato, suoni, tipografia);
        w->impostaSeme(seme);
        if (info == Info::Chiusa) {
            w->info()->cmdOK_Click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            suoni.suonati.clear();
        }
        // Ticks are driven by hand in tests.
        w->Timer1->stop();
        w->TmrTimer->stop();
        QCoreApplication::processEvents();
    }

    FrmNumerellaProva &operator*() { return *w; }
    FrmNumerellaProva *operator->() { return w.get(); }

    /// The asked cell.
    Cella *domanda() { return w->txtRisultato[stato.cella()]; }
    /// Clicks a keypad button for real.
    void clic(QAbstractButton *b) { QTest::mouseClick(b, Qt::LeftButton); }
    /// Types \a numero on the keypad (the keystrokes arrive after each click) without confirming it.
    void digita(int numero)
    {
        for (QChar c : QString::number(numero)) {
            clic(w->Cmd[c.digitValue()]);
            QCoreApplication::processEvents();
        }
    }
    /// Answers the asked question right, on the keypad, and confirms it with OK.
    void rispondi()
    {
        digita(stato.Prodotto[stato.cella()]);
        clic(w->Cmd_invio);
    }
    /// Left presses on the column headers with these factors.
    void escludi(std::initializer_list<int> fattori)
    {
        for (int f : fattori)
            QTest::mouseClick(w->Label1[f - 1], Qt::LeftButton);
    }

    Stato stato;
    SuoniFinti suoni;
    T tipografia;
    std::unique_ptr<FrmNumerellaProva> w;
};
using Banco = BancoCon<TipografiaFinta>;
