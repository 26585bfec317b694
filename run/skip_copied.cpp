#include "run/skip_copied.h"

#include "common/waiter.h"
#include "journal/copied_index.h"
#include "journal/file_digest.h"

#include <QFile>

namespace corvander {

namespace {

// How far the thread reads ahead of the run: enough to keep the run from waiting, few enough that
// a stopped run leaves little read for nothing.
constexpr int kAhead = 32;

QByteArray madeKey(qint64 size, const QByteArray& sha256) {
    return QByteArray::number(size) + ':' + sha256;
}

} // namespace

SkipCopied::SkipCopied(const QString& resultsFolder, QStringList sources,
                       std::shared_ptr<CopiedIndex> index)
    : m_folder(resultsFolder), m_sources(std::move(sources)), m_index(std::move(index)),
      m_answers(m_sources.size()) {
    m_thread = std::thread([this] { work(); });
}

SkipCopied::~SkipCopied() {
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_turn.notify_all();
    m_thread.join();
}

void SkipCopied::work() {
    std::shared_ptr<CopiedIndex> index;
    {
        const std::lock_guard lock(m_mutex);
        index = m_index;
    }
    if (!index) {
        index = std::make_shared<CopiedIndex>(m_folder);
        const std::lock_guard lock(m_mutex);
        m_index = index;
    }
    for (qsizetype at = 0; at < m_sources.size(); ++at) {
        {
            std::unique_lock lock(m_mutex);
            m_turn.wait(lock, [&] { return m_quit || at < m_asked + kAhead; });
            if (m_quit)
                return;
        }
        Answer answer = answerFor(*index, m_sources.at(at));
        {
            const std::lock_guard lock(m_mutex);
            m_answers[at] = std::move(answer);
        }
        m_turn.notify_all();
    }
}

// A source that changes while it is read has no digest to go by.
SkipCopied::Answer SkipCopied::answerFor(CopiedIndex& index, const QString& path) {
    Answer answer;
    answer.done = true;
    answer.identity = identityOfFile(path);
    const std::optional<FileDigest> digest = digestOfFile(QFile::encodeName(path));
    if (!answer.identity || !digest || identityOfFile(path) != answer.identity)
        return answer;
    answer.size = digest->size;
    answer.sha256 = digest->sha256;
    answer.copiedAs = index.find(answer.size, answer.sha256);
    return answer;
}

std::optional<QString> SkipCopied::copiedAs(int position, Waiter& waiter) {
    if (position < 1 || position > m_sources.size())
        return std::nullopt;
    {
        const std::lock_guard lock(m_mutex);
        m_asked = position;
    }
    m_turn.notify_all();
    const auto ready = [&] {
        const std::lock_guard lock(m_mutex);
        return m_answers.at(position - 1).done;
    };
    if (!ready())
        waiter.waitUntil(ready, [] {});
    Answer answer;
    {
        const std::lock_guard lock(m_mutex);
        answer = m_answers.at(position - 1);
    }
    // Changed after it was read: its bytes are not the ones compared.
    if (answer.sha256.isEmpty() || identityOfFile(m_sources.at(position - 1)) != answer.identity)
        return std::nullopt;
    if (answer.copiedAs)
        return answer.copiedAs;
    const auto made = m_madeNow.constFind(madeKey(answer.size, answer.sha256));
    if (made != m_madeNow.cend())
        return *made;
    return std::nullopt;
}

void SkipCopied::madeCopy(int position, const QString& name) {
    Answer answer;
    {
        const std::lock_guard lock(m_mutex);
        if (position < 1 || position > m_answers.size() || !m_answers.at(position - 1).done)
            return;
        answer = m_answers.at(position - 1);
    }
    if (answer.sha256.isEmpty())
        return;
    m_madeNow.insert(madeKey(answer.size, answer.sha256), name);
    std::shared_ptr<CopiedIndex> index;
    {
        const std::lock_guard lock(m_mutex);
        index = m_index;
    }
    if (index)
        index->add(name, answer.size, answer.sha256);
}

} // namespace corvander
