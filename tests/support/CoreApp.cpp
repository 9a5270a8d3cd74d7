#include "CoreApp.h"

namespace testsupport {

QCoreApplication& CoreApp() {
    static int argc = 1;
    static char name[] = "qsw_tests";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* instance =
        QCoreApplication::instance() ? QCoreApplication::instance() : new QCoreApplication(argc, argv);
    return *instance;
}

}  // namespace testsupport
