// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog that chooses a file to write, which never reads the files it lists.
#include "widgets/sceltafile.h"

#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>

namespace {

/// Icons and types from the names: folders as Qt draws them, files by their extension only.
class IconeDalNome : public QFileIconProvider
{
public:
    using QFileIconProvider::icon;

    QIcon icon(const QFileInfo &info) const override
    {
        if (!info.isFile()) return QFileIconProvider::icon(info);
        const QMimeType tipo = m_tipi.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return QIcon::fromTheme(tipo.iconName(),
                                QIcon::fromTheme(tipo.genericIconName(), QFileIconProvider::icon(File)));
    }

    QString type(const QFileInfo &info) const override
    {
        if (!info.isFile()) return QFileIconProvider::type(info);
        const QMimeType tipo = m_tipi.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return tipo.comment().isEmpty() ? tipo.name() : tipo.comment();
    }

private:
    QMimeDatabase m_tipi;
};

} // namespace

QString sceltaFileDaScrivere(QWidget *genitore, const QString &titolo, const QString &file,
                             const QString &filtro)
{
    QFileDialog dialogo(genitore, titolo, file, filtro);
    IconeDalNome icone;
    dialogo.setIconProvider(&icone);
    dialogo.setAcceptMode(QFileDialog::AcceptSave);
    dialogo.setFileMode(QFileDialog::AnyFile);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return {};
    return dialogo.selectedFiles().constFirst();
}
