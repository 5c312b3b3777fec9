#include <QApplication>

#include "gui/shell/CVemoApp.h"

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    CVemoApp app(qtApp.arguments());
    if (!app.initInstance())
        return app.exitCode();
    return qtApp.exec();
}
