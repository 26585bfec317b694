#include "extract/ocr_cache.h"

namespace corvander {

std::optional<OcrCache::Key> OcrCache::keyFor(const ExtractRequest& request) {
    // A text cut short by its rule answers that rule alone.
    if (request.stop.kind != StopRule::Kind::None || request.stopAtWordless)
        return std::nullopt;
    const std::optional<FileIdentity> file = identityOfFile(request.path);
    if (!file)
        return std::nullopt;
    return Key{*file,
               request.firstPage,
               request.lastPage,
               request.lastPageOnly,
               request.ocrLanguages,
               request.password,
               request.withInfo,
               request.wordPages};
}

std::optional<ExtractResult> OcrCache::find(const Key& key) const {
    const auto found = m_results.constFind(key);
    if (found == m_results.constEnd())
        return std::nullopt;
    return *found;
}

void OcrCache::offer(const Key& key, const ExtractResult& result) {
    if (result.hasText() && !result.ocrPages.isEmpty() && result.ocrTimedOut.isEmpty())
        m_results.insert(key, result);
}

size_t qHash(const OcrCache::Key& key, size_t seed) {
    return qHashMulti(seed, key.file, key.firstPage, key.lastPage, key.lastPageOnly, key.languages,
                      key.password, key.withInfo, key.wordPages);
}

} // namespace corvander
