// SPDX-License-Identifier: GPL-3.0-or-later
// The facts' summary in the record: kept with each answer, built for older files, read by the map and
// Ripassa.
#include "record/apprendimento.h"
#include "record/archivio.h"
#include "record/camminofatti.h"

#include <QVariant>

namespace {

QString istanteFatto(const QDateTime &t)
{
    return t.isValid() ? t.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime istanteFattoDa(const QVariant &v)
{
    return v.isNull() ? QDateTime() : QDateTime::fromString(v.toString(), Qt::ISODateWithMs);
}

const QString ColonneFatto =
    QStringLiteral("riga, colonna, volte, sbagliate, lente, fluenti_di_fila, conosciuta, prima, stabilita, "
                   "ultimo_esito, ultima, prossimo_ripasso, tempi");

SchedaFatto fattoDa(const QSqlQuery &q)
{
    SchedaFatto f;
    f.riga = q.value(0).toInt();
    f.colonna = q.value(1).toInt();
    f.chiesta = q.value(2).toInt();
    f.sbagliate = q.value(3).toInt();
    f.lente = q.value(4).toInt();
    f.fluentiDiFila = q.value(5).toInt();
    f.conosciuta = q.value(6).toDouble();
    f.prima = q.value(7).toDouble();
    f.stabilita = q.value(8).toDouble();
    f.ultimoEsito = apprendimento::esitoDa(q.value(9).toString());
    f.ultima = istanteFattoDa(q.value(10));
    f.prossimoRipasso = QDate::fromString(q.value(11).toString(), Qt::ISODate);
    f.tempi = apprendimento::tempiDa(q.value(12).toString());
    return f;
}

} // namespace

QStringList Archivio::passoModello()
{
    return {
        QStringLiteral("DROP TABLE fatti"),
        // Each fact of each player over all its askings: see apprendimento::aggiorna. conosciuta, prima
        // and stabilita are the memory model's, ultima its last game's start in UTC, prossimo_ripasso a
        // local day (yyyy-mm-dd), tempi its last right answers' milliseconds, oldest first.
        QStringLiteral("CREATE TABLE fatti ("
                       " giocatore INTEGER NOT NULL REFERENCES giocatori (id),"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " volte INTEGER NOT NULL,"
                       " sbagliate INTEGER NOT NULL,"
                       " lente INTEGER NOT NULL,"
                       " fluenti_di_fila INTEGER NOT NULL,"
                       " conosciuta REAL NOT NULL,"
                       " prima REAL NOT NULL,"
                       " stabilita REAL NOT NULL,"
                       " ultimo_esito VARCHAR(16) NOT NULL,"
                       " ultima VARCHAR(32) NOT NULL,"
                       " prossimo_ripasso VARCHAR(10),"
                       " tempi VARCHAR(80) NOT NULL,"
                       " PRIMARY KEY (giocatore, riga, colonna))"),
    };
}

QStringList Archivio::passoFatti()
{
    return {
        // Each fact of each player over all its askings (the summary before the memory model).
        QStringLiteral("CREATE TABLE fatti ("
                       " giocatore INTEGER NOT NULL REFERENCES giocatori (id),"
                       " riga INTEGER NOT NULL,"
                       " colonna INTEGER NOT NULL,"
                       " volte INTEGER NOT NULL,"
                       " sbagliate INTEGER NOT NULL,"
                       " lente INTEGER NOT NULL,"
                       " fluenti_di_fila INTEGER NOT NULL,"
                       " passo INTEGER NOT NULL,"
                       " ultimo_esito VARCHAR(16) NOT NULL,"
                       " ultima VARCHAR(32) NOT NULL,"
                       " prossimo_ripasso VARCHAR(10),"
                       " tempi VARCHAR(80) NOT NULL,"
                       " PRIMARY KEY (giocatore, riga, colonna))"),
        // Each player's pace: her last right-first-time answers' milliseconds, oldest first.
        QStringLiteral("CREATE TABLE ritmo ("
                       " giocatore INTEGER PRIMARY KEY REFERENCES giocatori (id),"
                       " tempi VARCHAR(400) NOT NULL)"),
    };
}

apprendimento::Tempo Archivio::tempo(qint64 giocatore)
{
    if (m_tempoPerTutti == apprendimento::Tempo::Ignora) return apprendimento::Tempo::Ignora;
    return senzaFretta(giocatore);
}

apprendimento::Tempo Archivio::senzaFretta(qint64 giocatore)
{
    // Before its step the file knows no mark: nobody was marked.
    if (m_schema < VersioneSenzaFretta) return apprendimento::Tempo::Conta;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT senza_fretta FROM giocatori WHERE id = ?"));
    q.addBindValue(giocatore);
    return esegui(q) && q.next() && q.value(0).toInt() != 0 ? apprendimento::Tempo::Ignora
                                                            : apprendimento::Tempo::Conta;
}

bool Archivio::segnaSenzaFretta(qint64 giocatore, apprendimento::Tempo tempo)
{
    if (m_schema < VersioneSenzaFretta || !m_db.transaction()) return false;
    // Her summary is the fold of her answers as she is judged: built again with the mark.
    const bool riuscita = esegui(QStringLiteral("UPDATE giocatori SET senza_fretta = ? WHERE id = ?"),
                                 {tempo == apprendimento::Tempo::Ignora ? 1 : 0, giocatore}) &&
                          rifaiFatti(giocatore, tempo);
    m_partitaFatti = 0; // her game's mark is read again at its next answer
    if (riuscita && m_db.commit()) return true;
    m_db.rollback();
    return false;
}

bool Archivio::ripercorri(qint64 giocatore, apprendimento::Tempo tempo, QList<SchedaFatto> &fatti,
                          QList<int> &ritmo, const QDateTime &dal)
{
    CamminoFatti c(tempo);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT d.riga, d.colonna, p.inizio, d.millisecondi, d.sbagliate"
                             " FROM domande d JOIN partite p ON p.id = d.partita WHERE p.giocatore = ?"
                             " AND p.inizio >= ? ORDER BY p.inizio, p.id, d.ordine"));
    q.addBindValue(giocatore);
    q.addBindValue(dal.isValid() ? istanteFatto(dal) : QStringLiteral("")); // not NULL: every game
    if (!esegui(q)) return false;
    QString inizio;
    QDateTime quando; // a game's askings share its start: read once
    while (q.next()) {
        if (q.value(2).toString() != inizio) {
            inizio = q.value(2).toString();
            quando = istanteFattoDa(inizio);
        }
        c.chiesta(q.value(0).toInt(), q.value(1).toInt(),
                  {quando, q.value(3).isNull() ? -1 : q.value(3).toLongLong(), q.value(4).toInt()});
    }
    fatti = c.fatti();
    ritmo = c.ritmo();
    return true;
}

QList<SchedaFatto> Archivio::fattiDalleDomande(qint64 giocatore, const QDateTime &dal)
{
    QList<SchedaFatto> fatti;
    QList<int> ritmo;
    ripercorri(giocatore, tempo(giocatore), fatti, ritmo, dal);
    return fatti;
}

bool Archivio::ricostruisciFatti()
{
    QList<qint64> giocatori;
    {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT id FROM giocatori"));
        if (!esegui(q)) return false;
        while (q.next())
            giocatori.append(q.value(0).toLongLong());
    }
    // Built by the steps before the mark: nobody is marked yet.
    for (qint64 g : giocatori)
        if (!rifaiFatti(g, apprendimento::Tempo::Conta)) return false;
    return true;
}

bool Archivio::rifaiFatti(qint64 giocatore)
{
    return rifaiFatti(giocatore, senzaFretta(giocatore));
}

bool Archivio::rifaiFatti(qint64 giocatore, apprendimento::Tempo tempo)
{
    QList<SchedaFatto> fatti;
    QList<int> ritmo;
    if (!esegui(QStringLiteral("DELETE FROM fatti WHERE giocatore = ?"), {giocatore}) ||
        !esegui(QStringLiteral("DELETE FROM ritmo WHERE giocatore = ?"), {giocatore}) ||
        !ripercorri(giocatore, tempo, fatti, ritmo))
        return false;
    for (const SchedaFatto &f : std::as_const(fatti))
        if (!scriviFatto(giocatore, f)) return false;
    return ritmo.isEmpty() || scriviRitmo(giocatore, ritmo);
}

bool Archivio::scriviFatto(qint64 giocatore, const SchedaFatto &f)
{
    return esegui(QStringLiteral("DELETE FROM fatti WHERE giocatore = ? AND riga = ? AND colonna = ?"),
                  {giocatore, f.riga, f.colonna}) &&
           esegui(
               QStringLiteral(
                   "INSERT INTO fatti (giocatore, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                   .arg(ColonneFatto),
               {giocatore, f.riga, f.colonna, f.chiesta, f.sbagliate, f.lente, f.fluentiDiFila, f.conosciuta,
                f.prima, f.stabilita, apprendimento::parola(f.ultimoEsito), istanteFatto(f.ultima),
                f.prossimoRipasso.isValid() ? QVariant(f.prossimoRipasso.toString(Qt::ISODate)) : QVariant(),
                apprendimento::testoTempi(f.tempi)});
}

bool Archivio::scriviRitmo(qint64 giocatore, const QList<int> &ritmo)
{
    return esegui(QStringLiteral("DELETE FROM ritmo WHERE giocatore = ?"), {giocatore}) &&
           esegui(QStringLiteral("INSERT INTO ritmo (giocatore, tempi) VALUES (?, ?)"),
                  {giocatore, apprendimento::testoTempi(ritmo)});
}

bool Archivio::leggiRitmo(qint64 giocatore, QList<int> &ritmo)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("SELECT tempi FROM ritmo WHERE giocatore = ?"));
    q.addBindValue(giocatore);
    if (!esegui(q)) return false;
    ritmo = q.next() ? apprendimento::tempiDa(q.value(0).toString()) : QList<int>();
    return true;
}

qint64 Archivio::mediana(qint64 giocatore)
{
    QList<SchedaFatto> fatti;
    QList<int> ritmo;
    // The school's server keeps the answers only.
    if (!m_classe.isEmpty())
        ripercorri(giocatore, tempo(giocatore), fatti, ritmo);
    else
        leggiRitmo(giocatore, ritmo);
    return apprendimento::mediana(ritmo);
}

bool Archivio::aggiornaFatto(qint64 partita, int cella, qint64 millisecondi, int sbagliate)
{
    if (partita != m_partitaFatti) {
        QSqlQuery q(m_db);
        q.prepare(QStringLiteral("SELECT giocatore, inizio FROM partite WHERE id = ?"));
        q.addBindValue(partita);
        if (!esegui(q) || !q.next()) return false;
        m_partitaFatti = partita;
        m_giocatoreFatti = q.value(0).toLongLong();
        m_inizioFatti = istanteFattoDa(q.value(1));
        q.finish();
        m_tempoFatti = senzaFretta(m_giocatoreFatti);
    }
    QList<int> ritmo;
    SchedaFatto f;
    f.riga = cella / 10 + 1;
    f.colonna = cella % 10 + 1;
    {
        if (!leggiRitmo(m_giocatoreFatti, ritmo)) return false;
        QSqlQuery r(m_db);
        r.prepare(QStringLiteral("SELECT %1 FROM fatti WHERE giocatore = ? AND riga = ? AND colonna = ?")
                      .arg(ColonneFatto));
        r.addBindValue(m_giocatoreFatti);
        r.addBindValue(f.riga);
        r.addBindValue(f.colonna);
        if (!esegui(r)) return false;
        if (r.next()) f = fattoDa(r);
    }
    double priore = apprendimento::Priore;
    if (f.chiesta == 0) {
        // Its first asking: what its twin and its tables say.
        QList<SchedaFatto> vicine;
        QSqlQuery v(m_db);
        v.setForwardOnly(true);
        v.prepare(QStringLiteral("SELECT %1 FROM fatti WHERE giocatore = ? AND (riga IN (?, ?) OR colonna IN "
                                 "(?, ?)) ORDER BY riga, colonna")
                      .arg(ColonneFatto));
        for (const QVariant &x : {QVariant(m_giocatoreFatti), QVariant(f.riga), QVariant(f.colonna),
                                  QVariant(f.riga), QVariant(f.colonna)})
            v.addBindValue(x);
        if (!esegui(v)) return false;
        while (v.next())
            vicine.append(fattoDa(v));
        priore = CamminoFatti::priore(vicine, f.riga, f.colonna);
    }
    // Her guess rate from her facts' relapses: only facts missed twice or more have any.
    apprendimento::Ricadute ricadute;
    {
        QSqlQuery r(m_db);
        r.setForwardOnly(true);
        r.prepare(QStringLiteral("SELECT volte, sbagliate, lente, fluenti_di_fila FROM fatti"
                                 " WHERE giocatore = ? AND sbagliate + lente >= 2"));
        r.addBindValue(m_giocatoreFatti);
        if (!esegui(r)) return false;
        while (r.next()) {
            SchedaFatto g;
            g.chiesta = r.value(0).toInt();
            g.sbagliate = r.value(1).toInt();
            g.lente = r.value(2).toInt();
            g.fluentiDiFila = r.value(3).toInt();
            ricadute += apprendimento::ricadute(g);
        }
    }
    const apprendimento::Chiesta c{m_inizioFatti, millisecondi, sbagliate};
    const SchedaFatto prima = f;
    // The summary kept is always judged by her own mark, whatever this run says for everyone.
    apprendimento::aggiorna(
        f, c, {apprendimento::mediana(ritmo), m_tempoFatti, apprendimento::indovina(ricadute)}, priore);
    if (!scriviFatto(m_giocatoreFatti, f)) return false;
    return !apprendimento::aggiornaRitmo(ritmo, c, prima) || scriviRitmo(m_giocatoreFatti, ritmo);
}

QList<SchedaFatto> Archivio::fatti(qint64 giocatore, const QDateTime &dal)
{
    // The school's server keeps the answers only, and a period is a part of them: the same rules
    // worked out from them.
    // So is a run that judges everyone "senza fretta", for a child the summary judges by her time.
    if (!m_classe.isEmpty() || dal.isValid() || tempo(giocatore) != senzaFretta(giocatore))
        return fattiDalleDomande(giocatore, dal);
    QList<SchedaFatto> elenco;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT %1 FROM fatti WHERE giocatore = ? ORDER BY riga, colonna").arg(ColonneFatto));
    q.addBindValue(giocatore);
    if (!esegui(q)) return elenco;
    while (q.next())
        elenco.append(fattoDa(q));
    return elenco;
}

bool Archivio::perOgniFatto(
    const std::function<void(const QString &, const SchedaFatto &, const apprendimento::Giudizio &)> &f)
{
    const QList<SchedaGiocatore> tutti = giocatori();
    if (m_guasto != Guasto::Nessuno) return false;
    for (const SchedaGiocatore &g : tutti) {
        const apprendimento::Giudizio come = giudizio(g.id);
        for (const SchedaFatto &fatto : fatti(g.id))
            f(g.nome, fatto, come);
    }
    return true;
}
