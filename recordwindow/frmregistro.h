// SPDX-License-Identifier: GPL-3.0-or-later
// The record window "Registro": a child's games, their chart, the facts map, the players side by side.
#pragma once

#include "printing/resoconto.h"
#include "record/quadro.h"
#include "record/quadroclasse.h"
#include "record/schedafatto.h"

#include <QDateTime>
#include <QHash>
#include <QWidget>
#include <bitset>
#include <memory>

class Archivio;
class DisposizioniScalate;
class PaginaAndamento;
class PaginaClasse;
class PaginaFatti;
class PaginaGiocatori;
class PaginaPartite;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class Registro;
class Tipografia;

/// Holds the tabs (the games, the chart, the facts map, all players) together with what they share:
/// the player and the period they show, players added, renamed and removed, "Ripassa", the export and
/// a printed report. Everything is reachable by keyboard, and each view has a name for screen readers.
class FrmRegistro : public QWidget
{
    Q_OBJECT
public:
    /// How the window is used: beside the board, or alone (then "Ripassa" has no board to start).
    enum class Uso { ConTabellone, DaSolo };
    /// The games shown, in every tab, the print and the export.
    using Periodo = ::Periodo;

    FrmRegistro(Registro &registro, Tipografia &tipografia, Uso uso, QWidget *parent = nullptr);
    ~FrmRegistro() override;

    /// Reads the record again and shows it, at the scale \a fattore of the board.
    void aggiorna();
    /// At the scale \a fattore, or a smaller one when the window would not fit the screen at it.
    void impostaScala(qreal fattore);
    /// Centred over \a sopra, frame and all within the screen's free area.
    void mettiSopra(const QRect &sopra);
    /// The period chosen, which every tab, the printed report and the export follow.
    Periodo periodo() const;
    /// When the period \a periodo began, at \a ora; invalid for all time.
    static QDateTime inizioPeriodo(Periodo periodo, const QDateTime &ora);

    // The controls, for the keyboard's order and for tests.
    QComboBox *cmbGiocatore = nullptr, *cmbPeriodo = nullptr;
    QPushButton *cmdGioca = nullptr;
    QPushButton *cmdNuovo = nullptr, *cmdRinomina = nullptr, *cmdTogli = nullptr, *cmdSvuota = nullptr;
    QTabWidget *schede = nullptr;
    // The tabs, in their order.
    PaginaPartite *paginaPartite = nullptr;
    PaginaAndamento *paginaAndamento = nullptr;
    PaginaFatti *paginaFatti = nullptr;
    PaginaGiocatori *paginaGiocatori = nullptr;
    PaginaClasse *paginaClasse = nullptr;
    QLabel *lblStato = nullptr;
    QPushButton *cmdRipassa = nullptr, *cmdEsporta = nullptr, *cmdStampa = nullptr, *cmdChiudi = nullptr;
    QPushButton *cmdTogliPartita = nullptr, *cmdEsportaGiocatori = nullptr;
    /// The child shown plays "senza fretta": no stopwatch, and her facts judged by right or wrong only.
    QCheckBox *chkSenzaFretta = nullptr;

    // What the buttons do; the dialogs they open are plain Qt ones.
    /// The child shown in the box plays on the board: chosen with the button or Return, never by
    /// passing over her with the arrows.
    void faiGiocare();
    void nuovoGiocatore();
    void rinominaGiocatore();
    void togliGiocatore();
    /// Marks the child shown "senza fretta", or not, as the box says.
    void segnaSenzaFretta(bool segnata);
    void ripassa();
    void esporta();
    void stampa();
    /// What the printed report shows: the chosen child over the period chosen and the class; from the
    /// players tab the class's page alone, from the class's tab its map alone.
    Resoconto resoconto() const;
    /// The teacher's tools: a child's games all gone (she stays), one game gone, the players view
    /// written out. Only on this computer's record.
    void svuotaGiocatore();
    void togliPartita();
    void esportaGiocatori();
    bool scriviGiocatori(const QString &file, QString &errore);

    bool eventFilter(QObject *oggetto, QEvent *evento) override;

protected:
    void closeEvent(QCloseEvent *e) override;
    bool focusNextPrevChild(bool avanti) override;

Q_SIGNALS:
    /// "Ripassa": a game of these cells only, on the board.
    void ripassaChiesto(const std::bitset<100> &celle);
    /// "Gioca una partita normale" when nothing is due: a game of the tables chosen on the board.
    void partitaNormaleChiesta();

private:
    /// Fonts, margins and tables at the scale \a fattore.
    void applicaScala(qreal fattore);
    void costruisci(Uso uso);
    void mostraGiocatori();
    void mostraGiocatore();
    /// Who plays now, for the box's reader and the button's state.
    void mostraChiGioca();
    /// The child \a nome of the record shown, over the period chosen.
    Quadro leggiQuadro(const QString &nome) const;
    /// The class's map over the period chosen: every child of the record shown, the guest aside.
    QuadroClasse quadroClasse() const;
    /// The state line: where the record is, and the school server's sender when there is one.
    void mostraStato();
    /// The focus into the page of the current tab, as Alt and its letter leave the tab bar behind.
    void entraNellaScheda();
    /// Which buttons the current tab and the record shown allow.
    void mostraPulsanti();
    /// Whether what is shown is this computer's record, where games may be removed.
    bool locale() const;
    /// Asks a name; empty when cancelled or not valid (the reason is told).
    QString chiediNome(const QString &titolo, const QString &proposto);
    /// The player already listed whose name is \a nome but for case and spaces, \a tranne aside.
    /// The chosen child's name as her games are kept (the guest's in Italian).
    QString scelto() const;
    QString omonimo(const QString &nome, const QString &tranne) const;
    /// Asks \a testo, No by default; true for Yes. \a nome is the question's object name.
    bool conferma(const QString &nome, const QString &titolo, const QString &testo);
    /// Tells when \a nome is taken, and then true.
    bool rifiutaOmonimo(const QString &titolo, const QString &nome, const QString &tranne);

    Registro &m_registro;
    Tipografia &m_tipografia;
    Quadro m_quadro; ///< the chosen child as every tab shows her
    QFont m_font;
    qreal m_fattore = 1.0;
    std::unique_ptr<DisposizioniScalate> m_disposizioni; ///< the layouts' sizes at scale 1
    bool m_cambioScheda = false;                         ///< a tab changing by its Alt key
    /// What the views read: the class on the school's server when it answers, else this computer's
    /// record. Players are matched by name, so each view keeps its own ids.
    Archivio *m_vista = nullptr;
    QHash<QString, qint64> m_idVista, m_idLocali;
};
