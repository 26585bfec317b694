#include "common/work_folder.h"

#include <QDir>

WorkFolder::WorkFolder() : m_dir(QDir::tempPath() + QStringLiteral("/corvander-XXXXXX")) {}
