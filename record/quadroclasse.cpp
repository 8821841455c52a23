// SPDX-License-Identifier: GPL-3.0-or-later
// The class's map: for each fact, how many of the children know it and who still has to learn it.
#include "record/quadroclasse.h"

#include "record/elenco.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

QuadroClasse::QuadroClasse()
{
    for (int k = 0; k < 100; ++k) {
        fatti[k].riga = k / 10 + 1;
        fatti[k].colonna = k % 10 + 1;
    }
}

QuadroClasse QuadroClasse::da(const QList<Quadro> &quadri, const QStringList &nomi)
{
    QuadroClasse c;
    c.bambini = nomi;
    for (qsizetype i = 0; i < quadri.size(); ++i) {
        for (int k = 0; k < 100; ++k) {
            const apprendimento::Stato s = quadri[i].stato(k);
            if (quadro::saputa(s))
                ++c.fatti[k].sanno;
            else if (s == apprendimento::Stato::DaImparare)
                c.fatti[k].daImparare.append(nomi.value(i));
        }
    }
    return c;
}

QString QuadroClasse::parole(int cella) const
{
    const Fatto &f = fatti[cella];
    //: The words about a fact of the class's map. %1 per %2: the multiplication (7 per 8 is 7 × 8); %3 of
    //: the %4 children know it.
    QString frase = QCoreApplication::translate("classe", "%1 per %2: la sanno %3 su %4")
                        .arg(f.riga)
                        .arg(f.colonna)
                        .arg(f.sanno)
                        .arg(bambini.size());
    if (!f.daImparare.isEmpty())
        //: Appended to the words about a fact of the class's map. %1: the children, "Anna, Marco".
        frase += QCoreApplication::translate("classe", "; da imparare per %1")
                     .arg(elenco::conVirgole(f.daImparare));
    return frase;
}

double QuadroClasse::quota(int cella) const
{
    return bambini.isEmpty() ? 0 : double(fatti[cella].sanno) / bambini.size();
}

QColor QuadroClasse::colore(int cella) const
{
    if (bambini.isEmpty()) return QColor(0xf2, 0xf2, 0xf2);
    // From the map's "da imparare" through its "da ripassare" to its "sicura"; the cell's number says
    // it on a grey page.
    const QColor nessuno(0xe8, 0x6a, 0x5a), meta(0xf5, 0xd0, 0x4c), tutti(0x8f, 0xc9, 0x8a);
    const double q = quota(cella);
    const auto misto = [](const QColor &a, const QColor &b, double t) {
        return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                                float(a.greenF() + (b.greenF() - a.greenF()) * t),
                                float(a.blueF() + (b.blueF() - a.blueF()) * t));
    };
    return q < 0.5 ? misto(nessuno, meta, q * 2) : misto(meta, tutti, (q - 0.5) * 2);
}

QList<int> QuadroClasse::piuDifficili() const
{
    QList<int> celle(100);
    std::iota(celle.begin(), celle.end(), 0);
    std::stable_sort(celle.begin(), celle.end(), [this](int a, int b) {
        if (fatti[a].sanno != fatti[b].sanno) return fatti[a].sanno < fatti[b].sanno;
        return fatti[a].daImparare.size() > fatti[b].daImparare.size();
    });
    return celle;
}
