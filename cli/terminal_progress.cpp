#include "cli/terminal_progress.h"

#include "cli/output_fields.h"

#include <algorithm>
#include <cerrno>
#include <sys/ioctl.h>
#include <unistd.h>

namespace corvander {

namespace {

constexpr int kBarWidth = 24;

// The window's own resting text: nothing is under way.
bool resting(int value, const QString& text) {
    return value == 0 && (text.isEmpty() || text == QLatin1String("Progress Bar"));
}

int terminalColumns(int descriptor) {
    winsize size{};
    if (::ioctl(descriptor, TIOCGWINSZ, &size) == 0 && size.ws_col > 0)
        return size.ws_col;
    return 80;
}

} // namespace

TerminalProgress::TerminalProgress(int descriptor)
    : m_descriptor(descriptor), m_terminal(::isatty(descriptor) == 1) {}

TerminalProgress::~TerminalProgress() {
    hide();
}

void TerminalProgress::setProgressValue(int value) {
    m_value = value;
    draw();
}

void TerminalProgress::setProgressText(const QString& text) {
    m_text = text;
    draw();
}

void TerminalProgress::hide() {
    if (!m_shown)
        return;
    write("\r\033[K");
    m_shown = false;
}

void TerminalProgress::show() {
    draw();
}

void TerminalProgress::draw() {
    if (!m_terminal)
        return;
    if (resting(m_value, m_text)) {
        hide();
        return;
    }
    const int value = std::clamp(m_value, 0, 100);
    const int filled = value * kBarWidth / 100;
    QByteArray line = "\r\033[K[" + QByteArray(filled, '#') + QByteArray(kBarWidth - filled, ' ') +
                      "] " + QByteArray::number(value).rightJustified(3, ' ') + "% ";
    // The text is cut to the line, character by character, so that the cursor never wraps.
    const int room = terminalColumns(m_descriptor) - kBarWidth - 8;
    QString text = m_text;
    if (room <= 0)
        text.clear();
    else if (text.size() > room)
        text = text.left(room - 1) + QChar(0x2026);
    QByteArray safe = terminalSafe(text);
    safe.replace('\n', ' ');
    write(line + safe);
    m_shown = true;
}

void TerminalProgress::write(const QByteArray& bytes) {
    writeLine(m_descriptor, bytes);
}

bool writeLine(int descriptor, const QByteArray& line) {
    qsizetype done = 0;
    while (done < line.size()) {
        const ssize_t written =
            ::write(descriptor, line.constData() + done, size_t(line.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

void tellError(TerminalProgress* progress, const QString& message) {
    if (progress)
        progress->hide();
    writeLine(2, "corvander: " + terminalSafe(message) + '\n');
    if (progress)
        progress->show();
}

} // namespace corvander
