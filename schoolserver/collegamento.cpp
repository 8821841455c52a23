// SPDX-License-Identifier: GPL-3.0-or-later
// The server's URI turned into libpq's options, with timeouts; the password file checked; the schema's
// version checked.
#include "schoolserver/collegamento.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace {

const QString Nome = QStringLiteral("numerella");

/// A value as libpq's connection strings quote it.
QString virgolette(const QString &valore)
{
    QString v = valore;
    v.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
    return u'\'' + v + u'\'';
}

QString decodifica(const QString &testo)
{
    return QUrl::fromPercentEncoding(testo.toUtf8());
}

/// A settings value as its text: an unquoted "a,b" reads as a list.
QString testoDi(const QVariant &valore)
{
    return valore.typeId() == QMetaType::QStringList ? valore.toStringList().join(u',') : valore.toString();
}

} // namespace

Collegamento::Collegamento(const QString &url, const QString &classe, const QString &filePassword)
    : m_url(url.trimmed()), m_classe(classe.trimmed()), m_filePassword(filePassword.trimmed())
{
    if (configurato()) leggiUrl();
}

Collegamento Collegamento::leggi(const QString &urlRiga)
{
    QString url, classe, filePassword, errore;
    static const QRegularExpression chiavi(QStringLiteral("^\\s*(server|classe|file-password)\\s*=(.*;.*)$"),
                                           QRegularExpression::MultilineOption);
    for (const QSettings::Scope ambito : {QSettings::SystemScope, QSettings::UserScope}) {
        QSettings file(QSettings::NativeFormat, ambito, Nome, Nome);
        file.setFallbacksEnabled(false);
        // The settings file reads ';' as the start of a comment: a value with one would be cut short.
        QFile testo(file.fileName());
        if (testo.open(QIODevice::ReadOnly)) {
            const QRegularExpressionMatch m = chiavi.match(QString::fromUtf8(testo.readAll()));
            if (m.hasMatch() && errore.isEmpty())
                //: Why the school's server is not used, put into longer messages after "perché"; lower case
                //: and no final stop, as all the reasons here. %1: the settings file, %2: the key (server,
                //: classe, file-password: keep these words as they are).
                errore = tr("in %1 il valore di %2 contiene un punto e virgola, che non può avere")
                             .arg(file.fileName(), m.captured(1));
        }
        const auto leggiChiave = [&file](const QString &chiave, QString &valore) {
            if (file.contains(chiave)) valore = testoDi(file.value(chiave));
        };
        leggiChiave(QStringLiteral("server"), url);
        leggiChiave(QStringLiteral("classe"), classe);
        leggiChiave(QStringLiteral("file-password"), filePassword);
    }
    if (!urlRiga.isEmpty()) url = urlRiga;
    Collegamento c(url, classe, filePassword);
    if (!errore.isEmpty() && c.configurato()) c.m_errore = errore;
    return c;
}

QString Collegamento::classePredefinita()
{
    return QStringLiteral("predefinita");
}

void Collegamento::leggiUrl()
{
    const auto sbagliato = [this](const QString &perche) {
        //: %1: what is wrong with the address, one of the lower-case reasons below. Keep "numerella.conf".
        m_errore = tr("l'indirizzo del server in numerella.conf non va bene: %1").arg(perche);
    };
    QString resto;
    for (const QString &prefisso : {QStringLiteral("postgresql://"), QStringLiteral("postgres://")}) {
        if (m_url.startsWith(prefisso)) resto = m_url.mid(prefisso.size());
    }
    //: What is wrong with the server's address. Keep "postgresql://".
    if (resto.isNull()) return sbagliato(tr("deve cominciare con postgresql://"));
    // Qt reads the options with ';' as a separator.
    if (m_url.contains(u';')) return sbagliato(tr("non può contenere il punto e virgola"));

    const qsizetype domanda = resto.indexOf(u'?');
    const QString parametri = domanda < 0 ? QString() : resto.mid(domanda + 1);
    const QString principale = domanda < 0 ? resto : resto.left(domanda);
    const qsizetype barra = principale.indexOf(u'/');
    QString autorita = barra < 0 ? principale : principale.left(barra);
    const QString database = barra < 0 ? QString() : decodifica(principale.mid(barra + 1));
    QString utente;
    if (const qsizetype chiocciola = autorita.lastIndexOf(u'@'); chiocciola >= 0) {
        utente = autorita.left(chiocciola);
        autorita = autorita.mid(chiocciola + 1);
        if (utente.contains(u':'))
            return sbagliato(tr("la password non va scritta nell'indirizzo: mettila in ~/.pgpass "
                                "o nel file indicato da file-password"));
        utente = decodifica(utente);
    }

    QStringList ospiti, porte;
    static const QRegularExpression ospitePorta(QStringLiteral("^(\\[[^\\]]*\\]|[^:]*)(?::(\\d*))?$"));
    for (const QString &pezzo : autorita.split(u',', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch m = ospitePorta.match(pezzo);
        //: %1: a piece of the server's address.
        if (!m.hasMatch()) return sbagliato(tr("\"%1\" non è un nome di server").arg(pezzo));
        QString ospite = decodifica(m.captured(1));
        if (ospite.startsWith(u'[')) ospite = ospite.mid(1, ospite.size() - 2);
        ospiti << ospite;
        porte << m.captured(2);
    }

    QStringList opzioni;
    const auto aggiungi = [&opzioni](const QString &chiave, const QString &valore) {
        opzioni << chiave + u'=' + virgolette(valore);
    };
    if (!ospiti.isEmpty()) aggiungi(QStringLiteral("host"), ospiti.join(u','));
    if (std::any_of(porte.cbegin(), porte.cend(), [](const QString &p) { return !p.isEmpty(); }))
        aggiungi(QStringLiteral("port"), porte.join(u','));
    if (!database.isEmpty()) aggiungi(QStringLiteral("dbname"), database);
    if (!utente.isEmpty()) aggiungi(QStringLiteral("user"), utente);

    QString opzioniServer, ospiteParametro, portaParametro;
    bool attesaData = false;
    static const QRegularExpression nomeParametro(QStringLiteral("^[a-z_]+$"));
    for (const QString &coppia : parametri.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype uguale = coppia.indexOf(u'=');
        const QString chiave = decodifica(coppia.left(uguale));
        const QString valore = uguale < 0 ? QString() : decodifica(coppia.mid(uguale + 1));
        if (!nomeParametro.match(chiave).hasMatch())
            return sbagliato(tr("\"%1\" non è un parametro di connessione").arg(chiave));
        if (chiave == u"password")
            return sbagliato(tr("la password non va scritta nell'indirizzo: mettila in ~/.pgpass "
                                "o nel file indicato da file-password"));
        if (chiave == u"options") {
            opzioniServer = valore;
            continue;
        }
        // libpq connects to hostaddr when given, to host otherwise.
        if (chiave == u"host" && ospiteParametro.isEmpty()) ospiteParametro = valore;
        if (chiave == u"hostaddr") ospiteParametro = valore;
        if (chiave == u"port") portaParametro = valore;
        if (chiave == u"connect_timeout") attesaData = true;
        aggiungi(chiave, valore);
    }
    if (!attesaData) aggiungi(QStringLiteral("connect_timeout"), QString::number(SecondiConnessione));
    // A statement the server does not finish in time fails; the schema is the record's own.
    aggiungi(QStringLiteral("options"), QStringLiteral("%1 -c statement_timeout=%2 -c search_path=numerella")
                                            .arg(opzioniServer)
                                            .arg(MillisecondiIstruzione)
                                            .trimmed());
    // Over the network, a server that went away without a word is noticed within seconds.
    aggiungi(QStringLiteral("keepalives_idle"), QStringLiteral("5"));
    aggiungi(QStringLiteral("keepalives_interval"), QStringLiteral("2"));
    aggiungi(QStringLiteral("keepalives_count"), QStringLiteral("3"));
    aggiungi(QStringLiteral("tcp_user_timeout"), QString::number(MillisecondiIstruzione));
    aggiungi(QStringLiteral("application_name"), Nome);
    m_opzioni = opzioni.join(u' ');

    const QString dove = !ospiteParametro.isEmpty() ? ospiteParametro
                         : ospiti.isEmpty()         ? QStringLiteral("localhost")
                                                    : ospiti.join(u',');
    m_descrizione = database.isEmpty() ? dove : QStringLiteral("%1/%2").arg(dove, database);
    leggiPrese(ospiteParametro.isEmpty() ? ospiti : ospiteParametro.split(u','),
               portaParametro.isEmpty() ? porte : portaParametro.split(u','));
}

void Collegamento::leggiPrese(const QStringList &ospiti, const QStringList &porte)
{
    // libpq's defaults: the environment's, then Debian's socket folder and the usual port.
    const QString ospitePredefinito = qEnvironmentVariable("PGHOST", QStringLiteral("/var/run/postgresql"));
    const QString portaPredefinita = qEnvironmentVariable("PGPORT", QStringLiteral("5432"));
    const QStringList tutti = ospiti.isEmpty() ? QStringList{QString()} : ospiti;
    for (qsizetype n = 0; n < tutti.size(); ++n) {
        const QString ospite = tutti.at(n).isEmpty() ? ospitePredefinito : tutti.at(n);
        // One port for all the hosts, or one each.
        QString porta = porte.size() == 1 ? porte.first() : porte.value(n);
        if (porta.isEmpty()) porta = portaPredefinita;
        m_prese << (ospite.startsWith(u'/') ? QStringLiteral("%1/.s.PGSQL.%2").arg(ospite, porta)
                    : ospite.contains(u':') ? QStringLiteral("[%1]:%2").arg(ospite, porta)
                                            : QStringLiteral("%1:%2").arg(ospite, porta));
    }
}

QString Collegamento::apri(const QString &nome) const
{
    if (!m_errore.isEmpty()) return m_errore;
    QSqlDatabase db = QSqlDatabase::contains(nome) ? QSqlDatabase::database(nome, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), nome);
    if (!db.isValid()) return tr("manca il modulo di Qt per PostgreSQL (il pacchetto libqt6sql6-psql)");
    db.setConnectOptions(m_opzioni);
    if (!m_filePassword.isEmpty()) {
        const QFileInfo info(m_filePassword);
        if (info.permissions() & (QFile::ReadOther | QFile::WriteOther))
            //: %1: the password file's path.
            return tr("il file della password %1 è leggibile o scrivibile da tutti: va reso leggibile "
                      "soltanto da root e da un gruppo (chmod 640)")
                .arg(m_filePassword);
        QFile file(m_filePassword);
        if (!file.open(QIODevice::ReadOnly))
            return tr("il file della password %1 non si può leggere").arg(m_filePassword);
        // The first line as written, spaces at either end included: only its line end goes.
        QByteArray password = file.readLine();
        if (password.endsWith('\n')) password.chop(1);
        if (password.endsWith('\r')) password.chop(1);
        db.setPassword(QString::fromUtf8(password));
    }
    if (!db.open()) {
        const QString motivo = perche(db);
        db.close();
        return motivo;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT numero FROM versione")) || !q.next()) {
        const QString motivo =
            q.lastError().type() == QSqlError::ConnectionError
                ? perche(db)
                //: %1: the server. Keep "numerella-server.sql", the file an admin runs on it.
                : tr("sul server %1 non c'è il registro della Numerella (va preparato "
                     "con numerella-server.sql)")
                      .arg(m_descrizione);
        db.close();
        return motivo;
    }
    const int versione = q.value(0).toInt();
    if (versione != VersioneServer) {
        db.close();
        //: %1: the server, %2: its version of the record, %3: the version this program uses.
        return tr("il server %1 ha il registro della versione %2, ma questa Numerella usa la "
                  "versione %3: va aggiornato il programma o il server")
            .arg(m_descrizione)
            .arg(versione)
            .arg(VersioneServer);
    }
    return {};
}

QString Collegamento::conConnessione(const QString &nome, bool &aperto,
                                     const std::function<QString()> &lavoro) const
{
    const int tentativi = aperto ? 2 : 1;
    QString motivo;
    for (int tentativo = 0; tentativo < tentativi; ++tentativo) {
        if (!aperto) {
            motivo = apri(nome);
            if (!motivo.isEmpty()) return motivo;
            aperto = true;
        }
        motivo = lavoro();
        if (motivo.isEmpty()) return {};
        QSqlDatabase::database(nome, false).close();
        aperto = false;
    }
    return motivo;
}

QString Collegamento::perche(const QSqlDatabase &db) const
{
    QString parole = db.lastError().databaseText().trimmed();
    if (parole.isEmpty()) parole = db.lastError().text().trimmed();
    parole = parole.section(u'\n', 0, 0);
    //: %1: the server, %2: the server's or the network's own words.
    return tr("il server %1 non risponde o non accetta la connessione (%2)").arg(m_descrizione, parole);
}
