#include "platform/qt_program_end.h"

#include <QCoreApplication>

namespace orv {

void QtProgramEnd::endProgram() {
    ending_ = true;
    QCoreApplication::exit(0);
}

}  // namespace orv
