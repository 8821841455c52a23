// SPDX-License-Identifier: GPL-3.0-or-later
// The info window: how the drill works, in front of the disabled main window until it closes.
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

struct Stato;
class LettoreSuoni;
class PulsanteGrafico;
class QLabel;

/// Whether the instructions also tell of the voice, the game without hurry and the readable face: only
/// when one of them is on, so the window is as it always was otherwise.
enum class Sostegni { Nascosti, Mostrati };

class FrmInfo : public QWidget
{
    Q_OBJECT
public:
    /// Loads a new info window in front of \a principale, which it disables, with the focus on OK,
    /// and shows it; while \a principale is not shown yet (start-up), mostra() does, once it is.
    /// The window deletes itself when it closes.
    static FrmInfo *apri(Stato &stato, LettoreSuoni &suoni, QWidget *principale,
                         Sostegni sostegni = Sostegni::Nascosti);
    /// Shows it centred over the main window, active, with the focus on OK.
    void mostra();

    /// The fifteen lines of the instructions, as printed from the top-left corner; with the supports,
    /// three more, one for each.
    static QStringList testo(Sostegni sostegni = Sostegni::Nascosti);
    /// Writes the lines again, with or without the supports.
    void mostraSostegni(Sostegni sostegni);

    void cmdOK_Click();
    /// Takes the main window's scale again and stands centred over it (the board was resized).
    void seguiLaScala();

    PulsanteGrafico *cmdOK = nullptr;

protected:
    void closeEvent(QCloseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void changeEvent(QEvent *e) override;

private:
    FrmInfo(Stato &stato, LettoreSuoni &suoni, QWidget *principale);
    void Form_Load();
    /// One label a line, \a righe from the top.
    void scriviRighe(const QStringList &righe);
    /// The font of the lines \a righe: the window's, or a smaller one when the widest would not fit.
    QFont carattereRighe(const QStringList &righe) const;
    /// The closing steps shared by OK, the close box and losing activation.
    void chiudi();
    void Form_Deactivate();

    Stato &m_stato;
    LettoreSuoni &m_suoni;
    QWidget *m_principale;
    QPointer<QWidget> m_fuocoPrincipale;
    bool m_chiusa = false;
    Sostegni m_sostegni = Sostegni::Nascosti;
};
