#pragma once
#include "view/MemoHandoff.h"

#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>


namespace sorvat {

// Shows the memo of the last loaded puzzle file in an ownerless, non-modal
// box titled "Sorvat_QMessage", so the main window stays usable. A memo is
// shown at most once, an empty one not at all, and a new memo waits until
// the box of the previous one has closed. Everything runs on the GUI thread:
// a published memo is shown from the event loop, after the load that
// published it has finished.
class MemoWindow : public QObject, public MemoHandoff {
    Q_OBJECT
public:
    MemoWindow();
    ~MemoWindow() override;

    void Start() override;
    void CloseWindow() override;
    void Publish(const char* memo) override;
    void Stop() override;

    // The open box, or null.
    QMessageBox* Box() const { return m_box.data(); }
    bool IsShowing() const { return !m_box.isNull(); }
    // Shows the pending memo now if it may be shown (normally run from the
    // event loop after Publish).
    void ShowPending();

private:
    bool m_running = false;
    bool m_hasPending = false;
    QString m_pending;
    QPointer<QMessageBox> m_box;
};

// The memo text as shown: code page 932 bytes decoded, CR LF as line breaks.
QString MemoDisplayText(const char* memo);

} // namespace sorvat
