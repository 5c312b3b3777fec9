#include <QApplication>
#include <QMainWindow>

#include "ApplicationInfo.h"
#include "app/MessageService.h"
#include "store/Installation.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    setApplicationIdentity();

    const QStringList args = app.arguments();
    const qsizetype option = args.indexOf(QStringLiteral("--install-path"));
    Result<Installation> installation = Installation::open(option >= 0 ? args.value(option + 1) : QString());
    if (!installation.ok()) {
        MessageService::show(installation.error(), MessageService::Buttons::Ok, MessageService::Icon::Critical);
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ヌルガタ"));
    window.showMaximized();
    return app.exec();
}
