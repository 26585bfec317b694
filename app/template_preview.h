#pragma once

#include "common/window_port.h"
#include "copying/name_reservations.h"
#include "copying/results_folder.h"
#include "extract/extraction_pool.h"
#include "naming/planned_file.h"
#include "naming/rules/naming_rule.h"

#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>
#include <memory>

namespace corvander {

class FileListPanel;
class TemplatePanel;

// The planned names of rename by template, shown in the list's name column as the template is
// typed: a moment after the last keystroke, the entries the list shows are planned again through
// the extraction workers, and each name comes as its file's answer does. The window goes on
// meanwhile. Nothing is planned while a run lasts or while a template has a mistake.
class TemplatePreview : public QObject {
    Q_OBJECT
public:
    struct Needs {
        FileListPanel& list;
        RenameControls& controls;
        const TemplatePanel& templates;
        BusyPointer& busy;
        ExtractionPool& pool;
    };

    explicit TemplatePreview(Needs needs);

    // Something the names depend on changed: they are planned again a moment from now.
    void schedule();
    // How long the preview waits after the last change.
    static constexpr int kDelayMilliseconds = 300;

private:
    void planVisibleRows();
    void answered(ExtractionPool::Ticket ticket);
    void planned(int position, const PlannedFile& plan);
    void showReadyRows();
    void dropPending();
    void hideNames();

    Needs m_needs;
    QTimer m_delay;
    RuleArguments m_arguments;
    QHash<ExtractionPool::Ticket, int> m_pending; // by ticket, the entry's position
    QHash<int, QString> m_paths;                  // the round's entries, by position
    QMap<int, PlannedFile> m_ready;               // planned, waiting for the rows above them
    QList<int> m_order;                           // the round's positions, top to bottom
    qsizetype m_nextShown = 0;                    // index into m_order of the next row to show
    // The names are given out as a run would give them, "!" marks included, top to bottom.
    std::unique_ptr<ResultsFolder> m_folder;
    NameReservations m_reservations;
    bool m_shown = false;
};

} // namespace corvander
