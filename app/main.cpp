#include "app/browserapp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    CBrowserApp browser;
    if (!browser.InitInstance(QApplication::arguments())) {
        return browser.ExitCode();
    }
    return application.exec();
}
