// SPDX-License-Identifier: GPL-3.0-or-later
// The command line for teachers, read with Qt's parser; errors end the program with status 2.
#include "startup/opzioni.h"

#include "record/giocatore.h"
#include "startup/lingua.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

bool leggiTabelline(const QString &lista, std::bitset<10> &tabelline, QString &errore)
{
    static const QRegularExpression forma(QStringLiteral("^([0-9]{1,2})(?:-([0-9]{1,2}))?$"));
    const auto sbagliata = [&errore](const QString &parte, const QString &perche) {
        errore = Opzioni::tr("\"%1\" non va bene: %2.").arg(parte, perche);
        return false;
    };
    if (lista.trimmed().isEmpty())
        return sbagliata(lista, Opzioni::tr("scrivi almeno una tabellina, per esempio 2,5,7 o 1-5"));
    std::bitset<10> scelte;
    for (const QString &grezza : lista.split(u',')) {
        const QString parte = grezza.trimmed();
        const QRegularExpressionMatch m = forma.match(parte);
        if (!m.hasMatch()) return sbagliata(parte, Opzioni::tr("usa numeri da 1 a 10 e intervalli come 1-5"));
        const int da = m.captured(1).toInt();
        const int a = m.hasCaptured(2) ? m.captured(2).toInt() : da;
        if (da < 1 || a > 10 || da > 10 || a < 1)
            return sbagliata(parte, Opzioni::tr("le tabelline vanno da 1 a 10"));
        if (da > a)
            return sbagliata(parte, Opzioni::tr("l'intervallo va scritto dal più piccolo al più grande"));
        for (int n = da; n <= a; ++n)
            scelte.set(n - 1);
    }
    tabelline = scelte;
    return true;
}

bool leggiCarattere(const QString &testo, Carattere &carattere)
{
    const QString parola = testo.trimmed().toLower();
    if (parola == u"leggibile")
        carattere = Carattere::Leggibile;
    else if (parola == u"normale")
        carattere = Carattere::Normale;
    else
        return false;
    return true;
}

Lettura leggiOpzioni(const QStringList &argomenti, const Opzioni &partenza)
{
    QCommandLineParser lettore;
    lettore.setApplicationDescription(
        Opzioni::tr("La Numerella: per esercitarsi sulla tavola pitagorica, dall'1 × 1 al 10 × 10."));
    // Our own help option: Qt's Italian translation lacks the text of the standard one.
    const QCommandLineOption aiuto({QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
                                   Opzioni::tr("Mostra questo aiuto ed esce."));
    lettore.addOption(aiuto);
    const QCommandLineOption versione = lettore.addVersionOption();
    const QCommandLineOption tabelline(
        QStringLiteral("tabelline"),
        Opzioni::tr("Le tabelline su cui esercitarsi, con numeri e intervalli da 1 a 10 (per esempio 2,5,7 "
                    "oppure 1-5 oppure 1-3,8); le altre partono escluse, in verde."),
        //: In the help, the value of an option: a list of tables.
        Opzioni::tr("LISTA"));
    const QCommandLineOption muto(QStringLiteral("muto"),
                                  Opzioni::tr("Parte con il suono spento (si riaccende con la casella del "
                                              "suono)."));
    const QCommandLineOption schermoIntero(QStringLiteral("schermo-intero"),
                                           Opzioni::tr("Parte a schermo intero."));
    const QCommandLineOption giocatore(
        QStringLiteral("giocatore"),
        Opzioni::tr("Chi gioca: le partite vanno nel registro sotto questo nome "
                    "(nuovo se non c'è ancora), che resta scelto."),
        //: In the help, the value of an option: a child's name.
        Opzioni::tr("NOME"));
    const QCommandLineOption registro(
        QStringLiteral("registro"),
        Opzioni::tr(
            "Da solo, apre soltanto la finestra del registro. Con FILE tiene il registro in quel file "
            "(per esempio su una chiavetta) invece che in quello solito."),
        //: In the help, the value of an option: a file's name.
        Opzioni::tr("FILE"));
    // "--registro" with no file after it: the record window alone.
    QCommandLineOption soloRegistro(QStringLiteral("solo-registro"));
    soloRegistro.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption ripasso(
        QStringLiteral("ripasso"),
        Opzioni::tr("Parte con il ripasso di oggi di chi gioca: i fatti da imparare e da ripassare, "
                    "qualcuno già sicuro, gli altri in verde."));
    const QCommandLineOption esporta(
        QStringLiteral("esporta"),
        Opzioni::tr("Scrive tutte le partite del registro, una riga per partita, in FILE (CSV) ed esce."),
        //: In the help, the value of an option: a file's name.
        Opzioni::tr("FILE"));
    const QCommandLineOption esportaRisposte(
        QStringLiteral("esporta-risposte"),
        Opzioni::tr("Scrive tutte le risposte del registro, una riga per domanda, in FILE (CSV) ed esce."),
        //: In the help, the value of an option: a file's name.
        Opzioni::tr("FILE"));
    const QCommandLineOption csvStandard(
        QStringLiteral("csv-standard"),
        Opzioni::tr("Con --esporta, --esporta-risposte e --esporta-fatti scrive il CSV standard per i "
                    "programmi (RFC 4180: "
                    "virgola, punto decimale, date ISO 8601) invece di quello per il foglio di calcolo "
                    "nella lingua del sistema."));
    const QCommandLineOption esportaFatti(
        QStringLiteral("esporta-fatti"),
        Opzioni::tr(
            "Scrive lo stato di ogni fatto di ogni giocatore, una riga per fatto, in FILE (CSV) ed esce."),
        //: In the help, the value of an option: a file's name.
        Opzioni::tr("FILE"));
    const QCommandLineOption registroServer(
        QStringLiteral("registro-server"),
        Opzioni::tr(
            "Per questa volta manda le partite al server della scuola URL (postgresql://utente@server/"
            "database) invece di quello di numerella.conf. La password va in ~/.pgpass, mai qui."),
        //: In the help, the value of an option: a server's address.
        Opzioni::tr("URL"));
    const QCommandLineOption lingua(
        QStringLiteral("lingua"),
        Opzioni::tr("La lingua del programma, tra %1, invece di quella del sistema.")
            .arg(lingueDisponibili().join(QStringLiteral(", "))),
        //: In the help, the value of an option: a language's code.
        Opzioni::tr("CODICE"));
    const QCommandLineOption voce(
        QStringLiteral("voce"),
        Opzioni::tr("Legge ad alta voce le domande, giusto e sbagliato, la pausa e la "
                    "fine (si spegne con la casella \"Leggi ad alta voce\")."));
    const QCommandLineOption senzaFretta(
        QStringLiteral("senza-fretta"),
        Opzioni::tr("Senza fretta: niente cronometro, nessun tempo mostrato, detto o stampato, e il "
                    "ripasso non giudica la lentezza."));
    const QCommandLineOption carattere(
        QStringLiteral("carattere"),
        Opzioni::tr("Con \"leggibile\" scrive le parole in un carattere fatto per chi ha la dislessia "
                    "(le cifre restano come sono)."),
        Opzioni::tr("NOME"));
    lettore.addOptions({tabelline, muto, schermoIntero, giocatore, registro, soloRegistro, ripasso, esporta,
                        esportaRisposte, csvStandard, esportaFatti, registroServer, lingua, voce, senzaFretta,
                        carattere});

    Lettura lettura;
    lettura.opzioni = partenza;
    const auto errore = [&lettura](const QString &messaggio) {
        lettura.esito = Esito::Errore;
        lettura.testo =
            Opzioni::tr("numerella: %1\nPer l'elenco delle opzioni: numerella --help\n").arg(messaggio);
        return lettura;
    };
    QStringList parole = argomenti;
    for (qsizetype i = 1; i < parole.size(); ++i) {
        if (parole[i] == QStringLiteral("--registro") &&
            (i + 1 == parole.size() || parole[i + 1].startsWith(u'-')))
            parole[i] = QStringLiteral("--solo-registro");
    }
    if (!lettore.parse(parole)) return errore(lettore.errorText());
    if (lettore.isSet(aiuto)) {
        lettura.esito = Esito::Aiuto;
        lettura.testo = lettore.helpText();
        return lettura;
    }
    if (lettore.isSet(versione)) {
        lettura.esito = Esito::Versione;
        lettura.testo = QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                      QCoreApplication::applicationVersion());
        return lettura;
    }
    if (!lettore.positionalArguments().isEmpty())
        return errore(Opzioni::tr("argomento inatteso \"%1\".").arg(lettore.positionalArguments().first()));
    if (lettore.isSet(tabelline)) {
        // Several lists add up.
        std::bitset<10> tutte;
        for (const QString &lista : lettore.values(tabelline)) {
            std::bitset<10> scelte;
            QString messaggio;
            if (!leggiTabelline(lista, scelte, messaggio))
                return errore(QStringLiteral("--tabelline: ") + messaggio);
            tutte |= scelte;
        }
        lettura.opzioni.tabelline = tutte;
    }
    if (lettore.isSet(lingua)) {
        const QString codice = lettore.value(lingua).trimmed().toLower();
        if (!lingueDisponibili().contains(codice))
            return errore(QStringLiteral("--lingua: ") + erroreLingua(lettore.value(lingua)));
        lettura.opzioni.lingua = codice;
    }
    if (lettore.isSet(muto)) lettura.opzioni.suono = Suono::Spento;
    if (lettore.isSet(voce)) lettura.opzioni.voce = Voce::Chiesta;
    if (lettore.isSet(senzaFretta)) lettura.opzioni.ritmo = Ritmo::SenzaFretta;
    if (lettore.isSet(carattere) && !leggiCarattere(lettore.value(carattere), lettura.opzioni.carattere))
        return errore(QStringLiteral("--carattere: ") +
                      Opzioni::tr("\"%1\" non va bene: scrivi leggibile oppure normale.")
                          .arg(lettore.value(carattere)));
    if (lettore.isSet(schermoIntero)) lettura.opzioni.schermo = Schermo::Intero;
    if (lettore.isSet(giocatore)) {
        lettura.opzioni.giocatore = Giocatore::pulito(lettore.value(giocatore));
        if (lettura.opzioni.giocatore.isEmpty())
            return errore(Opzioni::tr("--giocatore: il nome va scritto su una riga, al massimo %1 caratteri.")
                              .arg(Giocatore::LunghezzaMassima));
    }
    lettura.opzioni.fileRegistro = lettore.value(registro);
    if (lettore.isSet(soloRegistro)) lettura.opzioni.apertura = Apertura::Registro;
    if (lettore.isSet(ripasso)) lettura.opzioni.ripasso = Ripasso::Si;
    lettura.opzioni.esporta = lettore.value(esporta);
    lettura.opzioni.esportaRisposte = lettore.value(esportaRisposte);
    if (lettore.isSet(csvStandard)) lettura.opzioni.formaCsv = FormaCsv::Standard;
    lettura.opzioni.esportaFatti = lettore.value(esportaFatti);
    lettura.opzioni.registroServer = lettore.value(registroServer);
    if (!lettura.opzioni.esporta.isEmpty() || !lettura.opzioni.esportaRisposte.isEmpty() ||
        !lettura.opzioni.esportaFatti.isEmpty())
        lettura.esito = Esito::Esporta;
    return lettura;
}
