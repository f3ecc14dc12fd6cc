#pragma once
// What the commit of a QSO computes from the entry fields, without the widgets.

#include <optional>
#include <string>
#include <string_view>

#include "entry/field_checks.h"
#include "model/log_line.h"

namespace orv {

struct CommitRefusal {
    EntryField field;          // the field to correct; it gets the focus
    std::string_view message;  // UTF-8
};

// Refuses a QSO whose line would not be 107 characters: the first field (in log order) longer than
// its columns, with that field's own length message, or, for a mode of 4 characters or more, the
// message saying the log holds 3. The date and the time must be there with their 8 and 5
// characters ("Entrez une date", "8 caracteres pour la date ex: 01/02/08", likewise the time).
// Nothing when the QSO can be written. The site name is cut, never refused.
std::optional<CommitRefusal> checkCommit(const LogRecord& fields);

// The site name as the commit leaves it in Rem_A: trimmed of blanks at both ends, then cut to its
// first 30 characters when longer; a text of 30 characters or fewer is given back as it was.
std::string siteNameAfterCommit(std::string_view siteName);

enum class RewriteChoice { Append, Insert, Replace };

// Replace while modifying; else Append with the automatic date outside an insertion; else Insert.
RewriteChoice chooseRewrite(EntryMode mode, bool automaticDateChecked);

}  // namespace orv
