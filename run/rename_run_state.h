#pragma once

#include "run/rename_run.h"

#include "common/error_report.h"
#include "common/window_port.h"
#include "copying/name_reservations.h"
#include "copying/results_folder.h"
#include "extract/lookahead.h"
#include "journal/run_journal.h"
#include "run/repeated_reports.h"
#include "run/skip_copied.h"

#include <memory>
#include <optional>

namespace corvander {

// One run, from its checks and prompts through the files to its last message.
class RenameRun {
public:
    RenameRun(RunRequest request, const RunPorts& ports, const RunOptions& options)
        : m_request(std::move(request)), m_ports(ports), m_options(options),
          m_dialogs(ports.dialogs), m_proc(m_dialogs, ports.labels.run),
          m_ahead(ports.pool, corvander::lookaheadDepth(ports.pool)),
          m_context{m_dialogs,
                    ports.progress,
                    [this] { return choiceNow(); },
                    ports.labels,
                    [this](ExtractRequest r, bool p) { return extract(r, p); },
                    preview(),
                    [this](const FileOutcome& o) { fileFinished(o); },
                    nullptr,
                    m_request.resultsFolder} {}

    void go();

private:
    corvander::NameReservations* preview() { return m_options.preview ? &m_reservations : nullptr; }

    // Opens the results folder for the whole run and clears what a killed run left in it.
    void openTheFolder();

    // The one place that reads the starter's choices again while the run goes on.
    RuleChoice choiceNow() const;

    // The mode's numbers; a preview's answers stand in for them. False when the user left a
    // prompt: the run ends before it touches any file.
    bool askTheUser();

    // With the option checked, asks for the password of a protected document that the run's
    // password (or none) did not open; true when the user gave one to try. After a Cancel (or
    // an empty answer) the run asks no more.
    bool askPassword(bool wrong);

    void handleFile();

    // Looks ahead, on a thread of its own, for the files already copied.
    void startSkippingCopied();

    // Tells the file's end when an identical copy of it already stands in the results folder.
    bool alreadyCopied(const QString& path);

    // A preview's plan for a file that changed after the preview read it is made again, from
    // the file as it is now.
    bool finishPlanned(const corvander::PlannedFile& plan, const QString& path);

    void finish();

    // Every extraction of the run carries its password; documents without one ignore it.
    std::optional<ExtractRequest> requestFor(int position) const;

    ExtractResult extract(ExtractRequest request, bool showProgress);

    void beginJournal();

    void record(const FileOutcome& outcome);

    void fileFinished(const FileOutcome& outcome);

    const RunRequest m_request;
    const RunPorts& m_ports;
    const RunOptions& m_options;
    // One box for each kind of error; its repeats are counted in the last message.
    RepeatedReports m_dialogs;
    TrappedProcedure m_proc;
    corvander::Lookahead m_ahead;
    corvander::NameReservations m_reservations;
    std::optional<corvander::ResultsFolder> m_folder;
    RenameContext m_context;
    corvander::RunParameters m_parameters;
    QString m_password;
    bool m_passwordDeclined = false;
    QString m_skippedList;
    std::optional<corvander::FileIdentity> m_identity;
    std::unique_ptr<corvander::RunJournal> m_journal;
    // The journal the files are recorded in: the run's own, or the caller's.
    corvander::RunJournal* m_writing = nullptr;
    // Declared after the folder and the list it reads: its thread ends before they go.
    std::optional<corvander::SkipCopied> m_skipCopied;
    bool m_told = false;
    bool m_copied = false;
    int m_count = 0;
    int m_position = 0;
    int m_handled = 0;
};

} // namespace corvander
