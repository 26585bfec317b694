#pragma once

#include "extract/extraction_pool.h"

#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>

class QRubberBand;

namespace corvander {

// The first page of a document as an extraction worker draws it, scaled to fit the view. The
// worker is asked without waiting for it: the window goes on while the page is drawn. Dragging a
// rectangle over the page chooses a zone of it, in the points that word boxes use.
class PageView : public QWidget {
    Q_OBJECT
public:
    explicit PageView(ExtractionPool& pool, QWidget* parent = nullptr);
    ~PageView() override;

    // Asks for the first page of the file at `path`. Whatever was shown goes at once, so that no
    // zone is ever chosen on another file's page; the picture comes when the worker has drawn it.
    void showPage(const QString& path);
    // Shows nothing, and any answer still to come is thrown away.
    void clear();

    QString path() const { return m_path; }
    // The picture as the worker drew it; null while there is none.
    const QImage& picture() const { return m_picture; }
    // Where the picture stands in the view; empty while there is none.
    QRectF pictureArea() const;
    // The part of the page the picture shows, in the points of word boxes.
    QRectF pageArea() const { return m_pageArea; }
    // The text shown instead of a picture; empty while a picture, or nothing, is shown.
    QString message() const { return m_message; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A rectangle was dragged over the page: the field that reads the words inside it.
    void zoneChosen(const QString& field);
    // The answer for the file last asked for came: the page is drawn, or the text says why not.
    void pageAnswered(bool drawn);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void answered(ExtractionPool::Ticket ticket);
    void showAnswer(const ExtractResult& result);
    void showMessage(const QString& text);
    void forgetRequest();
    void cancelDrag();

    // A window lets go of its members before its child widgets: the pool may go first.
    QPointer<ExtractionPool> m_pool;
    std::optional<ExtractionPool::Ticket> m_ticket;
    QString m_path;
    QImage m_picture;
    QRectF m_pageArea;
    QString m_message;
    QRubberBand* m_band = nullptr;
    std::optional<QPointF> m_dragStart;
};

} // namespace corvander
