#pragma once
// Why a file step failed, in the operator's words: every window that explains a failed write says
// it with these texts.

#include <string>
#include <system_error>

namespace orv {

// A few words of French (UTF-8: shown, never written to a file), such as "disque plein".
std::string fileErrorReason(const std::error_code& error);

}  // namespace orv
