#include "editor/zafiksub1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    return quorvel::ZAFIKSUB1::Main();
}
