#pragma once

#include <QString>

namespace corvander {

// Why a file is skipped, as the window shows it: in the user's language. The command line, the
// journal and the report keep the English words, which scripts and later runs read.
QString shownReason(const QString& reason);

} // namespace corvander
