#pragma once
#include <QString>

#include <atomic>
#include <functional>

class QWidget;

namespace sorvat {

// What a piece of long work reports while it runs on a worker thread.
struct WorkProgress {
    std::atomic<bool> cancel{false};  // set by the dialog's Cancel; the work stops at its next step
    std::atomic<int> done{0};         // steps done, shown against the total
};

// Runs `work` on a worker thread while a window-modal progress dialog (shown
// after 300 ms) tells how much is done; events go on meanwhile. Returns false
// when the player cancelled.
bool WorkWithProgress(QWidget* parent, const QString& title, const QString& label, int total,
                      const std::function<void(WorkProgress&)>& work);

} // namespace sorvat
