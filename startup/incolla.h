// SPDX-License-Identifier: GPL-3.0-or-later
// Pasting into a line edit without waiting on the clipboard's owner for more than about a second.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QClipboard>
#include <QObject>
#include <QPointer>

class QLineEdit;
struct xcb_connection_t;
class QTimer;

/// Takes over the pastes of \a riga (Ctrl+V, Shift+Insert, the middle button; its context menu goes,
/// since building it reads the clipboard). On X11 the text is asked of the selection's owner and
/// inserted when it comes: an owner that does not answer within about a second is given up on, while
/// the program goes on. Elsewhere, and when the program owns the clipboard itself, Qt reads it.
class Incolla : public QObject, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    explicit Incolla(QLineEdit *riga);
    ~Incolla() override;

    /// How long an owner may take to answer.
    static constexpr int AttesaMassimaMs = 1000;

    bool nativeEventFilter(const QByteArray &tipo, void *messaggio, qintptr *risultato) override;

protected:
    bool eventFilter(QObject *o, QEvent *e) override;

private:
    void chiedi(QClipboard::Mode modo);
    void ricevi(quint32 proprieta);
    quint32 atomo(const char *nome) const;

    QLineEdit *m_riga;
    QTimer *m_limite;
    xcb_connection_t *m_x = nullptr; ///< the X connection, on X11 only
    quint32 m_finestra = 0;          ///< an unmapped window of ours that receives the text
    quint32 m_proprieta = 0, m_utf8 = 0;
    bool m_inAttesa = false;
};
