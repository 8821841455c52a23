// SPDX-License-Identifier: GPL-3.0-or-later
// A tiny reader of PCM wave files: the embedded clips, for the sound player.
#pragma once

#include <QByteArray>

#include <optional>

/// The sample formats a wave clip may hold.
enum class Campione {
    U8,    ///< unsigned 8 bits
    S16LE, ///< signed 16 bits, little-endian
};

/// The samples of a PCM wave file and how to play them.
struct Onda
{
    Campione formato = Campione::U8;
    int frequenza = 0; ///< frames per second
    int canali = 0;
    QByteArray dati; ///< whole frames only
};

/// Reads a RIFF/WAVE file of PCM samples; nothing when it is no such file or holds no sample.
/// A data chunk cut short is read as far as it goes.
std::optional<Onda> leggiOnda(const QByteArray &file);
