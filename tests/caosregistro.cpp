// SPDX-License-Identifier: GPL-3.0-or-later
// The random-event driver's record of games: wired to each board, changed from its window during games.
#include "caos.h"

#include "board/registrazione.h"
#include "recordwindow/frmregistro.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

/// Names a teacher may type, markup and other scripts included.
const QString Nomi[] = {QStringLiteral("Anna"), QStringLiteral("<b>x</b>"), QStringLiteral("Luca Bianchi"),
                        QStringLiteral("Zoë 😀")};

bool inPartita(Momento f)
{
    return f == Momento::InCorso || f == Momento::InPausa;
}

} // namespace

void Caos::nuovoRegistro()
{
    // A game left on the old board is closed as cut off, as when the program ends.
    m_registro.reset();
    m_registro =
        std::make_unique<Registro>(*m_giocatore, m_cartella.filePath(QStringLiteral("registro.sqlite")));
    connect(m_registro.get(), &Registro::avviso, this,
            [this](const QString &testo) { m_avvisi.append(testo); });
    registra(b(), *m_registro, m_banco->tipografia);
}

void Caos::conRisposte(const QString &nome, const std::function<void()> &f)
{
    QTimer risponditore;
    risponditore.setInterval(0);
    connect(&risponditore, &QTimer::timeout, this, [&nome] {
        QWidget *modale = QApplication::activeModalWidget();
        if (auto *d = qobject_cast<QInputDialog *>(modale)) {
            d->setTextValue(nome);
            d->accept();
        } else if (auto *m = qobject_cast<QMessageBox *>(modale)) {
            if (QAbstractButton *si = m->button(QMessageBox::Yes))
                si->click();
            else
                m->accept();
        }
    });
    risponditore.start();
    f();
}

void Caos::mossaRegistro()
{
    // Ctrl+R during a game or between games; what a teacher does there; the window closes again, so
    // that no other event ever lands on it.
    const bool inGioco = inPartita(b().momento());
    b().apriRegistro();
    auto *f = b().findChild<FrmRegistro *>();
    if (!f) return;
    ++m_copertura.registro;
    const QString nome = m_giocatore->nomeRegistro();
    const QString nuovo = Nomi[a(int(std::size(Nomi)))];
    switch (a(3)) {
    case 0:
        m_descrizione =
            QStringLiteral("record window: remove %1%2").arg(nome, inGioco ? " while playing" : "");
        if (inGioco && nome != Giocatore::ospite()) ++m_copertura.tolti;
        conRisposte(nuovo, [f] { f->togliGiocatore(); });
        break;
    case 1:
        m_descrizione = QStringLiteral("record window: rename %1 as %2").arg(nome, nuovo);
        conRisposte(nuovo, [f] { f->rinominaGiocatore(); });
        break;
    default:
        m_descrizione = QStringLiteral("record window: choose %1").arg(nuovo);
        m_giocatore->scegli(nuovo);
    }
    f->close();
    m_guastoFile = controllaFileRegistro();
}

QString Caos::controllaRegistro(const Istantanea &ora)
{
    if (!m_avvisi.isEmpty()) return QStringLiteral("the record warned: %1").arg(m_avvisi.first());
    if (m_registro->inAttesa() > 0)
        return QStringLiteral("%1 writes wait for the record").arg(m_registro->inAttesa());
    if (inPartita(ora.fase) == m_registro->partitaInCorso().isEmpty())
        return QStringLiteral("a game on the board but not in the record, or the other way round");
    return std::exchange(m_guastoFile, {});
}

QString Caos::controllaFileRegistro()
{
    const QString nome = QStringLiteral("caos-registro");
    QString guasto;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(m_cartella.filePath(QStringLiteral("registro.sqlite")));
        QSqlQuery q(db);
        if (!db.open() ||
            !q.exec(QStringLiteral(
                "SELECT (SELECT COUNT(*) FROM domande WHERE partita NOT IN (SELECT id FROM partite)),"
                " (SELECT COUNT(*) FROM sbagliate WHERE partita NOT IN (SELECT id FROM partite)),"
                " (SELECT COUNT(*) FROM partite WHERE giocatore NOT IN (SELECT id FROM giocatori))")) ||
            !q.next())
            guasto = QStringLiteral("the record's file cannot be read");
        else if (q.value(0).toInt() + q.value(1).toInt() + q.value(2).toInt() > 0)
            guasto =
                QStringLiteral("the record's file holds %1 answers and %2 wrong answers without their game, "
                               "%3 games without their player")
                    .arg(q.value(0).toInt())
                    .arg(q.value(1).toInt())
                    .arg(q.value(2).toInt());
        // The game on the board is in the file: its answers have somewhere to go.
        const QString inCorso = m_registro->partitaInCorso();
        if (guasto.isEmpty() && !inCorso.isEmpty()) {
            q.prepare(QStringLiteral("SELECT COUNT(*) FROM partite WHERE uuid = ?"));
            q.addBindValue(inCorso);
            if (!q.exec() || !q.next() || q.value(0).toInt() != 1)
                guasto = QStringLiteral("the game on the board is not in the record's file");
        }
    }
    QSqlDatabase::removeDatabase(nome);
    return guasto;
}
