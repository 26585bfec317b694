#pragma once

#include "naming/learn/learning_sources.h"

#include <QStringList>

#include <functional>
#include <optional>

namespace corvander {

// One piece of a part of the wanted name as the template writes it: literal text or a field.
struct NamePiece {
    QString literal;
    std::optional<Alternative> field;
};

// The pieces of each part of the wanted name (its folder parts, then the name), or why a part of
// it cannot be learned.
struct NameCover {
    QList<QList<NamePiece>> parts;
    QString failure;
};

// Covers each part with pieces: fields where the document holds the text, literal text where it
// holds none, at the least cost. `kinHold` tells whether the documents of the example's kind
// share a word (folded); true when none is known.
NameCover coverName(const QStringList& parts, const LearningIndex& index,
                    const SourceFinder& finder, const DateFinder& dates, DateOrder runOrder,
                    const std::function<bool(const QString&)>& kinHold);

} // namespace corvander
