#pragma once

#include "common/window_port.h"

#include <QByteArray>

namespace corvander {

// The run's progress bar, drawn on one line of standard error when that is a terminal, and
// nothing at all otherwise, so that a script's log stays clean.
class TerminalProgress : public ProgressView {
public:
    // Draws only when the descriptor is a terminal.
    explicit TerminalProgress(int descriptor = 2);
    ~TerminalProgress() override;
    TerminalProgress(const TerminalProgress&) = delete;
    TerminalProgress& operator=(const TerminalProgress&) = delete;

    int progressValue() const override { return m_value; }
    QString progressText() const override { return m_text; }
    void setProgressValue(int value) override;
    void setProgressText(const QString& text) override;

    // Takes the bar off its line while other text is written there, and puts it back.
    void hide();
    void show();

private:
    void draw();
    void write(const QByteArray& bytes);

    int m_descriptor;
    bool m_terminal;
    bool m_shown = false;
    int m_value = 0;
    QString m_text;
};

// Writes whole lines to a descriptor, each in one call where it can, so that the lines of
// several processes sharing a pipe or a file do not run into each other. False when the line
// could not be written.
bool writeLine(int descriptor, const QByteArray& line);

// "corvander: MESSAGE" on standard error, the bar taken off meanwhile.
void tellError(TerminalProgress* progress, const QString& message);

} // namespace corvander
