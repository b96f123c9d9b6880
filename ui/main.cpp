// lumo [FILE]: the simulator's window, on a new document or on FILE.
#include <QApplication>
#include <cstdio>

#include "ui/simulator_app.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // After the application object, so that a missing library or platform
    // plugin shows here too: the package's check starts the installed program so.
    if (arguments.size() == 1 && arguments[0] == QLatin1String("--version")) {
        std::printf("lumo " LUMO_VERSION "\n");
        return 0;
    }
    if (arguments.size() > 1 || arguments.value(0) == QLatin1String("--help")) {
        std::fprintf(arguments.size() > 1 ? stderr : stdout,
                     "Usage: lumo [FILE]\n       lumo --version\nOpens FILE (an assembler "
                     "source) in the simulator's window, or starts with a new document.\n");
        return arguments.size() > 1 ? 2 : 0;
    }
    CSimulatorApp theApp;
    if (!theApp.InitInstance(arguments.value(0))) return 1;
    return QApplication::exec();
}
