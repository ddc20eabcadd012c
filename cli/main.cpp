#include "interfacelanguage.h"
#include "routetool.h"

#include <QApplication>
#include <QFile>

namespace {

QtMessageHandler defaultHandler = nullptr;

// A session without a desktop (cron, build machines) has no XDG_RUNTIME_DIR, and Qt says so on
// stderr while it picks a platform. The tool never uses that folder, and its stderr is kept for
// its own one-line messages, which scripts read.
void startupHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    // Drawing a board needs widgets, and widgets need a platform; the tool runs in scripts and
    // on machines without a display, so it draws off screen unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(startupHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(defaultHandler);
    QCoreApplication::setApplicationName(QStringLiteral("marvolt-route"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MARVOLT_VERSION));
    installTranslations(app);
    QFile out;
    QFile err;
    out.open(stdout, QIODevice::WriteOnly);
    err.open(stderr, QIODevice::WriteOnly);
    RouteTool tool(out, err);
    return tool.run(QCoreApplication::arguments());
}
