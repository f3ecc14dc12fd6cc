#include "ui/file_error_text.h"

#include "model/file_error_text.h"

namespace orv {

QString fileErrorText(const std::error_code& error) {
    return QString::fromStdString(fileErrorReason(error));
}

}  // namespace orv
