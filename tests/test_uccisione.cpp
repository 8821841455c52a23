// SPDX-License-Identifier: GPL-3.0-or-later
// The record survives the program being killed at any moment: the file stays sound and every answer
// the program had confirmed is in it.
#include "attesa.h"
#include "record/archivio.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {

/// What one game's player said it had confirmed.
struct Detto
{
    QList<int> giuste;
    QList<QPair<int, QString>> sbagliate;
    bool fermata = false;
};

QSqlQuery interroga(QSqlDatabase &db, const QString &sql, const QVariantList &valori = {})
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant &v : valori)
        q.addBindValue(v);
    if (!q.exec()) qFatal("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
    return q;
}

} // namespace

class TestUccisione : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void uccisoACaso();
};

void TestUccisione::uccisoACaso()
{
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    const quint32 seme = qEnvironmentVariableIsSet("NUMERELLA_SEME")
                             ? qEnvironmentVariableIntValue("NUMERELLA_SEME")
                             : QRandomGenerator::global()->generate();
    qInfo("seme %u", seme);
    QRandomGenerator caso(seme);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), cartella.filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QList<QPair<QString, Detto>> partite;
    int risposte = 0;
    constexpr int Uccisioni = 25;
    for (int volta = 0; volta < Uccisioni; ++volta) {
        QProcess programma;
        programma.setProcessEnvironment(ambiente);
        programma.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programma.start(QStringLiteral(PARTITA_AUTOMATICA), {file, QString::number(caso.generate())});
        QVERIFY(programma.waitForStarted());
        // Killed after a number of lines said, at the program's own pace however loaded the machine, then
        // a moment more; one time in five while it starts up. It lands anywhere.
        const int daAspettare = volta % 5 == 0 ? 0 : int(caso.bounded(1, 300));
        QByteArray detto;
        while (detto.count('\n') < daAspettare && programma.state() == QProcess::Running &&
               programma.waitForReadyRead(attesa::limite(5000)))
            detto += programma.readAllStandardOutput();
        QTest::qWait(int(caso.bounded(daAspettare == 0 ? 150 : 50)));
        ::kill(pid_t(programma.processId()), SIGKILL);
        QVERIFY(programma.waitForFinished(-1));
        // Only whole lines were said; a line cut short by the kill is not a promise.
        const QList<QByteArray> righe = (detto + programma.readAllStandardOutput()).split('\n');
        for (qsizetype i = 0; i + 1 < righe.size(); ++i) {
            const QStringList parole = QString::fromUtf8(righe[i]).split(u' ');
            if (parole[0] == QStringLiteral("partita")) {
                partite.append({parole[1], Detto()});
                continue;
            }
            QVERIFY2(!partite.isEmpty(), righe[i].constData());
            Detto &d = partite.last().second;
            if (parole[0] == QStringLiteral("giusta")) d.giuste.append(parole[1].toInt());
            if (parole[0] == QStringLiteral("sbagliata")) d.sbagliate.append({parole[1].toInt(), parole[2]});
            if (parole[0] == QStringLiteral("fermata")) d.fermata = true;
            ++risposte;
        }
    }
    qInfo("%lld partite, %d risposte confermate, %d uccisioni", partite.size(), risposte, Uccisioni);
    QVERIFY(risposte > 100);

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q = interroga(db, QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        for (const auto &[uuid, detto] : std::as_const(partite)) {
            QSqlQuery p = interroga(db, QStringLiteral("SELECT id FROM partite WHERE uuid = ?"), {uuid});
            QVERIFY2(p.next(), qPrintable(uuid));
            const qint64 id = p.value(0).toLongLong();
            QList<int> giuste;
            QSqlQuery d = interroga(db,
                                    QStringLiteral("SELECT riga, colonna FROM domande WHERE partita = ? AND "
                                                   "millisecondi IS NOT NULL ORDER BY ordine"),
                                    {id});
            while (d.next())
                giuste.append((d.value(0).toInt() - 1) * 10 + d.value(1).toInt() - 1);
            QList<QPair<int, QString>> sbagliate;
            QSqlQuery s = interroga(
                db,
                QStringLiteral(
                    "SELECT riga, colonna, valore FROM sbagliate WHERE partita = ? ORDER BY ordine, rowid"),
                {id});
            while (s.next())
                sbagliate.append(
                    {(s.value(0).toInt() - 1) * 10 + s.value(1).toInt() - 1, s.value(2).toString()});
            // Everything said is there; at most the one answer confirmed as the kill came is more.
            QCOMPARE(giuste.mid(0, detto.giuste.size()), detto.giuste);
            QCOMPARE(sbagliate.mid(0, detto.sbagliate.size()), detto.sbagliate);
            QVERIFY(giuste.size() + sbagliate.size() - detto.giuste.size() - detto.sbagliate.size() <= 1);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));

    // Opened again, every game killed on the board is closed as cut off, with what it had.
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    int interrotte = 0;
    QVERIFY(archivio.perOgniPartita([&](const SchedaPartita &p) {
        QVERIFY(p.esito.has_value());
        if (*p.esito == FinePartita::Interrotta) ++interrotte;
    }));
    QVERIFY(interrotte > 0);
}

QTEST_GUILESS_MAIN(TestUccisione)
#include "test_uccisione.moc"
