// The windowed program: a player and solver for 9x9 number-placement puzzles.
#include "shell/SorvatApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    CSorvatApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    return QApplication::exec();
}
