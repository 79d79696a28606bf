#pragma once
#include <QDialog>

// The About box: program icon, "Sorvat Version " and the version and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
