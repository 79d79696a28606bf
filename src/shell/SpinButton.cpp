#include "shell/SpinButton.h"

#include "platform/AccessibleEvents.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

CSpinButton::CSpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::TabFocus);  // a tab stop: the arrow keys step it
    m_pUp = new QToolButton(this);
    m_pUp->setArrowType(Qt::UpArrow);
    m_pUp->setAccessibleName(tr("上げる"));
    m_pDown = new QToolButton(this);
    m_pDown->setArrowType(Qt::DownArrow);
    m_pDown->setAccessibleName(tr("下げる"));
    for (QToolButton* button : {m_pUp, m_pDown}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CSpinButton::SetBuddy(QLineEdit* buddy) {
    if (m_pBuddy)
        m_pBuddy->removeEventFilter(this);
    m_pBuddy = buddy;
    if (m_pBuddy)
        m_pBuddy->installEventFilter(this);
}

void CSpinButton::SetRange(int lower, int upper) {
    m_nLower = lower;
    m_nUpper = upper;
}

void CSpinButton::SetPos(int pos) {
    const int before = m_nPos;
    m_nPos = std::clamp(pos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    if (m_pBuddy)
        m_pBuddy->setText(QString::number(m_nPos));
    if (m_nPos != before) {
        QAccessibleValueChangeEvent changed(this, m_nPos);
        sorvat::SendAccessibleEvent(changed);
    }
}

void CSpinButton::Step(int delta) {
    const int next = m_nPos + (m_nUpper >= m_nLower ? delta : -delta);
    if (next < std::min(m_nLower, m_nUpper) || next > std::max(m_nLower, m_nUpper))
        return;
    SetPos(next);
}

bool CSpinButton::StepForKey(int key) {
    if (key == Qt::Key_Up)
        Step(1);
    else if (key == Qt::Key_Down)
        Step(-1);
    else
        return false;
    return true;
}

bool CSpinButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pBuddy && event->type() == QEvent::KeyPress
        && StepForKey(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void CSpinButton::keyPressEvent(QKeyEvent* event) {
    if (StepForKey(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void CSpinButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    m_pUp->setGeometry(0, 0, width(), half);
    m_pDown->setGeometry(0, half, width(), height() - half);
}
