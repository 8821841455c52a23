// SPDX-License-Identifier: GPL-3.0-or-later
// When a server that could not be reached is back: the sender's rounds and its cheap probes, as pure logic.
#pragma once

/// While the last round could not reach the server, the sender probes it often without logging in; a
/// probe that finds it answering after one that did not means it came back, and the games go at once
/// instead of waiting out the backoff. A server that answers the probes but still fails the real
/// round is left to the backoff: a few tries per return, never a loop.
class Vedetta
{
public:
    enum class Giro { Riuscito, Fallito };
    enum class Sonda { Tace, Risponde };
    enum class Passo { Aspetta, Invia };

    /// Tries at once granted by one return: the first may find the server still starting up.
    static constexpr int ProveAlRitorno = 3;
    /// A probe every so often while the server cannot be reached, at random within the range so that
    /// a lab's PCs do not all come together.
    static constexpr int SondaMinima = 2'500;
    static constexpr int SondaMassima = 5'000;

    /// After a real round.
    void giro(Giro esito);
    /// After a probe: whether to send now.
    Passo sondata(Sonda esito);
    /// Whether to probe again.
    bool sondare() const { return m_sondare; }

private:
    bool m_sondare = false;
    int m_prove = 0; ///< tries at once left since the server was last seen silent
};
