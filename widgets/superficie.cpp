// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels of a window that has just grown, made ready before they are painted.
#include "widgets/superficie.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <thread>
#include <unistd.h>

namespace superficie {

namespace {

std::thread &lettore()
{
    static std::thread t;
    return t;
}

} // namespace

void prepara(QWidget *finestra)
{
    attendi();
    QBackingStore *pixel = finestra->isVisible() ? finestra->backingStore() : nullptr;
    if (!pixel) return;
    // Qt would resize the buffer right before the next paint; doing it here changes nothing else.
    if (pixel->size() != finestra->size()) pixel->resize(finestra->size());
    const auto *immagine = dynamic_cast<const QImage *>(pixel->paintDevice());
    if (!immagine || immagine->isNull()) return;
    const auto pagina = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto inizio = reinterpret_cast<quintptr>(immagine->constBits());
    const quintptr primo = inizio & ~(pagina - 1);
    const quintptr fine = inizio + quintptr(immagine->sizeInBytes());
#ifdef MADV_POPULATE_WRITE
    // Older kernels answer EINVAL: then the first paint faults the pages in as before.
    madvise(reinterpret_cast<void *>(primo), fine - primo, MADV_POPULATE_WRITE);
#endif
    // Reading changes no pixel, so it may run beside the paint.
    lettore() = std::thread([primo, fine, pagina] {
        for (quintptr p = fine - 1; p >= primo + pagina; p -= pagina)
            (void)*reinterpret_cast<const volatile char *>(p);
    });
}

void attendi()
{
    if (lettore().joinable()) lettore().join();
}

} // namespace superficie
