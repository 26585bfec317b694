#pragma once

#include "extract/extract_request.h"
#include "extract/file_identity.h"

#include <QHash>
#include <optional>

namespace corvander {

// The text of pages read by OCR, kept for the life of the pool, so that a preview followed by a
// run reads each page once. A file changed since (size, time, or replaced) is read again.
class OcrCache {
public:
    // The key for a text request with OCR; nothing for a file that cannot be looked at, and for
    // a request whose text stops where its rule is satisfied.
    struct Key {
        FileIdentity file;
        int firstPage = 0;
        int lastPage = 0;
        bool lastPageOnly = false;
        QString languages;
        // A protected document's text is only ever given to a run that opens it too.
        QString password;
        // What came with the text.
        bool withInfo = false;
        QList<int> wordPages;

        bool operator==(const Key&) const = default;
    };
    static std::optional<Key> keyFor(const ExtractRequest& request);

    std::optional<ExtractResult> find(const Key& key) const;
    // Keeps only what is worth keeping: a whole answer for which OCR read pages, none of them
    // cut short by its time limit.
    void offer(const Key& key, const ExtractResult& result);

private:
    QHash<Key, ExtractResult> m_results;
};

size_t qHash(const OcrCache::Key& key, size_t seed = 0);

} // namespace corvander
