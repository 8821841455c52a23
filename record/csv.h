// SPDX-License-Identifier: GPL-3.0-or-later
// The one writer of a CSV row: in the form the user's spreadsheet reads, or in the standard one for programs.
#pragma once

#include <QLocale>
#include <QString>
#include <QVariant>

/// Which CSV a file is written in.
enum class FormaCsv {
    Locale,   ///< the system's numbers' (LC_NUMERIC), whatever language the windows speak: ";" where the
              ///< decimal sign is ",", local times, UTF-8 with a byte order mark
    Standard, ///< RFC 4180: ",", a decimal point, ISO 8601 times with their offset, UTF-8 without a mark
};

/// A file's form and its rows. Every export writes its rows here.
class Csv
{
public:
    /// \a locale gives the numbers of the Locale form: by default the system's, which its spreadsheet
    /// reads, not the program's language (a "C" or unknown locale writes the point and the comma).
    explicit Csv(FormaCsv forma = FormaCsv::Locale, const QLocale &locale = QLocale::system());

    /// One line, CR LF included, of fields: texts (quoted when they hold the separator, a quote or a line
    /// break; a leading apostrophe when they start like a formula, =, +, - or @, so that no spreadsheet
    /// runs them), whole numbers, decimals (one digit after the file's decimal sign), times, and nothing
    /// (an invalid QVariant) for an empty field.
    QString riga(const QVariantList &campi) const;

    /// A decimal with \a cifre digits after the file's decimal sign, for a field of its own.
    QString decimale(double valore, int cifre) const { return m_numeri.toString(valore, 'f', cifre); }

    QChar separatore() const { return m_separatore; }
    /// The decimal sign of the file's numbers.
    QString decimali() const { return m_numeri.decimalPoint(); }
    /// Whether the file starts with UTF-8's byte order mark, which spreadsheets need to tell UTF-8.
    bool conBom() const { return m_forma == FormaCsv::Locale; }

private:
    QString campo(const QVariant &valore) const;
    QString testo(const QString &testo) const;

    FormaCsv m_forma;
    QLocale m_numeri;
    QChar m_separatore;
};
