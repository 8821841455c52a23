// SPDX-License-Identifier: GPL-3.0-or-later
// The worker that copies the class's record from the school's server into a local file.
#include "schoolserver/lettoreclasse.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>

namespace {

std::atomic_int contatore = 0;

/// Games written at about the same time may become visible out of their ids' order: each reading also
/// looks again at this many ids before the last one copied.
constexpr int Margine = 1000;
constexpr int PartitePerVolta = 200;

const QString Giocatori = QStringLiteral("id, nome, creato");
const QString Partite =
    QStringLiteral("id, uuid, giocatore, inizio, fine, celle, secondi, errori, esatte, esito");
const QString Domande = QStringLiteral("partita, ordine, riga, colonna, millisecondi, sbagliate");
const QString Sbagliate = QStringLiteral("partita, ordine, riga, colonna, valore, millisecondi");

/// The columns as "x.a, x.b".
QString diX(const QString &colonne)
{
    QStringList c = colonne.split(QStringLiteral(", "));
    for (QString &nome : c)
        nome.prepend(QStringLiteral("x."));
    return c.join(QStringLiteral(", "));
}

QString segni(const QString &colonne)
{
    return QStringList(colonne.count(u',') + 1, QStringLiteral("?")).join(u',');
}

} // namespace

LettoreClasse::LettoreClasse(const Collegamento &collegamento, QObject *parent)
    : QObject(parent), m_collegamento(collegamento)
{
    const int n = ++contatore;
    m_server = QStringLiteral("lettura-server-%1").arg(n);
    m_copia = QStringLiteral("lettura-copia-%1").arg(n);
}

LettoreClasse::~LettoreClasse() = default;

void LettoreClasse::chiudi()
{
    if (QSqlDatabase::contains(m_server)) {
        QSqlDatabase::database(m_server, false).close();
        QSqlDatabase::removeDatabase(m_server);
    }
    m_aperto = false;
}

void LettoreClasse::leggi(const QString &file)
{
    Q_EMIT letta(file,
                 m_collegamento.conConnessione(m_server, m_aperto, [this, &file] { return copia(file); }));
}

QString LettoreClasse::perche(const QString &errore) const
{
    //: Why the class cannot be read from the school's server, after "perché"; lower case, no final stop.
    //: %1: the server, %2: the server's own words.
    return tr("il server %1 non si lascia leggere (%2)")
        .arg(m_collegamento.descrizione(), errore.section(u'\n', 0, 0));
}

QString LettoreClasse::copia(const QString &file)
{
    QSqlDatabase server = QSqlDatabase::database(m_server, false);
    QString motivo;
    {
        QSqlDatabase locale = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_copia);
        locale.setDatabaseName(file);
        locale.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000"));
        QSqlQuery s(server), l(locale);
        // The server's rows come whole with each statement (s is not forward-only): a failure shows at
        // exec(), never half-way through the rows.
        l.setForwardOnly(true);
        // Any failure closes the connection: it may have died with a server that restarted, and is
        // opened again at the next reading (or at once, for a second try).
        const auto morto = [&] {
            const QString parole = s.lastError().databaseText().trimmed();
            motivo = parole.isEmpty() ? m_collegamento.perche(server) : perche(parole);
            server.close();
            m_aperto = false;
            return false;
        };
        const auto dalServer = [&](const QString &sql, const QVariantList &valori) {
            if (!s.prepare(sql)) return morto();
            for (const QVariant &v : valori)
                s.addBindValue(v);
            return s.exec() || morto();
        };
        const auto qui = [&](const QString &sql, const QVariantList &valori = {}) {
            if (!l.prepare(sql)) return false;
            for (const QVariant &v : valori)
                l.addBindValue(v);
            return l.exec();
        };
        const QString classe = m_collegamento.classe();
        // The tables as they were at one moment; the copy changes all at once or not at all.
        bool ok = locale.open() && locale.transaction();
        ok =
            ok && (server.transaction() || morto()) &&
            (s.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY")) || morto());

        // The class's children; those the teacher removed go from the copy with their games.
        QSet<qint64> figli;
        QList<QVariantList> righe;
        ok = ok &&
             dalServer(QStringLiteral("SELECT %1 FROM giocatori x WHERE x.classe = ?").arg(diX(Giocatori)),
                       {classe});
        while (ok && s.next()) {
            figli.insert(s.value(0).toLongLong());
            righe.append({s.value(0), s.value(1), s.value(2)});
        }
        QList<qint64> andati;
        ok = ok && qui(QStringLiteral("SELECT id FROM giocatori"));
        while (ok && l.next())
            if (!figli.contains(l.value(0).toLongLong())) andati << l.value(0).toLongLong();
        for (const qint64 id : std::as_const(andati)) {
            const QString sue = QStringLiteral("(SELECT id FROM partite WHERE giocatore = ?)");
            ok = ok && qui(QStringLiteral("DELETE FROM domande WHERE partita IN ") + sue, {id}) &&
                 qui(QStringLiteral("DELETE FROM sbagliate WHERE partita IN ") + sue, {id}) &&
                 qui(QStringLiteral("DELETE FROM partite WHERE giocatore = ?"), {id}) &&
                 qui(QStringLiteral("DELETE FROM giocatori WHERE id = ?"), {id});
        }
        // Then the new ones (a child removed and back has a new id, and the same name).
        for (const QVariantList &riga : std::as_const(righe))
            ok = ok && qui(QStringLiteral("INSERT INTO giocatori (%1) VALUES (%2) ON CONFLICT DO NOTHING")
                               .arg(Giocatori, segni(Giocatori)),
                           riga);

        // A game on the server never changes: only the ones not yet here are copied, with their answers.
        qint64 ultima = 0;
        ok = ok && qui(QStringLiteral("SELECT COALESCE(MAX(id), 0) FROM partite")) && l.next();
        if (ok) ultima = l.value(0).toLongLong();
        QStringList nuove;
        ok = ok && dalServer(QStringLiteral("SELECT %1 FROM partite x JOIN giocatori g ON g.id = x.giocatore"
                                            " WHERE g.classe = ? AND x.id > ?")
                                 .arg(diX(Partite)),
                             {classe, ultima - Margine});
        while (ok && s.next()) {
            QVariantList valori;
            for (int k = 0; k < 10; ++k)
                valori << s.value(k);
            ok = qui(QStringLiteral("INSERT INTO partite (%1) VALUES (%2) ON CONFLICT DO NOTHING")
                         .arg(Partite, segni(Partite)),
                     valori);
            if (ok && l.numRowsAffected() == 1) nuove << s.value(0).toString();
        }
        // The answers a few hundred games at a time: each statement well within the server's timeout.
        for (qsizetype da = 0; ok && da < nuove.size(); da += PartitePerVolta) {
            const QString elenco = u'{' + nuove.mid(da, PartitePerVolta).join(u',') + u'}';
            for (const QString &colonne : {Domande, Sbagliate}) {
                const QString tabella =
                    colonne == Domande ? QStringLiteral("domande") : QStringLiteral("sbagliate");
                ok = ok && dalServer(QStringLiteral("SELECT %1 FROM %2 x WHERE x.partita = ANY (?::bigint[])")
                                         .arg(diX(colonne), tabella),
                                     {elenco});
                ok = ok && l.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                         .arg(tabella, colonne, segni(colonne)));
                while (ok && s.next()) {
                    for (int k = 0; k < 6; ++k)
                        l.bindValue(k, s.value(k));
                    ok = l.exec();
                }
            }
        }
        if (server.isOpen()) server.rollback();
        s = QSqlQuery();
        l = QSqlQuery();
        ok = ok && locale.commit();
        if (!ok) {
            if (motivo.isEmpty())
                motivo =
                    //: Why the class cannot be read: its local copy cannot be written. %1: the database's
                    //: words.
                    tr("la copia della classe non si scrive (%1)").arg(locale.lastError().text());
            locale.rollback();
        }
        locale.close();
    }
    QSqlDatabase::removeDatabase(m_copia);
    return motivo;
}
