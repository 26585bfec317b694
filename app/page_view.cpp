#include "app/page_view.h"

#include "naming/template/zone_selection.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

namespace corvander {

namespace {

// In the language of the moment, not of the program's start.
QString drawingText() {
    return QCoreApplication::translate("corvander::PageView", "Drawing the page…");
}
QString noPageText() {
    return QCoreApplication::translate("corvander::PageView", "No page to show");
}

// The page whose picture is shown and whose zones are chosen.
constexpr int kShownPage = 1;

} // namespace

PageView::PageView(ExtractionPool& pool, QWidget* parent)
    : QWidget(parent), m_pool(&pool), m_band(new QRubberBand(QRubberBand::Rectangle, this)) {
    setObjectName(QStringLiteral("PageView"));
    setAccessibleName(tr("Page view"));
    setToolTip(tr("Drag a rectangle over the page to insert a zone field for it"));
    connect(&pool, &ExtractionPool::finished, this, &PageView::answered);
}

PageView::~PageView() {
    forgetRequest();
}

void PageView::showPage(const QString& path) {
    clear();
    m_path = path;
    showMessage(drawingText());
    if (!m_pool) {
        showAnswer({});
        return;
    }
    const ExtractionPool::Ticket ticket =
        m_pool->submit(ExtractRequest::pageImage(path, kShownPage));
    m_ticket = ticket;
    // A pool that cannot start a worker answers before submit returns.
    if (m_pool->isFinished(ticket))
        answered(ticket);
}

void PageView::clear() {
    forgetRequest();
    cancelDrag();
    m_path.clear();
    m_picture = {};
    m_pageArea = {};
    showMessage({});
}

void PageView::forgetRequest() {
    if (m_ticket && m_pool)
        m_pool->drop(*m_ticket);
    m_ticket.reset();
}

void PageView::answered(ExtractionPool::Ticket ticket) {
    if (!m_ticket || ticket != *m_ticket || !m_pool)
        return;
    m_ticket.reset();
    showAnswer(m_pool->take(ticket));
}

void PageView::showAnswer(const ExtractResult& result) {
    QImage picture;
    if (result.outcome == ExtractResult::Outcome::Answered && result.status == 0 &&
        !result.pageArea.isEmpty())
        picture = QImage::fromData(result.image, "PNG");
    if (picture.isNull()) {
        showMessage(noPageText());
        Q_EMIT pageAnswered(false);
        return;
    }
    m_picture = picture;
    m_pageArea = result.pageArea;
    showMessage({});
    Q_EMIT pageAnswered(true);
}

void PageView::showMessage(const QString& text) {
    m_message = text;
    setAccessibleDescription(text);
    update();
}

QRectF PageView::pictureArea() const {
    if (m_picture.isNull())
        return {};
    const QSizeF fitted = QSizeF(m_picture.size()).scaled(QSizeF(size()), Qt::KeepAspectRatio);
    return {QPointF((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

QSize PageView::sizeHint() const {
    // Half a US Letter page at the worker's size, enough to tell the lines of a form apart.
    return {240, 310};
}

void PageView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_picture.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(pictureArea(), m_picture);
    } else if (!m_message.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_message);
    }
}

void PageView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_picture.isNull())
        return QWidget::mousePressEvent(event);
    m_dragStart = event->position();
    m_band->setGeometry(QRect(event->position().toPoint(), QSize()));
    m_band->show();
}

void PageView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragStart)
        return QWidget::mouseMoveEvent(event);
    const QRectF dragged = QRectF(*m_dragStart, event->position()).normalized();
    m_band->setGeometry((dragged & pictureArea()).toAlignedRect());
}

void PageView::mouseReleaseEvent(QMouseEvent* event) {
    if (!m_dragStart || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const QRectF dragged = QRectF(*m_dragStart, event->position()).normalized();
    cancelDrag();
    // A click, or a hand that shook while clicking, chooses nothing.
    const int least = QApplication::startDragDistance();
    if (dragged.width() < least && dragged.height() < least)
        return;
    const QRectF points = pagePointsUnder(dragged, pictureArea(), m_pageArea);
    if (!points.isEmpty())
        Q_EMIT zoneChosen(zoneFieldFor(kShownPage, points));
}

void PageView::cancelDrag() {
    m_dragStart.reset();
    m_band->hide();
}

} // namespace corvander
