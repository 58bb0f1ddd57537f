#include "app/UApplication.h"
#include "app/UStartup.h"

int main(int argc, char** argv) {
    TApplication app(argc, argv);
    TApplicationForms forms(IsSetupMode(QCoreApplication::applicationFilePath()), true);
    return app.exec();
}
