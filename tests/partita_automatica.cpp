// SPDX-License-Identifier: GPL-3.0-or-later
// The program as main() wires it, with a player that answers by itself as fast as it can and says on
// standard output each answer it has confirmed: the other side of the tests that kill it or run it beside
// other programs on one record. With "togli NAME" it only removes a player from the record.
#include "aiuto.h"
#include "board/registrazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "startup/segnali.h"

#include <QRandomGenerator>
#include <QTimer>
#include <unistd.h>

namespace {

/// One line, written at once: whatever is said here was confirmed before.
void di(const QString &riga)
{
    const QByteArray b = (riga + u'\n').toUtf8();
    [[maybe_unused]] const ssize_t scritti = ::write(STDOUT_FILENO, b.constData(), size_t(b.size()));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 3) return 2;
    if (QByteArray(argv[2]) == "togli" && argc > 3) {
        // A second program that only removes a player, as the record window does.
        Archivio archivio(QString::fromLocal8Bit(argv[1]));
        const qint64 id = archivio.apri() ? archivio.trova(QString::fromUtf8(argv[3])) : 0;
        return id > 0 && archivio.rimuovi(id) ? 0 : 1;
    }
    const quint32 seme = QByteArray(argv[2]).toUInt();
    Giocatore giocatore;
    Registro registro(giocatore, QString::fromLocal8Bit(argv[1]));
    Banco b(Info::Chiusa, seme);
    registra(*b, registro, b.tipografia);
    // What the record tells the child (a record not kept, a fault that waits) goes where the test sees it.
    QObject::connect(&registro, &Registro::avviso,
                     [](const QString &testo) { qWarning("avviso del registro: %s", qPrintable(testo)); });
    QRandomGenerator caso(seme);
    // A fourth argument: that many games, then an ordinary close. The record is opened at once, and
    // checked again as the start-up does while another connection of the program (the sender's) holds it.
    const int partite = argc > 4 ? QByteArray(argv[4]).toInt() : -1;
    if (partite >= 0) {
        registro.apri();
        Archivio::controlla(registro.percorso());
    }
    int avviate = 0;
    // A termination signal closes like the program does: every destructor runs.
    Segnali segnali;
    QObject::connect(&segnali, &Segnali::terminazione, &app, &QCoreApplication::quit);

    QTimer passo;
    QObject::connect(&passo, &QTimer::timeout, [&] {
        switch (b->momento()) {
        case Momento::Riposo:
        case Momento::Finita:
            if (partite >= 0 && avviate++ >= partite) {
                passo.stop();
                QCoreApplication::quit();
                return;
            }
            b->cmdAvvio_Click();
            di(QStringLiteral("partita %1").arg(registro.partitaInCorso()));
            return;
        case Momento::InPausa:
            b->cmdRiprendi_Click();
            return;
        case Momento::InCorso:
            break;
        }
        const int r = int(caso.bounded(100));
        if (r < 2) {
            b->CmdPausa_Click();
        } else if (r < 3) {
            b->cmdStop_Click();
            di(QStringLiteral("fermata"));
        } else {
            const int k = b.stato.cella();
            const bool giusta = r >= 20;
            const int valore = b.stato.Prodotto[k] + (giusta ? 0 : 1);
            b.domanda()->setText(QString::number(valore));
            b->Cmd_invio_Click();
            di(giusta ? QStringLiteral("giusta %1").arg(k)
                      : QStringLiteral("sbagliata %1 %2").arg(k).arg(valore));
        }
    });
    // A third argument paces the player, in milliseconds a step: as fast as it can without one.
    passo.start(argc > 3 ? QByteArray(argv[3]).toInt() : 0);
    return QApplication::exec();
}
