// SPDX-License-Identifier: GPL-3.0-or-later
// The info window: its layout, its text, its opening and its closing.
#include "info/frminfo.h"

#include "info/disposizione.h"
#include "sound/lettoresuoni.h"
#include "startup/primopiano.h"
#include "widgets/accessibilita.h"
#include "widgets/aspetto.h"
#include "widgets/immagini.h"
#include "widgets/pulsantegrafico.h"
#include "widgets/scala.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QTimer>

using namespace aspetto;

namespace lay = disposizione::info;

QStringList FrmInfo::testo(Sostegni sostegni)
{
    // Fifteen lines, each in its own label: a sentence may go on in the next line.
    QStringList righe{
        QString(),
        //: One line of the instructions window; each line has a label of its own and about this length.
        tr(" Completa la Numerella e avrai la possibilità di stamparla con il tuo nome."),
        tr(" Un cronometro, in alto a destra, misurerà il tempo impiegato."),
        //: The sentence goes on in the next line: break it where your language reads well, words may move
        //: between the two lines.
        tr(" Cliccando con il tasto sinistro del mouse sui numeri lampeggianti in alto, indicati"),
        tr(" da una mano, potrai escludere una o più tabelline dalla Numerella."),
        //: The sentence goes on in the next line: break it where your language reads well, words may move
        //: between the two lines.
        tr(" Per esempio cliccando sul 4, 6, 7 e 8 ti eserciterai solo sulle tabelline"),
        tr(" dell'1, 2, 3, 5, 9 e 10"),
        //: The sentence goes on in the next line: break it where your language reads well, words may move
        //: between the two lines.
        tr(" Cliccando invece con il tasto destro del mouse escluderai la parte che sta a destra"),
        tr(" del numero scelto"),
        tr(" Per esempio cliccando sul 5 deciderai di esercitarti solo sulle tabelline dall'1 al 5."),
        QString(),
        //: The signature at the end of the instructions goes on in the next two lines.
        tr("   Buon lavoro da:"),
        tr("   gli sviluppatori della Numerella,"),
        tr("   un programma libero (licenza GNU GPL 3 o successiva)."),
        tr("   Versione %1").arg(QStringLiteral(NUMERELLA_VERSIONE)),
    };
    if (sostegni == Sostegni::Mostrati) {
        // After the examples, before the blank line and the signature.
        righe.insert(10,
                     //: One short line of the instructions: reading aloud, its switch and its option.
                     tr(" Leggi ad alta voce: la Numerella dice le domande (numerella --voce)."));
        righe.insert(11,
                     //: One short line of the instructions: no stopwatch, no judging by speed.
                     tr(" Senza fretta: niente cronometro, conta solo giusto o sbagliato (--senza-fretta)."));
        righe.insert(12,
                     //: One short line of the instructions: the face for readers with dyslexia.
                     tr(" Carattere leggibile, per chi ha la dislessia: --carattere leggibile."));
    }
    return righe;
}

FrmInfo *FrmInfo::apri(Stato &stato, LettoreSuoni &suoni, QWidget *principale, Sostegni sostegni)
{
    auto *info = new FrmInfo(stato, suoni, principale);
    info->m_sostegni = sostegni;
    // Disabling the main window takes its focus away: remember it to give it back on closing.
    info->m_fuocoPrincipale = principale->focusWidget();
    info->Form_Load();
    // Shown before the main window, it would be activated again when that appears, and a screen
    // reader would announce it and its OK twice.
    if (principale->isVisible()) info->mostra();
    return info;
}

void FrmInfo::mostra()
{
    if (m_chiusa) return; // closed already, only waiting to be deleted
    // Centred over the main window; no owner, so it is a window of its own.
    move(m_principale->geometry().center() - rect().center());
    show();
    activateWindow();
    cmdOK->setFocus();
}

FrmInfo::FrmInfo(Stato &stato, LettoreSuoni &suoni, QWidget *principale)
    : QWidget(nullptr), m_stato(stato), m_suoni(suoni), m_principale(principale)
{
    setObjectName(QStringLiteral("frmInfo"));
    accessibilita::impostaRuolo(this, QAccessible::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    //: The instructions window's title.
    setWindowTitle(tr("Info"));
    setWindowIcon(immagini::iconaInfo());
    coloraFinestra(this, VerdeChiaro, BluScuro);
    setFont(fontParole(9.75));

    cmdOK = new PulsanteGrafico(FacciaPulsante, immagini::ok(), {}, this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setAccessibleName(tr("OK"));
    scalatura::posa(cmdOK, lay::cmdOK);
    connect(cmdOK, &QPushButton::clicked, this, &FrmInfo::cmdOK_Click);

    seguiLaScala();
}

void FrmInfo::seguiLaScala()
{
    // At the main window's scale, whole: it has no margins of its own.
    Scala s;
    s.fattore = scalatura::corrente(m_principale).fattore;
    const QSize dimensione(s.px(lay::LarghezzaFinestra), s.px(lay::AltezzaFinestra));
    setFixedSize(dimensione);
    s.quadro = QRect(QPoint(0, 0), dimensione);
    if (s.fattore != scalatura::corrente(this).fattore) scalatura::applica(this, s);
    // A window manager applies the new size later: centre by the size asked for, not the one shown.
    if (isVisible())
        move(m_principale->geometry().center() - QPoint(dimensione.width() / 2, dimensione.height() / 2));
}

QFont FrmInfo::carattereRighe(const QStringList &righe) const
{
    // Another language's longer lines make the font smaller for all of them, never larger.
    QFont f = scalatura::fontBase(this);
    const int larghezza = lay::LarghezzaFinestra / TwipsPerPixel;
    constexpr int PixelMinimi = 6;
    const auto piuLarga = [&righe](const QFont &carattere) {
        const QFontMetrics fm(carattere);
        int massima = 0;
        for (const QString &riga : righe)
            massima = qMax(massima, fm.horizontalAdvance(riga));
        return massima;
    };
    while (f.pixelSize() > PixelMinimi && piuLarga(f) > larghezza)
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void FrmInfo::Form_Load()
{
    SempreInPrimoPiano(this);
    m_principale->setEnabled(false);
    scriviRighe(testo(m_sostegni));
}

void FrmInfo::mostraSostegni(Sostegni sostegni)
{
    if (sostegni == m_sostegni) return;
    m_sostegni = sostegni;
    scriviRighe(testo(sostegni));
}

void FrmInfo::scriviRighe(const QStringList &righe)
{
    qDeleteAll(
        findChildren<QLabel *>(QRegularExpression(QStringLiteral("^riga")), Qt::FindDirectChildrenOnly));
    // One label a line, one text line under the other from the top-left corner, each as wide as
    // the window so that a long line is cut at its edge; labels, unlike painting, can be read aloud.
    // Their places are in twips, like every control's, so they follow the window's scale.
    // All above OK: more lines (the supports), or a face with a taller line, come closer in a smaller font.
    const int spazio = lay::cmdOK.top / int(righe.size());
    const int passo = qMin(QFontMetrics(scalatura::fontBase(this)).lineSpacing() * TwipsPerPixel, spazio);
    QFont carattere = carattereRighe(righe);
    constexpr int PixelMinimi = 6;
    while (carattere.pixelSize() > PixelMinimi &&
           QFontMetrics(carattere).lineSpacing() * TwipsPerPixel > passo)
        carattere.setPixelSize(carattere.pixelSize() - 1);
    int y = 0;
    int numero = 0;
    for (const QString &testoRiga : righe) {
        auto *riga = new QLabel(testoRiga, this);
        riga->setObjectName(QStringLiteral("riga%1").arg(++numero));
        riga->setTextFormat(Qt::PlainText);
        riga->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (carattere != scalatura::fontBase(this)) riga->setFont(carattere);
        scalatura::posa(riga, {0, y, lay::LarghezzaFinestra, passo});
        y += passo;
    }
    // Their font at the window's scale.
    if (carattere != scalatura::fontBase(this)) scalatura::applica(this, scalatura::corrente(this));
    cmdOK->raise(); // above the lines, and after them in reading order
}

void FrmInfo::cmdOK_Click()
{
    chiudi();
}

void FrmInfo::keyPressEvent(QKeyEvent *e)
{
    // Escape dismisses the window as OK does, as in any dialog.
    if (e->key() == Qt::Key_Escape)
        chiudi();
    else
        QWidget::keyPressEvent(e);
}

void FrmInfo::closeEvent(QCloseEvent *e)
{
    // A close request is never refused.
    e->accept();
    chiudi();
}

void FrmInfo::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) Form_Deactivate();
}

void FrmInfo::Form_Deactivate()
{
    QWidget *attiva = QApplication::activeWindow();
    if (!attiva || attiva == this || m_chiusa)
        return; // another program took the activation: the window stays open on top
    if (!attiva->isEnabled()) {
        // A click on the disabled main window can activate it without reaching it: give the
        // activation back rather than counting it as the user leaving.
        raise();
        activateWindow();
        return;
    }
    chiudi();
}

void FrmInfo::chiudi()
{
    // Hiding hands the activation back and the close that follows reports again: the first
    // run does the work, the later ones find it done.
    if (m_chiusa) return;
    m_chiusa = true;
    suonaSeAcceso(m_stato, m_suoni, Clip::Tasto);
    m_principale->setEnabled(true);
    if (m_fuocoPrincipale) m_fuocoPrincipale->setFocus(Qt::OtherFocusReason);
    hide();
    // Hand the activation back, unless the user already went to another window of the program.
    QWidget *attiva = QApplication::activeWindow();
    if (!attiva || attiva == this) m_principale->activateWindow();
    deleteLater();
}
