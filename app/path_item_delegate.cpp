#include "app/path_item_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>

namespace corvander {

QString elidedPath(const QString& path, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString tail = path.mid(slash); // "/name", or the whole text without a folder
    const QString ellipsis(QChar(0x2026));
    if (slash <= 0 || metrics.horizontalAdvance(ellipsis + tail) > width)
        return metrics.elidedText(path, Qt::ElideRight, width);
    const QString folder = metrics.elidedText(path.left(slash), Qt::ElideMiddle,
                                              width - metrics.horizontalAdvance(tail));
    return (folder.isEmpty() ? ellipsis : folder) + tail;
}

QStyleOptionViewItem PathItemDelegate::shortened(const QStyleOptionViewItem& option,
                                                 const QModelIndex& index) const {
    QStyleOptionViewItem shown = option;
    initStyleOption(&shown, index);
    const QWidget* widget = shown.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    // The style draws the text inside the text rectangle less a margin on each side.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const int width = style->subElementRect(QStyle::SE_ItemViewItemText, &shown, widget).width();
    shown.text = elidedPath(shown.text, shown.fontMetrics, width - 2 * margin);
    return shown;
}

QString PathItemDelegate::shownText(const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
    return shortened(option, index).text;
}

void PathItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QStyleOptionViewItem shown = shortened(option, index);
    const QWidget* widget = shown.widget;
    const QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &shown, painter, widget);
}

} // namespace corvander
