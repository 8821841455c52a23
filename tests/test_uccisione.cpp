// SPDX-License-Identifier: GPL-3.0-or-later
// The record survives the program being killed at any moment: the file stays sound and every answer
// the program had confirmed is in it.
#include "attesa.h"
#include "record/archivio.h"

#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <array>
#include <csignal>

namespace {

/// What one game's player said it had confirmed.
struct Detto
{
    QList<int> giuste;
    QList<QPair<int, QString>> sbagliate;
    bool fermata = false;
    int programma = 0; ///< which run of the player said it
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

using Partite = QList<QPair<QString, Detto>>;

/// Takes in what a player said on standard output: only whole lines, since a line cut short by a kill
/// is not a promise.
void ascolta(const QByteArray &uscita, Partite &partite, int &risposte, int programma = 0)
{
    const QList<QByteArray> righe = uscita.split('\n');
    for (qsizetype i = 0; i + 1 < righe.size(); ++i) {
        const QStringList parole = QString::fromUtf8(righe[i]).split(u' ');
        if (parole[0] == QStringLiteral("partita")) {
            partite.append({parole[1], Detto()});
            partite.last().second.programma = programma;
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

/// The file is sound and holds every game said, each with every answer said; \a inPiu answers more at
/// most, confirmed as a kill came.
void tuttoNelFile(const QString &file, const Partite &partite, int inPiu)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q = interroga(db, QStringLiteral("PRAGMA integrity_check"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
        for (const auto &[uuid, detto] : std::as_const(partite)) {
            QSqlQuery p = interroga(db, QStringLiteral("SELECT id FROM partite WHERE uuid = ?"), {uuid});
            QVERIFY2(p.next(), qPrintable(QStringLiteral("game %1, said by run %2, is not in the file")
                                              .arg(uuid)
                                              .arg(detto.programma)));
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
            QCOMPARE(giuste.mid(0, detto.giuste.size()), detto.giuste);
            QCOMPARE(sbagliate.mid(0, detto.sbagliate.size()), detto.sbagliate);
            QVERIFY(giuste.size() + sbagliate.size() - detto.giuste.size() - detto.sbagliate.size() <= inPiu);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("verifica"));
}

} // namespace

class TestUccisione : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void uccisoACaso();
    void treProgrammi();
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
    ambiente.insert(QStringLiteral("XDG_STATE_HOME"), cartella.filePath(QStringLiteral("stato")));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QList<QPair<QString, Detto>> partite;
    QHash<QString, std::array<int, 3>> lette; // each killed game as read before the next start
    int risposte = 0;
    constexpr int Uccisioni = 25;
    for (int volta = 0; volta < Uccisioni; ++volta) {
        QProcess programma;
        programma.setProcessEnvironment(ambiente);
        programma.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        programma.start(QStringLiteral(PARTITA_AUTOMATICA), {file, QString::number(caso.generate())});
        QVERIFY(programma.waitForStarted(attesa::limite(3000)));
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
        detto += programma.readAllStandardOutput();
        qInfo("run %d: %lld lines", volta, detto.count('\n'));
        ascolta(detto, partite, risposte, volta);
        // Read before the next start closes it (as the export reads): the killed game already shows the
        // time, the errors and the right answers of its answers.
        // Killed before its record was made whole: the next start makes it.
        Archivio lettura(file);
        if (!lettura.apriInLettura()) continue;
        QVERIFY(lettura.perOgniPartita([&](const SchedaPartita &p) {
            if (!p.esito) lette.insert(p.uuid, {p.secondi, p.errori, p.esatte});
        }));
    }
    qInfo("%lld partite, %d risposte confermate, %d uccisioni", partite.size(), risposte, Uccisioni);
    QVERIFY(risposte > 100);

    // Everything said is there; at most the one answer confirmed as the kill came is more.
    tuttoNelFile(file, partite, 1);
    if (QTest::currentTestFailed()) return;

    // Opened again, every game killed on the board is closed as cut off, with what it had.
    Archivio archivio(file);
    QVERIFY(archivio.apri());
    int interrotte = 0, secondi = 0;
    QVERIFY(archivio.perOgniPartita([&](const SchedaPartita &p) {
        QVERIFY(p.esito.has_value());
        if (*p.esito == FinePartita::Interrotta) ++interrotte;
        if (!lette.contains(p.uuid)) return;
        QCOMPARE(lette.value(p.uuid), (std::array<int, 3>{p.secondi, p.errori, p.esatte}));
        secondi += p.secondi + p.errori + p.esatte;
    }));
    QVERIFY(interrotte > 0);
    QVERIFY(secondi > 0);
}

void TestUccisione::treProgrammi()
{
    // A plays; B opens the record and closes; C plays one game and closes; A plays on and closes. Each
    // checks the file as the start-up does while its record is open: whatever reads the file outside its
    // database connection drops the locks that tell the others it is there, and a closing program then
    // takes the change log away from under the one still playing.
    QTemporaryDir cartella;
    const QString file = cartella.filePath(QStringLiteral("registro.sqlite"));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("XDG_CONFIG_HOME"), cartella.filePath(QStringLiteral("config")));
    ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const auto avvia = [&](QProcess &p, const QStringList &argomenti) {
        p.setProcessEnvironment(ambiente);
        p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        p.start(QStringLiteral(PARTITA_AUTOMATICA), QStringList{file} + argomenti);
        QVERIFY(p.waitForStarted(attesa::limite(3000)));
    };
    Partite partite;
    int risposte = 0;
    QProcess a;
    QByteArray uscitaA;
    // A answers every 5 ms, with no end of its own.
    avvia(a, {QStringLiteral("1"), QStringLiteral("5"), QStringLiteral("1000000")});
    QTRY_VERIFY_WITH_TIMEOUT((uscitaA += a.readAllStandardOutput()).count('\n') > 20, attesa::limite(60000));
    for (const auto &[argomenti, nome] :
         {std::pair{QStringList{QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0")}, "B"},
          std::pair{QStringList{QStringLiteral("3"), QStringLiteral("0"), QStringLiteral("1")}, "C"}}) {
        QProcess altro;
        avvia(altro, argomenti);
        QVERIFY2(altro.waitForFinished(attesa::limite(12000)), nome);
        QCOMPARE(altro.exitStatus(), QProcess::NormalExit);
        QCOMPARE(altro.exitCode(), 0);
        ascolta(altro.readAllStandardOutput(), partite, risposte);
    }
    QVERIFY(!partite.isEmpty()); // C's game
    const int primaDellaFine = (uscitaA += a.readAllStandardOutput()).count('\n');
    QTRY_VERIFY_WITH_TIMEOUT((uscitaA += a.readAllStandardOutput()).count('\n') > primaDellaFine + 20,
                             attesa::limite(6000));
    a.terminate();
    QVERIFY(a.waitForFinished(attesa::limite(6000)));
    QCOMPARE(a.exitStatus(), QProcess::NormalExit);
    ascolta(uscitaA + a.readAllStandardOutput(), partite, risposte);
    qInfo("%lld partite, %d risposte", partite.size(), risposte);
    // Every program closed as it should: every answer said is in the file, and nothing more.
    tuttoNelFile(file, partite, 0);
}

QTEST_GUILESS_MAIN(TestUccisione)
#include "test_uccisione.moc"
