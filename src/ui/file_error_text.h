#pragma once

#include <QString>
#include <system_error>

namespace orv {

// Why a file step failed, in the operator's words (fileErrorReason).
QString fileErrorText(const std::error_code& error);

}  // namespace orv
