#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace corvander {

// The run's journal as a CSV report, ready to be written to a file: UTF-8, lines ending in
// CR LF, the header "source,new name,status,reason,provenance", then one row per file in list
// order. status is "copied" or "skipped"; new name is the file name of the copy; reason is why a
// file was skipped. Fields holding a comma, a quote, a CR or a LF are quoted, quotes doubled.
// Nothing when the journal cannot be read.
std::optional<QByteArray> journalCsv(const QString& journal);

} // namespace corvander
