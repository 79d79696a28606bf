#include "shell/LevelEdit.h"

#include "settings/Settings.h"
#include "view/Globals.h"

#include <QKeyEvent>

CLevelEdit::CLevelEdit(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

bool CLevelEdit::Refuses(QChar c) {
    const char16_t code = c.unicode();
    return code > u'0' + MaxLevel && code <= u'9';
}

void CLevelEdit::UpdateMaxLevel() {
    if (g_pMainFrame && g_pSettings && (g_pSettings->options & 1) != 0)
        MaxLevel = 9;
}

void CLevelEdit::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    if (text.size() == 1 && Refuses(text.at(0))) {
        event->accept();  // swallowed
        return;
    }
    QLineEdit::keyPressEvent(event);
}
