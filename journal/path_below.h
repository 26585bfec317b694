#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Paths that must stay inside a folder: a copy in the results folder, or in a folder below it.

namespace corvander {

// The names of the path's components below the folder (both as the file system's bytes), the
// file's own name last. Nothing when the path does not start with the folder and a separator, or
// when a component below it is empty, "." or "..", or holds a NUL byte: such a path may lead
// somewhere else than it reads.
std::optional<QList<QByteArray>> componentsBelow(const QByteArray& folder, const QByteArray& path);

// Opens the folder that holds the last of the components (O_PATH; -1 and the reason on failure).
// The folder itself is opened as it is named, links in its own path followed, since the user chose
// it; every folder below it is opened without following a link, so that a link put inside the
// folder never leads out of it.
int openParentBelow(const QByteArray& folder, const QList<QByteArray>& components, QString& reason);

} // namespace corvander
