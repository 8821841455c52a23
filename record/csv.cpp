// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of a CSV row: in the form the user's spreadsheet reads, or in the standard one for programs.
#include "record/csv.h"

#include <QDateTime>

Csv::Csv(FormaCsv forma, const QLocale &locale)
    : m_forma(forma), m_numeri(forma == FormaCsv::Locale ? locale : QLocale::c())
{
    m_numeri.setNumberOptions(QLocale::OmitGroupSeparator);
    // A spreadsheet whose decimal sign is the comma splits its CSV at semicolons.
    m_separatore = m_numeri.decimalPoint() == QStringLiteral(",") ? u';' : u',';
}

QString Csv::riga(const QVariantList &campi) const
{
    QStringList fatti;
    for (const QVariant &c : campi)
        fatti.append(campo(c));
    return fatti.join(m_separatore) + QStringLiteral("\r\n");
}

QString Csv::campo(const QVariant &valore) const
{
    switch (valore.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Int:
    case QMetaType::LongLong:
        return m_numeri.toString(valore.toLongLong());
    case QMetaType::Double:
        return m_numeri.toString(valore.toDouble(), 'f', 1);
    case QMetaType::QDate:
        // A day alone reads as a date in every spreadsheet and program in its ISO form.
        return valore.toDate().toString(Qt::ISODate);
    case QMetaType::QDateTime: {
        const QDateTime t = valore.toDateTime();
        if (!t.isValid()) return {};
        const QDateTime locale = t.toLocalTime();
        // A spreadsheet reads "2026-12-07 10:15:03" as a date and time; a program wants the offset too.
        if (m_forma == FormaCsv::Locale) return locale.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        return locale.toOffsetFromUtc(locale.offsetFromUtc()).toString(Qt::ISODate);
    }
    default:
        return testo(valore.toString());
    }
}

QString Csv::testo(const QString &testo) const
{
    QString c = testo;
    if (!c.isEmpty() && (c[0] == u'=' || c[0] == u'+' || c[0] == u'-' || c[0] == u'@')) c.prepend(u'\'');
    if (c.contains(m_separatore) || c.contains(u'"') || c.contains(u'\n') || c.contains(u'\r'))
        c = u'"' + c.replace(u'"', QStringLiteral("\"\"")) + u'"';
    return c;
}
