// SPDX-License-Identifier: GPL-3.0-or-later
// One player with the sums of her games, as the players view shows them.
#pragma once

#include "record/apprendimento.h"

#include <QDateTime>
#include <QString>

struct SchedaGiocatore
{
    qint64 id = 0;
    QString nome;
    int partite = 0;
    QDateTime ultima; ///< invalid when she never played
    double secondiPerRisposta = 0;
    double erroriPerPartita = 0;
    apprendimento::Tempo tempo = apprendimento::Tempo::Conta; ///< Ignora: marked "senza fretta"
};
