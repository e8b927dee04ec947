#include "platform/ProgramDirectory.h"
#include "startup/KestovaProgram.h"

#include <QApplication>
#include <QIcon>

#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // libmpv parses numbers in the C locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Kestova"));
    QApplication::setOrganizationName(QStringLiteral("Orvane"));
    QApplication::setDesktopFileName(QStringLiteral("kestova"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/skin/kestova.svg")));

    kestova::KestovaProgram program(kestova::programDirectory());
    program.start();
    return app.exec();
}
