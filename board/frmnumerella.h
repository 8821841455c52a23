// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the grid, the headers, the keypad, the counters and the button panel, with its handlers.
#pragma once

#include "board/controlli.h"
#include "board/stato.h"

#include <QGroupBox>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>
#include <array>

class FrmInfo;
class LettoreSuoni;
class Tipografia;

/// A picture on the window's surface (the pointing hand).
class Figura : public QWidget
{
    Q_OBJECT
public:
    Figura(immagini::Immagine immagine, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    immagini::Immagine m_immagine;
};

class FrmNumerella : public QWidget
{
    Q_OBJECT
public:
    /// Builds the window as created; call Form_Load() before showing it.
    FrmNumerella(Stato &stato, LettoreSuoni &suoni, Tipografia &tipografia, QWidget *parent = nullptr);
    ~FrmNumerella() override;

    /// Lets tests fix the sequence of questions.
    void impostaSeme(quint32 seme) { m_caso.seed(seme); }
    /// The info window while it is open.
    FrmInfo *info() const;

    // Start-up.
    void Form_Load();

    // Game start and question picking.
    void cmdAvvio_Click();
    /// Picks the next question among the empty cells that are not green; false when none is left.
    bool SceltaDomanda();

    // Keypad and answer check.
    void Cmd_cifra_Click(int cifra);
    void Cmd_backspace_Click();
    void Cmd_invio_Click();

    // Timers.
    void Timer1_Timer();
    void TmrTimer_Timer();

    // Pause, resume and stop.
    void CmdPausa_Click();
    void cmdRiprendi_Click();
    void cmdStop_Click();

    // Table selection on the column headers.
    void Label1_MouseDown(int Index, Qt::MouseButton Button);

    // Printing.
    void cmdStampa_Click();

    // The small controls.
    void Check1_Click();
    void cmdEnd_Click();
    void cmdInfo_Click();
    void Contatore_Click();

    // The controls, by the names the handlers use.
    std::array<Cella *, 100> txtRisultato{};
    std::array<Etichetta *, 10> Label1{};
    std::array<Etichetta *, 10> Label2{};
    QPushButton *Command1 = nullptr;
    PulsanteGrafico *cmdAvvio = nullptr, *cmdStop = nullptr, *CmdPausa = nullptr, *cmdRiprendi = nullptr,
                    *cmdInfo = nullptr, *cmdStampa = nullptr, *cmdEnd = nullptr;
    CasellaGrafica *Check1 = nullptr;
    QGroupBox *Frame1 = nullptr, *FraTimer = nullptr, *Frame2 = nullptr;
    std::array<PulsanteGrafico *, 10> Cmd{}; ///< the digit keys Cmd_0 .. Cmd_9
    PulsanteGrafico *Cmd_backspace = nullptr, *Cmd_invio = nullptr;
    Contatore *TxtMin = nullptr, *TxtSec = nullptr, *txtErrori = nullptr;
    Etichetta *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr;
    Etichetta *lblTitolo = nullptr, *lblAutore = nullptr, *lblVersione = nullptr;
    Figura *mano = nullptr;
    QTimer *Timer1 = nullptr, *TmrTimer = nullptr;
    qint16 FaseLampeggio = 0;

protected:
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void costruisci();
    void ordinaStrati();
    void ordinaFuoco();
    void collega();
    /// Plays a clip unless sound is muted.
    void suona(int id);
    /// Opens the info window in front of this one, which it disables.
    void apriInfo();
    /// The finishing steps of a game.
    void finisci();
    /// Header numbers blue with the hand (true) or hidden with the default pointer (false).
    void intestazioni(bool visibili);
    /// Whether \a cella may take typing now.
    bool puoScrivere(const Cella *cella) const;

    Stato &m_stato;
    LettoreSuoni &m_suoni;
    Tipografia &m_tipografia;
    QRandomGenerator m_caso;
    QPointer<FrmInfo> m_info;
};

/// Starts or stops a timer as an 'enabled' switch: enabling a running timer leaves its interval alone.
void abilita(QTimer *timer, bool acceso);
