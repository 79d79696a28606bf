#pragma once
#include <QDialog>

// The About box: program icon, "Sorvat Version 0.101" and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
