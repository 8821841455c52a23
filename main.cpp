// SPDX-License-Identifier: GPL-3.0-or-later
// La Numerella: a multiplication-table drill for primary-school children.
#include "board/frmnumerella.h"
#include "board/registrazione.h"
#include "printing/tipografia.h"
#include "record/esportazione.h"
#include "record/giocatore.h"
#include "record/registro.h"
#include "record/ripasso.h"
#include "recordwindow/frmregistro.h"
#include "schoolserver/collegamento.h"
#include "schoolserver/spedizione.h"
#include "sound/lettorepulse.h"
#include "speech/sintesiqt.h"
#include "startup/impostazioni.h"
#include "startup/lingua.h"
#include "startup/opzioni.h"
#include "startup/segnali.h"
#include "startup/stato.h"
#include "widgets/aspetto.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

/// The record is opened this long after start-up, once the board is drawn (or at the first game).
constexpr int IndugioRegistro = 250;

void nomina()
{
    QCoreApplication::setApplicationName(QStringLiteral("La Numerella"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NUMERELLA_VERSIONE));
}

/// Prints the help or the version, or the error, and tells the exit status; none when the program starts.
std::optional<int> rispondi(const Lettura &lettura)
{
    switch (lettura.esito) {
    case Esito::Avvia:
    case Esito::Esporta:
        return std::nullopt;
    case Esito::Aiuto:
    case Esito::Versione:
        std::fputs(qPrintable(lettura.testo), stdout);
        return 0;
    case Esito::Errore:
        std::fputs(qPrintable(lettura.testo), stderr);
        return 2;
    }
    return std::nullopt;
}

/// Writes the record's CSV files without a window; returns the exit status. \a ritmo: the settings
/// file's, which the command line's "senza fretta" joins.
int esporta(const Opzioni &opzioni, Ritmo ritmo)
{
    // With a school server, the class's games from every PC.
    const Collegamento collegamento = Collegamento::leggi(opzioni.registroServer);
    std::unique_ptr<Archivio> delServer;
    if (collegamento.configurato()) {
        QString motivo;
        delServer = Archivio::delServer(collegamento, motivo);
        if (!delServer) {
            std::fprintf(stderr, "numerella: %s\n", qPrintable(motivo));
            return 1;
        }
    }
    // Else this computer's record, only read: whatever it is, it stays as it was.
    Archivio locale(opzioni.fileRegistro.isEmpty() ? Registro::percorsoPredefinito() : opzioni.fileRegistro);
    Archivio *archivio = delServer.get();
    if (!archivio) {
        if (!locale.apriInLettura()) {
            std::fputs(qPrintable(Opzioni::tr("numerella: non riesco a leggere il registro: %1\n")
                                      .arg(Registro::perche(locale.guasto(), locale))),
                       stderr);
            return 1;
        }
        archivio = &locale;
    }
    // A run "senza fretta" calls nobody's fact slow, in the files too.
    if (opzioni.ritmo == Ritmo::SenzaFretta || ritmo == Ritmo::SenzaFretta)
        archivio->giudicaTutti(apprendimento::Tempo::Ignora);
    QString errore;
    const Csv csv(opzioni.formaCsv);
    if ((!opzioni.esporta.isEmpty() && !Esportazione::partite(*archivio, opzioni.esporta, errore, csv)) ||
        (!opzioni.esportaRisposte.isEmpty() &&
         !Esportazione::risposte(*archivio, opzioni.esportaRisposte, errore, csv)) ||
        (!opzioni.esportaFatti.isEmpty() &&
         !Esportazione::fatti(*archivio, opzioni.esportaFatti, errore, csv))) {
        std::fprintf(stderr, "numerella: %s\n", qPrintable(errore));
        return 1;
    }
    return 0;
}

/// Speaks the command line's language, or else the settings file's \a dalleImpostazioni, or else the
/// system's. Returns whether it is other than Italian.
bool impostaLinguaScelta(const QString &dalleImpostazioni)
{
    const QString comando = linguaDelComando(QCoreApplication::arguments());
    const QString codice = linguaDaUsare(lingueDisponibili().contains(comando) ? comando : dalleImpostazioni);
    impostaLingua(codice);
    return codice != lingueDisponibili().constFirst();
}

/// Whether there may be a screen for the windows: a display to connect to, or a platform named.
bool schermoDaAprire(const QStringList &argomenti)
{
    for (const char *variabile : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(variabile)) return true;
    }
    return argomenti.contains(QStringLiteral("-platform"));
}

QString nessunoSchermo()
{
    return Opzioni::tr(
        "numerella: nessuno schermo disponibile: La Numerella si apre solo in una sessione grafica.\n");
}

QtMessageHandler gestorePrecedente = nullptr;

/// While the application opens its screen: Qt's end for a screen that cannot be opened becomes ours.
void senzaSchermo(QtMsgType tipo, const QMessageLogContext &contesto, const QString &testo)
{
    if (tipo != QtFatalMsg) {
        if (gestorePrecedente)
            gestorePrecedente(tipo, contesto, testo);
        else
            std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(tipo, contesto, testo)));
        return;
    }
    std::fputs(qPrintable(nessunoSchermo()), stderr);
    // Qt aborts right after this message, half-way through building the application: nothing of ours exists
    // yet.
    std::_Exit(1);
}

/// Every window's words in the readable face: the board's and the instructions' own, and through the
/// application's font the record window's and the dialogs'.
void leggibile()
{
    aspetto::impostaFamigliaParole(aspetto::Famiglia::Leggibile);
    const QString famiglia = aspetto::famigliaLeggibile();
    if (famiglia.isEmpty()) return;
    QFont f = QApplication::font();
    f.setFamily(famiglia);
    QApplication::setFont(f);
}

/// The program with its windows; returns the exit status.
int esegui(int &argc, char **argv)
{
    gestorePrecedente = qInstallMessageHandler(senzaSchermo);
    QApplication app(argc, argv);
    qInstallMessageHandler(gestorePrecedente);
    nomina();
    // The desktop entry's name, so that task bars find the program's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(NUMERELLA_ID));
    QApplication::setQuitOnLastWindowClosed(false); // the main window decides when the program ends

    // The settings files first; the command line goes over them.
    QStringList avvisi;
    Opzioni impostazioni = leggiImpostazioni(avvisi);
    if (impostaLinguaScelta(impostazioni.lingua)) {
        // Read again for their warnings in the language now chosen.
        avvisi.clear();
        impostazioni = leggiImpostazioni(avvisi);
    }
    for (const QString &avviso : avvisi)
        std::fputs(qPrintable(avviso + u'\n'), stderr);
    const Lettura lettura = leggiOpzioni(QCoreApplication::arguments(), impostazioni);
    if (const std::optional<int> stato = rispondi(lettura)) return *stato;

    if (lettura.opzioni.carattere == Carattere::Leggibile) leggibile();

    Giocatore giocatore;
    if (!lettura.opzioni.giocatore.isEmpty()) giocatore.scegli(lettura.opzioni.giocatore);
    Registro registro(giocatore, lettura.opzioni.fileRegistro);
    if (lettura.opzioni.ritmo == Ritmo::SenzaFretta) registro.giudicaTutti(apprendimento::Tempo::Ignora);
    Tipografia tipografia;
    // The school's server, when one is configured: games go there from a thread of their own.
    const Collegamento collegamento = Collegamento::leggi(lettura.opzioni.registroServer);
    std::unique_ptr<Spedizione> spedizione;
    if (collegamento.configurato()) {
        if (!collegamento.errore().isEmpty())
            std::fprintf(stderr, "numerella: %s\n", qPrintable(collegamento.errore()));
        spedizione = std::make_unique<Spedizione>(registro.percorso(), collegamento);
        QObject::connect(&registro, &Registro::partitaChiusa, spedizione.get(), &Spedizione::sollecita);
        QTimer::singleShot(IndugioRegistro, spedizione.get(), &Spedizione::avvia);
        registro.usaServer(spedizione.get());
    }
    if (lettura.opzioni.apertura == Apertura::Registro) {
        // For a parent or a teacher: the record alone, and the program ends with it.
        FrmRegistro solo(registro, tipografia, FrmRegistro::Uso::DaSolo);
        solo.setAttribute(Qt::WA_QuitOnClose);
        QApplication::setQuitOnLastWindowClosed(true);
        solo.show();
        return QApplication::exec();
    }
    Stato stato;
    LettorePulse suoni;
    SintesiQt voce;
    FrmNumerella finestra(stato, suoni, tipografia);
    finestra.usaSintesi(voce);
    finestra.applicaOpzioni(lettura.opzioni);
    registra(finestra, registro, tipografia);
    registro.impostaLunghezzaRipasso(lettura.opzioni.lunghezzaRipasso);
    if (lettura.opzioni.ripasso == Ripasso::Si) {
        giocatore.scegli(giocatore.nome()); // her facts are on the board: she plays
        // Nothing to practise today: said, and the board is left for a normal game.
        if (!finestra.ripassa(ripasso::celle(registro.giro()), FrmNumerella::Partenza::AlComando))
            QTimer::singleShot(0, &finestra, [&finestra] {
                QMessageBox::information(
                    &finestra, FrmNumerella::tr("Ripassa"),
                    FrmNumerella::tr("Oggi non c'è niente da ripassare. Si gioca una partita normale."));
            });
    } else
        QTimer::singleShot(IndugioRegistro, &registro, &Registro::controlla); // after the board is on screen
    finestra.mostra(lettura.opzioni.schermo);
    // A termination signal closes the window like its close box does.
    Segnali segnali;
    QObject::connect(&segnali, &Segnali::terminazione, &finestra, &QWidget::close);
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    {
        // Help and version need no screen: answer them before the graphical application exists.
        // Anything else waits for it, since it takes Qt's own options (-platform, -style, ...) away.
        QCoreApplication console(argc, argv);
        nomina();
        // Before the parser, so that its texts and Qt's own read in the language chosen.
        QStringList avvisi; // told once the program starts
        const Opzioni impostazioni = leggiImpostazioni(avvisi);
        impostaLinguaScelta(impostazioni.lingua);
        const Lettura lettura = leggiOpzioni(QCoreApplication::arguments());
        if (lettura.esito == Esito::Aiuto || lettura.esito == Esito::Versione) return *rispondi(lettura);
        if (lettura.esito == Esito::Esporta) return esporta(lettura.opzioni, impostazioni.ritmo);
        // With no screen at all Qt would abort: a wrong option is reported first, then the missing screen.
        if (!schermoDaAprire(QCoreApplication::arguments())) {
            if (lettura.esito == Esito::Errore) return *rispondi(lettura);
            std::fputs(qPrintable(nessunoSchermo()), stderr);
            return 1;
        }
    }

    return esegui(argc, argv);
}
