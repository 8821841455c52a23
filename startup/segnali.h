// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM and SIGINT turned into an ordinary close request handled by the event loop.
#pragma once

#include <QObject>

class QSocketNotifier;

/// While it lives, SIGTERM and SIGINT no longer end the process on the spot (which left a print
/// job's temporary file behind and skipped every destructor): the handler only writes a byte on a
/// pipe, and the event loop, once the running handler returns, emits terminazione().
class Segnali : public QObject
{
    Q_OBJECT
public:
    explicit Segnali(QObject *parent = nullptr);
    ~Segnali() override;

Q_SIGNALS:
    /// A termination signal arrived.
    void terminazione();

private:
    void leggi();

    QSocketNotifier *m_notifica = nullptr;
};
