// SPDX-License-Identifier: GPL-3.0-or-later
// How the windows and the kit's controls present themselves to assistive technology.
#include "widgets/accessibilita.h"

#include "widgets/accessibilecontatore.h"
#include "widgets/accessibilefinestra.h"
#include "widgets/accessibilevelato.h"
#include "widgets/contatore.h"
#include "widgets/etichetta.h"

#include <QWidget>

namespace accessibilita {

namespace {

constexpr char RuoloFinestra[] = "accessibilita_ruolo";
constexpr char SempreVelato[] = "accessibilita_velato";
constexpr char DescrizioneARiposo[] = "accessibilita_descrizione";

bool velatoSempre(const QWidget *)
{
    return true;
}

bool fuoriDallAlbero(const QWidget *w)
{
    return w->property(SempreVelato).toBool();
}

bool etichettaVelata(const QWidget *w)
{
    return mimetizzata(w);
}

QAccessibleInterface *fabbrica(const QString &, QObject *oggetto)
{
    auto *w = qobject_cast<QWidget *>(oggetto);
    if (!w) return nullptr;
    if (const QVariant ruolo = w->property(RuoloFinestra); ruolo.isValid())
        return new AccessibileFinestra(w, QAccessible::Role(ruolo.toInt()), fuoriDallAlbero);
    if (w->property(SempreVelato).toBool())
        return new AccessibileVelato(w, QAccessible::Button, velatoSempre);
    if (qobject_cast<Contatore *>(w)) return new AccessibileContatore(w);
    if (qobject_cast<Etichetta *>(w))
        return new AccessibileVelato(w, QAccessible::StaticText, etichettaVelata);
    return nullptr;
}

} // namespace

void installa()
{
    static const bool installata = [] {
        QAccessible::installFactory(fabbrica);
        return true;
    }();
    Q_UNUSED(installata);
}

void impostaRuolo(QWidget *finestra, QAccessible::Role ruolo)
{
    installa();
    finestra->setProperty(RuoloFinestra, int(ruolo));
    // An interface made already (when its name was set) is made again, with the role.
    if (QAccessibleInterface *fatta = QAccessible::queryAccessibleInterface(finestra))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(fatta));
}

void velaSempre(QWidget *controllo)
{
    installa();
    controllo->setProperty(SempreVelato, true);
}

void impostaDescrizione(QWidget *controllo, const QString &descrizione)
{
    controllo->setProperty(DescrizioneARiposo, descrizione);
    controllo->setAccessibleDescription(descrizione);
}

void descriviARiposo(QWidget *controllo)
{
    controllo->setAccessibleDescription(controllo->property(DescrizioneARiposo).toString());
}

bool mimetizzata(const QWidget *etichetta)
{
    return etichetta->palette().color(QPalette::WindowText) ==
           etichetta->window()->palette().color(QPalette::Window);
}

} // namespace accessibilita
