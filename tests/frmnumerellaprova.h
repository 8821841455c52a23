// SPDX-License-Identifier: GPL-3.0-or-later
// The board as tests and benchmarks see it: its controls and handlers reachable by name.
#pragma once

#include "board/frmnumerella.h"

/// The real board, with nothing changed but access: the one way tests reach its controls.
class FrmNumerellaProva : public FrmNumerella
{
public:
    using FrmNumerella::FrmNumerella;

    using FrmNumerella::impostaSeme;
    using FrmNumerella::info;
    using FrmNumerella::momento;
    using FrmNumerella::ultimoIngresso;

    using FrmNumerella::alternaSchermoIntero;
    using FrmNumerella::Check1_Click;
    using FrmNumerella::chkVoce_Click;
    using FrmNumerella::Cmd_backspace_Click;
    using FrmNumerella::Cmd_cifra_Click;
    using FrmNumerella::Cmd_invio_Click;
    using FrmNumerella::cmdAvvio_Click;
    using FrmNumerella::cmdEnd_Click;
    using FrmNumerella::cmdInfo_Click;
    using FrmNumerella::CmdPausa_Click;
    using FrmNumerella::cmdRiprendi_Click;
    using FrmNumerella::cmdStampa_Click;
    using FrmNumerella::cmdStop_Click;
    using FrmNumerella::Contatore_Click;
    using FrmNumerella::impostaSchermoIntero;
    using FrmNumerella::Label1_MouseDown;
    using FrmNumerella::SceltaDomanda;
    using FrmNumerella::Timer1_Timer;
    using FrmNumerella::TmrTimer_Timer;

    using FrmNumerella::Check1;
    using FrmNumerella::chkVoce;
    using FrmNumerella::Cmd;
    using FrmNumerella::Cmd_backspace;
    using FrmNumerella::Cmd_invio;
    using FrmNumerella::cmdAvvio;
    using FrmNumerella::cmdEnd;
    using FrmNumerella::cmdInfo;
    using FrmNumerella::CmdPausa;
    using FrmNumerella::cmdRiprendi;
    using FrmNumerella::cmdStampa;
    using FrmNumerella::cmdStop;
    using FrmNumerella::Command1;
    using FrmNumerella::FaseLampeggio;
    using FrmNumerella::Frame1;
    using FrmNumerella::Frame2;
    using FrmNumerella::FraTimer;
    using FrmNumerella::Label1;
    using FrmNumerella::Label2;
    using FrmNumerella::Label3;
    using FrmNumerella::Label4;
    using FrmNumerella::Label5;
    using FrmNumerella::lblAutore;
    using FrmNumerella::lblRipasso;
    using FrmNumerella::lblTitolo;
    using FrmNumerella::lblVersione;
    using FrmNumerella::mano;
    using FrmNumerella::Timer1;
    using FrmNumerella::TmrTimer;
    using FrmNumerella::txtErrori;
    using FrmNumerella::TxtMin;
    using FrmNumerella::txtRisultato;
    using FrmNumerella::TxtSec;
};
