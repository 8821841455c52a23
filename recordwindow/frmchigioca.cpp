// SPDX-License-Identifier: GPL-3.0-or-later
// "Chi gioca?": on a computer shared by several children, who plays the game about to start.
#include "recordwindow/frmchigioca.h"

#include "record/giocatore.h"
#include "widgets/accessibilita.h"
#include "widgets/scaladialogo.h"

#include <QApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QVBoxLayout>
#include <algorithm>

namespace {

/// The buttons are this much larger than the dialogs' text, for a finger or a young reader.
constexpr qreal Ingrandimento = 1.6;
/// Buttons a row.
constexpr int Colonne = 3;

/// Whether a Latin keyboard types \a c (with Alt, as a mnemonic): a Latin letter or a digit.
bool latina(QChar c)
{
    return c.isDigit() || (c.isLetter() && c.script() == QChar::Script_Latin);
}

/// \a nome with a mnemonic on its first letter no other button has taken; an ampersand in a name
/// stays a character. A name with no such Latin letter (in Arabic script, say) gets a free digit or
/// letter after it, "(&1)", which a Latin keyboard types too.
QString conMnemonico(const QString &nome, QSet<QChar> &prese)
{
    QString testo = nome;
    testo.replace(u'&', QStringLiteral("&&"));
    for (qsizetype i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i].toLower();
        if (testo[i] == u'&') {
            ++i; // an escaped ampersand
            continue;
        }
        if (!latina(c) || prese.contains(c)) continue;
        prese.insert(c);
        testo.insert(i, u'&');
        return testo;
    }
    for (const QChar c : QStringLiteral("123456789abcdefghijklmnopqrstuvwxyz")) {
        if (prese.contains(c)) continue;
        prese.insert(c);
        return testo + QStringLiteral(" (&%1)").arg(c.toUpper());
    }
    return testo;
}

} // namespace

FrmChiGioca::FrmChiGioca(const QStringList &nomi, qreal fattore, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmChiGioca"));
    //: Asked before the first game when several children share the computer; the title and the question.
    setWindowTitle(tr("Chi gioca?"));
    setAccessibleName(windowTitle());
    auto *colonna = new QVBoxLayout(this);
    QFont base = QApplication::font();
    if (base.pixelSize() > 0)
        base.setPixelSize(qRound(base.pixelSize() * Ingrandimento));
    else
        base.setPointSizeF(base.pointSizeF() * Ingrandimento);
    setFont(base);
    auto *domanda = new QLabel(tr("Chi gioca?"), this);
    domanda->setObjectName(QStringLiteral("lblChiGioca"));
    colonna->addWidget(domanda);
    auto *griglia = new QGridLayout;
    QSet<QChar> prese;
    const QStringList tutti = QStringList(nomi) << Giocatore::ospite();
    for (const QString &nome : tutti) {
        auto *b = new QPushButton(conMnemonico(Giocatore::mostrato(nome), prese), this);
        b->setObjectName(QStringLiteral("giocatore%1").arg(pulsanti.size()));
        b->setAccessibleName(Giocatore::mostrato(nome));
        const int n = int(pulsanti.size());
        griglia->addWidget(b, n / Colonne, n % Colonne);
        connect(b, &QPushButton::clicked, this, [this, nome] {
            m_scelto = nome == Giocatore::ospite() ? QString() : nome;
            accept();
        });
        b->installEventFilter(this);
        pulsanti.append(b);
    }
    colonna->addLayout(griglia);
    accessibilita::impostaRuolo(this, QAccessible::Dialog);
    ScalaDialogo::applica(this, fattore, base);
    QFont grassetto = font();
    grassetto.setBold(true);
    domanda->setFont(grassetto);
    const int riga = QFontMetrics(font()).height();
    for (QPushButton *b : pulsanti)
        b->setMinimumSize(riga * 6, riga * 5 / 2);
    pulsanti.first()->setFocus(Qt::OtherFocusReason);
}

bool FrmChiGioca::eventFilter(QObject *oggetto, QEvent *evento)
{
    // The arrows move between the buttons, across and down the grid (a button alone knows no grid).
    const int i = int(pulsanti.indexOf(qobject_cast<QPushButton *>(oggetto)));
    if (i < 0 || evento->type() != QEvent::KeyPress) return QDialog::eventFilter(oggetto, evento);
    int passo = 0;
    switch (static_cast<QKeyEvent *>(evento)->key()) {
    case Qt::Key_Right:
        passo = 1;
        break;
    case Qt::Key_Left:
        passo = -1;
        break;
    case Qt::Key_Down:
        passo = Colonne;
        break;
    case Qt::Key_Up:
        passo = -Colonne;
        break;
    default:
        return QDialog::eventFilter(oggetto, evento);
    }
    pulsanti[std::clamp(i + passo, 0, int(pulsanti.size()) - 1)]->setFocus(Qt::TabFocusReason);
    return true;
}
