// The bare window's program: shows the bare window of the plan in the file it is given, until it is
// ended. The start-up benchmark times it from its start to its window mapped, beside the program.
#include <QApplication>
#include <QFile>

#include "barewindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) return 2;
    QFile plan(QString::fromLocal8Bit(argv[1]));
    if (!plan.open(QIODevice::ReadOnly)) return 1;
    const std::unique_ptr<QWidget> window = bench::bareWindow(QString::fromUtf8(plan.readAll()));
    window->show();
    return QApplication::exec();
}
