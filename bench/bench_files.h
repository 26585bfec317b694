#pragma once

#include <QString>
#include <QStringList>

// Writes count PDFs of one to three pages of ordinary text into the folder; returns their paths.
QStringList makeBenchPdfs(const QString& folder, int count);
