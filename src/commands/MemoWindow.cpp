#include "commands/MemoWindow.h"

#include "commands/CommandTexts.h"
#include "text/Cp932.h"

#include <QMessageBox>
#include <QTimer>

namespace sorvat {

QString MemoDisplayText(const char* memo) {
    if (memo == nullptr) return {};
    QString text = QString::fromStdString(Cp932ToUtf8(memo));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

MemoWindow::MemoWindow() = default;

MemoWindow::~MemoWindow() {
    if (m_box) delete m_box.data();
}

void MemoWindow::Start() {
    m_running = true;
    if (m_hasPending) QTimer::singleShot(0, this, &MemoWindow::ShowPending);
}

void MemoWindow::CloseWindow() {
    if (!m_box) return;
    QMessageBox* box = m_box.data();
    m_box.clear();
    box->close();
    box->deleteLater();
}

void MemoWindow::Publish(const char* memo) {
    m_pending = MemoDisplayText(memo);
    m_hasPending = true;
    if (m_running) QTimer::singleShot(0, this, &MemoWindow::ShowPending);
}

void MemoWindow::Stop() {
    m_running = false;
    m_hasPending = false;
    m_pending.clear();
}

void MemoWindow::ShowPending() {
    // While a box is open the next memo waits; the box's end shows it.
    if (!m_running || !m_hasPending || m_box) return;
    const QString text = m_pending;
    m_hasPending = false;
    m_pending.clear();
    if (text.isEmpty()) return;

    auto* box = new QMessageBox();  // no owner window
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(texts::UiText(texts::MemoTitle));
    box->setTextFormat(Qt::PlainText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->setIcon(QMessageBox::NoIcon);
    box->setWindowModality(Qt::NonModal);
    box->setModal(false);
    connect(box, &QMessageBox::finished, this, [this, box] {
        if (m_box == box) m_box.clear();
        if (m_hasPending) QTimer::singleShot(0, this, &MemoWindow::ShowPending);
    });
    m_box = box;
    box->show();
}

} // namespace sorvat
