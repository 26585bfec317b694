#pragma once

#include <QStyledItemDelegate>

class QFontMetrics;

namespace corvander {

// The part of a path that fits the width: the middle of the folder goes, so that the file name
// still shows whole. When even "…/name" does not fit, the path is cut at its end as usual.
QString elidedPath(const QString& path, const QFontMetrics& metrics, int width);

// Draws the file list's entries with their paths shortened by elidedPath.
class PathItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // The text as drawn for that item in that place.
    QString shownText(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QStyleOptionViewItem shortened(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const;
};

} // namespace corvander
