// SPDX-License-Identifier: GPL-3.0-or-later
// The record window's tab "Giocatori": every player side by side.
#pragma once

#include "record/quadro.h"

#include <QCoreApplication>
#include <QWidget>

class Archivio;
class QStandardItemModel;
class QTableView;

/// A row a player: games, the last one, speed, errors, and how many facts are in each state. It asks
/// every child's facts: filled when first looked at.
class PaginaGiocatori : public QWidget
{
    // The window's texts keep one context for the translators.
    Q_DECLARE_TR_FUNCTIONS(FrmRegistro)
public:
    explicit PaginaGiocatori(QWidget *parent = nullptr);

    /// The record to read from now on (none: an empty table) and the period of its games; read at the
    /// next riempi().
    void impostaArchivio(Archivio *archivio, Periodo periodo = Periodo::Tutto);
    bool pronta() const { return m_pronta; }
    void riempi();
    /// The table as it is shown, written to \a file as CSV.
    bool scrivi(const QString &file, QString &errore);
    /// The column headers' room, again after a change of font or sorting.
    void adattaIntestazioni();

    QTableView *tabGiocatori = nullptr;

private:
    QStandardItemModel *m_giocatori = nullptr;
    Archivio *m_archivio = nullptr;
    Periodo m_periodo = Periodo::Tutto;
    bool m_pronta = false;
};
