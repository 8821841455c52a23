// SPDX-License-Identifier: GPL-3.0-or-later
// Ties the board to the record kept of its games.
#include "board/registrazione.h"

#include "board/frmnumerella.h"
#include "printing/tipografia.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "recordwindow/frmregistro.h"
#include "widgets/scala.h"
#include "widgets/scaladialogo.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <memory>

namespace {

void mostraGiocatore(FrmNumerella &finestra, Tipografia &tipografia, const QString &nome)
{
    finestra.setWindowTitle(nome.isEmpty() ? QStringLiteral("La Numerella")
                                           : QStringLiteral("La Numerella – %1").arg(nome));
    tipografia.proponiNome(nome);
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
    mostraGiocatore(finestra, tipografia, giocatore.nome());
    QObject::connect(
        &giocatore, &Giocatore::cambiato, &finestra,
        [&finestra, &tipografia](const QString &nome) { mostraGiocatore(finestra, tipografia, nome); });

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
                                 [&finestra, f](const std::bitset<100> &celle) {
                                     if (!finestra.ripassa(celle, FrmNumerella::Partenza::Subito)) return;
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
            if (nuova) f->move(finestra.geometry().center() - f->rect().center());
            f->show();
            f->raise();
            f->activateWindow();
        });

    QObject::connect(&registro, &Registro::avviso, &finestra, [&finestra](const QString &testo) {
        // Not modal: the board goes on as if nothing happened.
        auto *avviso = new QMessageBox(QMessageBox::Warning, QStringLiteral("Registro"), testo,
                                       QMessageBox::Ok, &finestra);
        avviso->setObjectName(QStringLiteral("avvisoRegistro"));
        avviso->setTextFormat(Qt::PlainText); // file names as they are
        avviso->setAttribute(Qt::WA_DeleteOnClose);
        avviso->setWindowModality(Qt::NonModal);
        ScalaDialogo::applica(avviso, scalatura::corrente(&finestra).fattore, QApplication::font());
        avviso->show();
    });
}
