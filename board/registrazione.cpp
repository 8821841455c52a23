// SPDX-License-Identifier: GPL-3.0-or-later
// Ties the board to the record kept of its games.
#include "board/registrazione.h"

#include "board/frmnumerella.h"
#include "printing/tipografia.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmchigioca.h"
#include "recordwindow/frmregistro.h"
#include "widgets/scala.h"
#include "widgets/scaladialogo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWindow>
#include <memory>

namespace {

void mostraGiocatore(FrmNumerella &finestra, Tipografia &tipografia, const QString &nome)
{
    finestra.mostraGiocatore(nome);
    tipografia.proponiNome(nome);
}

/// The stopwatch hidden for a child marked "senza fretta" in the record.
void mostraRitmo(FrmNumerella &finestra, Registro &registro)
{
    finestra.impostaRitmoGiocatore(
        registro.senzaFretta() == apprendimento::Tempo::Ignora ? Ritmo::SenzaFretta : Ritmo::Cronometro);
}

/// The children "Chi gioca?" offers, sorted; empty when nothing is to be asked: the child is chosen
/// already, or the record holds one child or none (she plays, as she always did), or it is not open.
QStringList daScegliere(Registro &registro)
{
    if (registro.giocatore().scelta() == Giocatore::Scelta::Fatta) return {};
    Archivio *archivio = registro.archivio();
    if (!archivio) return {};
    QStringList nomi;
    for (const SchedaGiocatore &g : archivio->giocatori())
        if (g.nome != Giocatore::ospite()) nomi.append(g.nome);
    if (nomi.size() < 2) return {};
    std::sort(nomi.begin(), nomi.end(),
              [](const QString &a, const QString &b) { return a.localeAwareCompare(b) < 0; });
    return nomi;
}

/// Before the first game of a run on a computer shared by several children: "Chi gioca?". False when
/// the child closed the question without choosing.
bool chiediChiGioca(FrmNumerella &finestra, Registro &registro)
{
    const QStringList nomi = daScegliere(registro);
    if (nomi.isEmpty()) return true;
    FrmChiGioca domanda(nomi, scalatura::corrente(&finestra).fattore, &finestra);
    const bool scelto = domanda.exec() == QDialog::Accepted;
    // With no window manager nobody gives the keys back to the board.
    finestra.activateWindow();
    if (!scelto) return false;
    registro.giocatore().scegli(domanda.scelto());
    return true;
}

/// Whether the board may name the child and her practice. Not while "Chi gioca?" is still to come,
/// nor while the record that says whether it comes is being checked: a child never sees or hears
/// another child's name, or her "Oggi: N", before she says who she is. \a chiesto: the first Start
/// went past the question (asked, or not needed).
bool nomina(Registro &registro, bool chiesto)
{
    if (chiesto || registro.giocatore().scelta() == Giocatore::Scelta::Fatta) return true;
    // Never opens the record itself: at start-up its check runs on another thread.
    return registro.aperto() && daScegliere(registro).isEmpty();
}

} // namespace

void registra(FrmNumerella &finestra, Registro &registro, Tipografia &tipografia)
{
    QObject::connect(&finestra, &FrmNumerella::partitaIniziata, &registro, &Registro::partitaIniziata);
    QObject::connect(&finestra, &FrmNumerella::domandaPosta, &registro, &Registro::domandaPosta);
    QObject::connect(&finestra, &FrmNumerella::rispostaData, &registro, &Registro::rispostaData);
    QObject::connect(&finestra, &FrmNumerella::partitaSospesa, &registro, &Registro::partitaSospesa);
    QObject::connect(&finestra, &FrmNumerella::partitaRipresa, &registro, &Registro::partitaRipresa);
    QObject::connect(&finestra, &FrmNumerella::partitaFermata, &registro, &Registro::partitaFermata);
    QObject::connect(&finestra, &FrmNumerella::partitaFinita, &registro, &Registro::partitaFinita);
    // Removing the child who plays ends her game first.
    QObject::connect(&registro, &Registro::partitaDaFermare, &finestra, &FrmNumerella::fermaPartita);

    Giocatore &giocatore = registro.giocatore();
    auto chiesto = std::make_shared<bool>(false);
    const auto mostraNome = [&finestra, &registro, &tipografia, chiesto] {
        mostraGiocatore(finestra, tipografia,
                        nomina(registro, *chiesto) ? registro.giocatore().nome() : QString());
    };
    finestra.primaDiAvviare([&finestra, &registro, chiesto, mostraNome] {
        const bool avvia = chiediChiGioca(finestra, registro);
        mostraRitmo(finestra, registro);
        if (avvia && !*chiesto) {
            *chiesto = true;
            mostraNome();
            registro.contaRipasso();
        }
        return avvia;
    });
    QObject::connect(&giocatore, &Giocatore::cambiato, &finestra, [&finestra, &registro, mostraNome] {
        mostraNome();
        mostraRitmo(finestra, registro);
    });
    QObject::connect(&registro, &Registro::senzaFrettaCambiata, &finestra,
                     [&finestra, &registro] { mostraRitmo(finestra, registro); });

    // Today's practice under the grid; also once the board is back from the record window, where games
    // and players may have been removed.
    // The record, once open, also tells whether "Chi gioca?" will be asked.
    QObject::connect(&registro, &Registro::daRipassare, &finestra,
                     [&finestra, &registro, chiesto, mostraNome](int quanti) {
                         mostraNome();
                         finestra.mostraRipasso(nomina(registro, *chiesto) ? quanti : 0);
                     });
    mostraNome();
    // The record, once open, knows whether the child chosen at start-up plays "senza fretta".
    QObject::connect(&registro, &Registro::daRipassare, &finestra,
                     [&finestra, &registro] { mostraRitmo(finestra, registro); });
    QObject::connect(&registro, &Registro::aggiornamento, &finestra, &FrmNumerella::mostraAggiornamento);
    QObject::connect(qApp, &QGuiApplication::focusWindowChanged, &finestra,
                     [&finestra, &registro](QWindow *w) {
                         if (w && w == finestra.windowHandle()) registro.contaRipasso();
                     });

    // Ctrl+R: one record window over the board, read afresh and at the board's scale each time.
    auto finestraRegistro = std::make_shared<QPointer<FrmRegistro>>();
    QObject::connect(
        &finestra, &FrmNumerella::registroChiesto, &finestra,
        [&finestra, &registro, &tipografia, finestraRegistro] {
            QPointer<FrmRegistro> &f = *finestraRegistro;
            if (!f) {
                f = new FrmRegistro(registro, tipografia, FrmRegistro::Uso::ConTabellone, &finestra);
                f->setAttribute(Qt::WA_DeleteOnClose);
                // The window stays when the child keeps the game she is playing.
                QObject::connect(f, &FrmRegistro::ripassaChiesto, &finestra,
                                 [&finestra, &registro, f](const std::bitset<100> &celle) {
                                     // The player shown in the window is the one who practises.
                                     registro.giocatore().scegli(registro.giocatore().nome());
                                     if (!finestra.ripassa(celle, FrmNumerella::Partenza::Subito)) return;
                                     f->close();
                                     finestra.activateWindow();
                                 });
                // Nothing due: a normal game keeps the tables the teacher chose.
                QObject::connect(
                    f, &FrmRegistro::partitaNormaleChiesta, &finestra, [&finestra, &registro, f] {
                        registro.giocatore().scegli(registro.giocatore().nome());
                        if (!finestra.ripassa(finestra.tabelleScelte(), FrmNumerella::Partenza::Subito))
                            return;
                        f->close();
                        finestra.activateWindow();
                    });
                // It follows the board to a whiteboard's full screen and back.
                QObject::connect(&finestra, &FrmNumerella::scalaCambiata, f, &FrmRegistro::impostaScala);
            } else {
                f->aggiorna();
            }
            const bool nuova = !f->isVisible();
            f->impostaScala(scalatura::corrente(&finestra).fattore);
            // Over the board, also where no window manager places it.
            if (nuova) f->mettiSopra(finestra.frameGeometry());
            f->show();
            f->raise();
            f->activateWindow();
        });

    QObject::connect(&registro, &Registro::avviso, &finestra, [&finestra](const QString &testo) {
        // Not modal: the board goes on as if nothing happened.
        auto *avviso = new QMessageBox(QMessageBox::Warning,
                                       //: The title of a warning about the record of games.
                                       FrmNumerella::tr("Registro"), testo, QMessageBox::Ok, &finestra);
        avviso->setObjectName(QStringLiteral("avvisoRegistro"));
        avviso->setTextFormat(Qt::PlainText); // file names as they are
        avviso->setAttribute(Qt::WA_DeleteOnClose);
        avviso->setWindowModality(Qt::NonModal);
        ScalaDialogo::applica(avviso, scalatura::corrente(&finestra).fattore, QApplication::font());
        avviso->show();
    });
}
