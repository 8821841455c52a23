// SPDX-License-Identifier: GPL-3.0-or-later
// How soon the voice starts after a question, beside the question's own drawing, on a real speech
// service (bench/voce.sh starts a private one). The floor is the speech engine asked straight, with no
// board around it.
#include "speech/sintesiqt.h"
#include "tests/aiuto.h"

#include <QElapsedTimer>
#include <QTextToSpeech>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int Domande = 15;

double mediana(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0 : v[v.size() / 2];
}

/// Waits for \a segnale of \a oggetto at most 3 s; the milliseconds from \a da, or -1.
template <typename O, typename S> double aspetta(O *oggetto, S segnale, const QElapsedTimer &da)
{
    double quando = -1;
    QEventLoop ciclo;
    QObject::connect(oggetto, segnale, &ciclo, [&] {
        quando = da.nsecsElapsed() / 1e6;
        ciclo.quit();
    });
    QTimer::singleShot(3000, &ciclo, &QEventLoop::quit);
    ciclo.exec();
    return quando;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));

    // The floor: the engine itself, from say() to speaking.
    QList<double> pavimento;
    {
        QTextToSpeech motore(QStringLiteral("speechd"));
        motore.setLocale(QLocale());
        for (int i = 0; i < Domande; ++i) {
            QElapsedTimer t;
            t.start();
            motore.stop(QTextToSpeech::BoundaryHint::Immediate);
            motore.say(QStringLiteral("%1 per %2").arg(i % 10 + 1).arg(i % 7 + 2));
            double ms = -1;
            QEventLoop ciclo;
            QObject::connect(&motore, &QTextToSpeech::stateChanged, &ciclo, [&](QTextToSpeech::State s) {
                if (s != QTextToSpeech::Speaking) return;
                ms = t.nsecsElapsed() / 1e6;
                ciclo.quit();
            });
            QTimer::singleShot(3000, &ciclo, &QEventLoop::quit);
            ciclo.exec();
            if (ms >= 0) pavimento.append(ms);
            QTest::qWait(400);
        }
    }

    // The board: OK on a right answer, to the next question drawn and to the voice speaking it.
    SintesiQt voce;
    Banco b;
    b->usaSintesi(voce);
    b->impostaVoce(Voce::Chiesta);
    b->show();
    if (!QTest::qWaitForWindowExposed(b.w.get())) return 1;
    b.clic(b->cmdAvvio);
    QTest::qWait(1500);
    QList<double> disegno, parola;
    for (int i = 0; i < Domande && b->momento() == Momento::InCorso; ++i) {
        b.digita(b.stato.Prodotto[b.stato.cella()]);
        QElapsedTimer t;
        t.start();
        b.clic(b->Cmd_invio);
        b->repaint();
        disegno.append(t.nsecsElapsed() / 1e6);
        const double ms = aspetta(&voce, &Sintesi::cominciato, t);
        if (ms >= 0) parola.append(ms);
        QTest::qWait(400);
    }
    std::printf("questions: %lld of %d heard on the board, %lld of %d from the engine alone\n",
                static_cast<long long>(parola.size()), Domande, static_cast<long long>(pavimento.size()),
                Domande);
    std::printf("the question drawn, median: %.1f ms\n", mediana(disegno));
    std::printf("the voice speaking, median: %.1f ms (worst %.1f); the engine alone (floor): %.1f ms\n",
                mediana(parola), parola.isEmpty() ? 0 : *std::max_element(parola.begin(), parola.end()),
                mediana(pavimento));
    const bool entro = !parola.isEmpty() && *std::max_element(parola.begin(), parola.end()) <= 300;
    std::printf("budget 300 ms from the question: %s\n", entro ? "met" : "missed");
    return 0;
}
