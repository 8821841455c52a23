// SPDX-License-Identifier: GPL-3.0-or-later
// The pixels of a window that has just grown, made ready before they are painted.
#include "widgets/superficie.h"

#include <QBackingStore>
#include <QImage>
#include <QWidget>

#include <sys/mman.h>
#include <unistd.h>

namespace superficie {

void prepara(QWidget *finestra)
{
    QBackingStore *pixel = finestra->isVisible() ? finestra->backingStore() : nullptr;
    if (!pixel) return;
    // Qt would resize the buffer right before the next paint; doing it here changes nothing else.
    if (pixel->size() != finestra->size()) pixel->resize(finestra->size());
    const auto *immagine = dynamic_cast<const QImage *>(pixel->paintDevice());
    if (!immagine || immagine->isNull()) return;
#ifdef MADV_POPULATE_WRITE
    const auto pagina = static_cast<quintptr>(sysconf(_SC_PAGESIZE));
    const auto inizio = reinterpret_cast<quintptr>(immagine->constBits());
    const quintptr primo = inizio & ~(pagina - 1);
    // Older kernels answer EINVAL: then the first paint faults the pages in as before.
    madvise(reinterpret_cast<void *>(primo), inizio - primo + quintptr(immagine->sizeInBytes()),
            MADV_POPULATE_WRITE);
#endif
}

} // namespace superficie
