// SPDX-License-Identifier: GPL-3.0-or-later
// "Chi gioca?": on a computer shared by several children, who plays the game about to start.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QPushButton;

/// One big button a child, and "Ospite": a click, Return or Space on one, or its Alt+letter, chooses;
/// Escape starts nothing. The buttons are in the Tab order and the arrows move between them.
class FrmChiGioca : public QDialog
{
    Q_OBJECT
public:
    /// \a nomi: the children in the record, the guest left out; at \a fattore, the board's scale.
    FrmChiGioca(const QStringList &nomi, qreal fattore, QWidget *parent = nullptr);

    /// The name chosen; empty for the guest.
    QString scelto() const { return m_scelto; }

    QList<QPushButton *> pulsanti;

    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    QString m_scelto;
};
