#include "view/WorkWithProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include <memory>

namespace sorvat {

bool WorkWithProgress(QWidget* parent, const QString& title, const QString& label, int total,
                      const std::function<void(WorkProgress&)>& work) {
    WorkProgress progress;
    const std::unique_ptr<QThread> worker(QThread::create([&] { work(progress); }));

    const QString cancel = QCoreApplication::translate("WorkWithProgress", "キャンセル");
    QProgressDialog dialog(label, cancel, 0, total, parent);
    dialog.setWindowTitle(title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(300);
    QObject::connect(&dialog, &QProgressDialog::canceled, [&] { progress.cancel = true; });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] { dialog.setValue(progress.done); });
    QEventLoop loop;
    QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    tick.start(50);
    loop.exec();
    worker->wait();
    return !progress.cancel;
}

} // namespace sorvat
