// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny reader of PCM wave files.
#include "sound/onda.h"

#include <QtEndian>

namespace {

constexpr quint16 FormatoPcm = 1;
constexpr int IntestazioneRiff = 12;  // "RIFF", size, "WAVE"
constexpr int IntestazioneBlocco = 8; // name, size
constexpr int FormatoMinimo = 16;     // the fmt chunk's PCM fields
constexpr int CanaliMassimi = 8;
constexpr int FrequenzaMassima = 384000;

} // namespace

std::optional<Onda> leggiOnda(const QByteArray &file)
{
    if (file.size() < IntestazioneRiff || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    const char *inizio = file.constData();
    const qint64 fine = file.size();
    std::optional<Onda> onda;
    int bit = 0;
    qint64 posDati = -1, lunghezzaDati = 0;
    for (qint64 pos = IntestazioneRiff; pos + IntestazioneBlocco <= fine;) {
        const QByteArray nome = file.mid(pos, 4);
        const qint64 lunghezza = qFromLittleEndian<quint32>(inizio + pos + 4);
        const qint64 dentro = pos + IntestazioneBlocco;
        const qint64 presente = std::min(lunghezza, fine - dentro);
        if (nome == "fmt ") {
            if (presente < FormatoMinimo || qFromLittleEndian<quint16>(inizio + dentro) != FormatoPcm)
                return std::nullopt;
            onda.emplace();
            onda->canali = qFromLittleEndian<quint16>(inizio + dentro + 2);
            onda->frequenza = int(qFromLittleEndian<quint32>(inizio + dentro + 4));
            bit = qFromLittleEndian<quint16>(inizio + dentro + 14);
        } else if (nome == "data" && posDati < 0) {
            posDati = dentro;
            lunghezzaDati = presente;
        }
        // Chunks are padded to an even length.
        pos = dentro + lunghezza + (lunghezza & 1);
    }
    if (!onda || posDati < 0 || onda->canali < 1 || onda->canali > CanaliMassimi || onda->frequenza < 1 ||
        onda->frequenza > FrequenzaMassima)
        return std::nullopt;
    if (bit == 8)
        onda->formato = Campione::U8;
    else if (bit == 16)
        onda->formato = Campione::S16LE;
    else
        return std::nullopt;
    const qint64 quadro = qint64(onda->canali) * bit / 8;
    onda->dati = file.mid(posDati, lunghezzaDati - lunghezzaDati % quadro);
    if (onda->dati.isEmpty()) return std::nullopt;
    return onda;
}
