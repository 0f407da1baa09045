// kivo32: the engineer's interactive program for the energy data loggers.
#include <QApplication>

#include "kivo32/app/kivo_app.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    CKivoApp application;
    return application.Run();
}
