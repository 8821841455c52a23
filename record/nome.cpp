// SPDX-License-Identifier: GPL-3.0-or-later
// The child's typed name made fit for a one-line title.
#include "record/nome.h"

namespace {

/// Marks that change the direction of the text after them: left alone they would reverse the
/// rest of the title, or of the line it is drawn on.
bool direzionale(char16_t c)
{
    return (c >= 0x202A && c <= 0x202E)    // embeddings and overrides
           || (c >= 0x2066 && c <= 0x2069) // isolates
           || c == 0x200E || c == 0x200F   // left-to-right and right-to-left marks
           || c == 0x061C;                 // Arabic letter mark
}

} // namespace

QString nomeSuUnaRiga(const QString &nome)
{
    QString riga;
    riga.reserve(nome.size());
    bool spazio = false;
    for (const QChar c : nome) {
        if (direzionale(c.unicode())) continue;
        const QChar::Category categoria = c.category();
        if (c.isSpace() || categoria == QChar::Other_Control || categoria == QChar::Separator_Line ||
            categoria == QChar::Separator_Paragraph) {
            spazio = !riga.isEmpty();
            continue;
        }
        if (spazio) riga.append(QLatin1Char(' '));
        spazio = false;
        riga.append(c);
    }
    return riga;
}
