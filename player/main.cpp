#include <QApplication>

#include <clocale>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // libmpv parses numbers in the C locale
    return 0;
}
