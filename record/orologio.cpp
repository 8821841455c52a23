// SPDX-License-Identifier: GPL-3.0-or-later
// The program's clock: the computer's, unless NUMERELLA_ADESSO sets it elsewhere to play a week in an hour.
#include "record/orologio.h"

#include <QMutex>

namespace orologio {

namespace {

/// How far the clock is moved from the computer's, in milliseconds; read again when the variable
/// changes, so a test can move it between games.
qint64 scarto()
{
    static QMutex guardia;
    static QByteArray letto;
    static qint64 ms = 0;
    const QByteArray valore = qgetenv(Variabile);
    const QMutexLocker chiave(&guardia);
    if (valore != letto) {
        letto = valore;
        const QString testo = QString::fromLatin1(valore);
        // A day alone: the time of day stays the computer's.
        const QDateTime voluto = testo.contains(u'T')
                                     ? QDateTime::fromString(testo, Qt::ISODate)
                                     : QDateTime(QDate::fromString(testo, Qt::ISODate), QTime::currentTime());
        ms = voluto.isValid() ? QDateTime::currentDateTime().msecsTo(voluto) : 0;
    }
    return ms;
}

} // namespace

QDateTime adesso()
{
    return QDateTime::currentDateTime().addMSecs(scarto());
}

QDateTime adessoUtc()
{
    return adesso().toUTC();
}

QDate oggi()
{
    return adesso().date();
}

qint64 finoADomani()
{
    const QDateTime ora = adesso();
    return ora.msecsTo(QDateTime(ora.date().addDays(1), QTime(0, 0)));
}

} // namespace orologio
