#include "worker/ocr_engine.h"

#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <list>
#include <memory>
#include <utility>

namespace corvander::worker {

namespace {

using tesseract::TessBaseAPI;

class TesseractEngine final : public OcrEngine {
public:
    TesseractEngine();
    std::vector<std::string> prepare(const std::string& languages) override;
    Reading read(const OcrImage& image, const std::string& languages, Deadline deadline,
                 bool withWords) override;
    std::vector<std::string> installedLanguages() override;

private:
    TessBaseAPI* find(const std::string& languages);

    // Most recently used first.
    std::list<std::pair<std::string, std::unique_ptr<TessBaseAPI>>> m_apis;
};

// Each set-up holds its language models (several megabytes each); a user who tries many language
// strings in one session should not make a worker grow without end.
constexpr std::size_t kKeptSetUps = 4;

// A language name as the data folder has it ("eng", "chi_sim", "script/Latin"): nothing that
// could lead out of that folder.
bool isLanguageName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.back() == '/')
        return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '_' || c == '-' || c == '/';
    });
}

std::vector<std::string> splitLanguages(const std::string& languages) {
    std::vector<std::string> names;
    std::size_t start = 0;
    for (;;) {
        const std::size_t plus = languages.find('+', start);
        names.push_back(languages.substr(start, plus - start));
        if (plus == std::string::npos)
            return names;
        start = plus + 1;
    }
}

// The library's messages go nowhere: the worker's standard error stays quiet in normal work.
void quieten(TessBaseAPI& api) {
    api.SetVariable("debug_file", "/dev/null");
}

// The words of the recognised page, walked as the library walks them for its text.
std::vector<OcrEngine::Word> wordsOf(TessBaseAPI& api) {
    std::vector<OcrEngine::Word> words;
    const std::unique_ptr<tesseract::ResultIterator> word(api.GetIterator());
    if (!word)
        return words;
    constexpr auto kLevel = tesseract::RIL_WORD;
    do {
        if (word->Empty(kLevel))
            continue;
        const std::unique_ptr<char[]> text(word->GetUTF8Text(kLevel));
        OcrEngine::Word found;
        if (!text || *text.get() == '\0' ||
            !word->BoundingBox(kLevel, &found.left, &found.top, &found.right, &found.bottom))
            continue;
        found.text = text.get();
        words.push_back(std::move(found));
    } while (word->Next(kLevel));
    return words;
}

TesseractEngine::TesseractEngine() {
    setMsgSeverity(L_SEVERITY_NONE);
}

TessBaseAPI* TesseractEngine::find(const std::string& languages) {
    const auto it = std::find_if(m_apis.begin(), m_apis.end(),
                                 [&](const auto& entry) { return entry.first == languages; });
    if (it == m_apis.end())
        return nullptr;
    m_apis.splice(m_apis.begin(), m_apis, it);
    return m_apis.front().second.get();
}

std::vector<std::string> TesseractEngine::prepare(const std::string& languages) {
    if (find(languages) != nullptr)
        return {};
    const std::vector<std::string> wanted = splitLanguages(languages);
    std::vector<std::string> missing;
    std::copy_if(wanted.begin(), wanted.end(), std::back_inserter(missing),
                 [](const std::string& name) { return !isLanguageName(name); });
    if (!missing.empty())
        return missing;

    auto api = std::make_unique<TessBaseAPI>();
    quieten(*api);
    const bool started = api->Init(nullptr, languages.c_str(), tesseract::OEM_DEFAULT) == 0;
    // The library skips a language it cannot load and carries on with the rest; a string
    // that loads only in part is not what the program asked for.
    std::vector<std::string> loaded;
    if (started)
        api->GetLoadedLanguagesAsVector(&loaded);
    for (const std::string& name : wanted) {
        if (std::find(loaded.begin(), loaded.end(), name) == loaded.end())
            missing.push_back(name);
    }
    if (!missing.empty())
        return missing;
    // Whole pages, laid out as the command-line tool lays them out; the library's own default is
    // a single block of text.
    api->SetPageSegMode(tesseract::PSM_AUTO);
    m_apis.emplace_front(languages, std::move(api));
    if (m_apis.size() > kKeptSetUps)
        m_apis.pop_back();
    return {};
}

OcrEngine::Reading TesseractEngine::read(const OcrImage& image, const std::string& languages,
                                         Deadline deadline, bool withWords) {
    Reading reading;
    TessBaseAPI* api = find(languages);
    if (api == nullptr || image.pixels == nullptr)
        return reading;
    api->SetImage(image.pixels, image.width, image.height, 1, image.rowBytes);
    api->SetSourceResolution(static_cast<int>(std::lround(image.dotsPerInch)));
    tesseract::ETEXT_DESC monitor;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                          deadline - std::chrono::steady_clock::now())
                          .count();
    if (left <= 0) {
        reading.timedOut = true;
    } else {
        monitor.set_deadline_msecs(static_cast<std::int32_t>(std::min<long long>(left, INT32_MAX)));
        const bool recognised = api->Recognize(&monitor) == 0;
        // The library stops at the deadline only while it recognises words; the page's layout
        // before that may have taken the rest of the time.
        reading.timedOut =
            monitor.deadline_exceeded() || std::chrono::steady_clock::now() > deadline;
        if (recognised && !reading.timedOut) {
            const std::unique_ptr<char[]> text(api->GetUTF8Text());
            if (text)
                reading.text = text.get();
            if (withWords)
                reading.words = wordsOf(*api);
        }
    }
    // The image and the results go; so does anything the legacy engine learnt from this page, so
    // that a page reads the same whatever was read before it.
    api->Clear();
    api->ClearAdaptiveClassifier();
    return reading;
}

std::vector<std::string> TesseractEngine::installedLanguages() {
    TessBaseAPI probe;
    quieten(probe);
    // A language that is never installed: Init fails at once, with the data folder settled.
    probe.Init(nullptr, "corvander-no-language", tesseract::OEM_DEFAULT);
    std::vector<std::string> names;
    probe.GetAvailableLanguagesAsVector(&names);
    names.erase(std::remove(names.begin(), names.end(), "osd"), names.end());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

} // namespace corvander::worker

extern "C" __attribute__((visibility("default"))) corvander::worker::OcrEngine*
corvanderMakeOcrEngine() {
    return new corvander::worker::TesseractEngine;
}
