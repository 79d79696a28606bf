#include "shell/AboutDlg.h"

#include "SorvatVersion.h"

#include "platform/DialogUnits.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Sorvatのﾊﾞｰｼﾞｮﾝ情報"));
    setFont(DialogFont(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"), 9));
    const DialogUnits du(font());
    setFixedSize(du.Size(235, 55));

    auto* icon = new QLabel(this);
    const QRect iconRect = du.Rect(11, 17, 20, 20);
    QIcon programIcon = QApplication::windowIcon();
    if (programIcon.isNull()) programIcon = style()->standardIcon(QStyle::SP_ComputerIcon);
    icon->setPixmap(programIcon.pixmap(iconRect.size()));
    icon->setGeometry(iconRect);

    auto* text = new QLabel(QStringLiteral("Sorvat Version " SORVAT_VERSION), this);
    text->setTextFormat(Qt::PlainText);
    text->setGeometry(du.Rect(40, 10, 119, 8));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setGeometry(du.Rect(178, 7, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
