#include "worker/request_handler.h"

#include "worker/info_printer.h"
#include "worker/ocr_engine.h"
#include "worker/page_picture.h"
#include "worker/text_reader.h"
#include "worker/word_box_codec.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdlib>
#include <new>
#include <unistd.h>

namespace corvander::worker {

namespace {

using protocol::Fields;
using protocol::Tag;

// A page number as pdftotext reads its -f and -l; numbers beyond an int are taken as the
// nearest int, which the page range then treats the same way.
std::optional<int> pageNumber(const Fields& request, Tag tag) {
    if (!request.has(tag))
        return 0;
    const std::string text = request.value(tag);
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty())
        return std::nullopt;
    if (error == std::errc::result_out_of_range)
        return text.front() == '-' ? INT_MIN : INT_MAX;
    if (error != std::errc())
        return std::nullopt;
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The Stop rule; an unknown one reads the whole range, as no rule does.
StopRule stopRuleOf(const Fields& request) {
    const std::string kind = request.value(Tag::Stop);
    const long long count = request.number(Tag::StopCount, 0);
    const std::string text = request.value(Tag::StopText);
    const QString searchText = QString::fromUtf8(text.data(), qsizetype(text.size()));
    if (kind == protocol::kStopBytes)
        return StopRule::bytes(count);
    if (kind == protocol::kStopWords)
        return StopRule::words(count);
    if (kind == protocol::kStopAfter)
        return StopRule::wordsAfter(searchText, count);
    if (kind == protocol::kStopBefore)
        return StopRule::wordsBefore(searchText, count);
    return {};
}

std::optional<std::string> passwordOf(const Fields& request) {
    if (!request.has(Tag::Password))
        return std::nullopt;
    return request.value(Tag::Password);
}

Answer refuse(std::string error) {
    Answer answer;
    answer.status = protocol::kStatusOtherError;
    answer.error = std::move(error);
    return answer;
}

std::string pageList(const std::vector<int>& pages) {
    std::string list;
    for (const int page : pages)
        list += (list.empty() ? "" : ",") + std::to_string(page);
    return list;
}

// Each page read by OCR says so and gets processor time for its own time limit.
OcrOptions ocrOptionsOf(const Fields& request, long long timeoutMs, const RequestHooks& hooks) {
    OcrOptions ocr;
    ocr.enabled = request.value(Tag::Ocr) == "1";
    ocr.languages = request.value(Tag::OcrLanguages);
    if (ocr.languages.empty())
        ocr.languages = protocol::kOcrDefaultLanguages;
    ocr.timeoutMs = timeoutMs;
    const std::string id = request.value(Tag::Id);
    ocr.pageStarts = [id, timeoutMs, &hooks](int page) {
        if (hooks.sendProgress) {
            Fields progress;
            progress.add(Tag::Id, id);
            progress.add(Tag::Progress, protocol::kProgressOcrPage + std::to_string(page));
            hooks.sendProgress(progress);
        }
        if (hooks.extendBudget)
            hooks.extendBudget(static_cast<std::uint64_t>((timeoutMs + 999) / 1000));
    };
    return ocr;
}

Answer answerText(const Fields& request, const RequestHooks& hooks) {
    const std::optional<int> first = pageNumber(request, Tag::FirstPage);
    const std::optional<int> last = pageNumber(request, Tag::LastPage);
    if (!first || !last)
        return refuse("a page number is not a number");
    long long timeoutMs = protocol::kOcrDefaultTimeoutMs;
    if (request.has(Tag::OcrTimeout)) {
        timeoutMs = request.number(Tag::OcrTimeout, -1);
        if (timeoutMs < 1 || timeoutMs > protocol::kOcrMaxTimeoutMs)
            return refuse("the OCR time limit is not a number of milliseconds from 1 to " +
                          std::to_string(protocol::kOcrMaxTimeoutMs));
    }
    const std::optional<std::vector<int>> wordPages =
        protocol::readPageList(request.value(Tag::WordPages));
    if (!wordPages)
        return refuse("the word pages are not page numbers apart by commas");
    TextRequest text;
    text.path = request.value(Tag::Path);
    text.password = passwordOf(request);
    text.firstPage = *first;
    text.lastPage = *last;
    text.lastPageOnly = request.value(Tag::LastPageOnly) == "1";
    text.stop = stopRuleOf(request);
    text.stopAtWordless = request.value(Tag::StopAtWordless) == "1";
    text.maxTextBytes = protocol::kMaxTextBytes;
    text.ocr = ocrOptionsOf(request, timeoutMs, hooks);
    text.withInfo = request.value(Tag::WithInfo) == "1";
    text.wordPages = *wordPages;
    text.maxWordBoxBytes = protocol::kMaxWordBoxBytes;
    return readText(text);
}

Answer answerPage(const Fields& request) {
    const std::optional<int> page = pageNumber(request, Tag::FirstPage);
    if (!page)
        return refuse("a page number is not a number");
    PictureRequest picture;
    picture.path = request.value(Tag::Path);
    picture.password = passwordOf(request);
    picture.page = *page == 0 ? 1 : *page;
    picture.width = protocol::kMaxPageImageSide;
    picture.height = protocol::kDefaultPageImageHeight;
    for (const auto& [tag, side] : {std::pair{Tag::ImageWidth, &picture.width},
                                    std::pair{Tag::ImageHeight, &picture.height}}) {
        if (!request.has(tag))
            continue;
        const long long pixels = request.number(tag, -1);
        if (pixels < 1 || pixels > protocol::kMaxPageImageSide)
            return refuse("the picture's size is not a number of pixels from 1 to " +
                          std::to_string(protocol::kMaxPageImageSide));
        *side = int(pixels);
    }
    return drawPagePicture(picture);
}

Answer answerInfo(const Fields& request) {
    InfoRequest info;
    info.path = request.value(Tag::Path);
    info.password = passwordOf(request);
    return readInfo(info);
}

Answer answerLanguages() {
    OcrEngine* engine = ocrEngine();
    if (engine == nullptr)
        return refuse(ocrLoadError());
    Answer answer;
    answer.status = protocol::kStatusDone;
    for (const std::string& name : engine->installedLanguages())
        answer.languages += (answer.languages.empty() ? "" : "+") + name;
    return answer;
}

Answer answerOperation(const Fields& request, [[maybe_unused]] const HandlerSettings& settings,
                       const RequestHooks& hooks) {
    const std::string operation = request.value(Tag::Operation);
    // A zero byte cannot be part of a file name; the library would open a shorter one.
    if (request.value(Tag::Path).find('\0') != std::string::npos)
        return refuse("the file name holds a zero byte");
    if (operation == protocol::kOperationText)
        return answerText(request, hooks);
    if (operation == protocol::kOperationLanguages)
        return answerLanguages();
    if (operation == protocol::kOperationInfo)
        return answerInfo(request);
    if (operation == protocol::kOperationPage)
        return answerPage(request);
#ifdef CORVANDER_WORKER_TEST_REQUESTS
    // Only the tests' own build of the worker knows these; the shipped one refuses them as any
    // operation it does not know.
    if (operation == protocol::kOperationCrash || operation == protocol::kOperationHang) {
        if (!settings.testRequests)
            return refuse("test requests are not enabled");
        if (operation == protocol::kOperationCrash)
            std::abort();
        for (;;)
            ::pause();
    }
#endif
    return refuse("unknown operation \"" + operation + "\"");
}

} // namespace

Fields answerRequest(const Fields& request, const HandlerSettings& settings,
                     const RequestHooks& hooks) {
    const Answer answer = answerOperation(request, settings, hooks);
    Fields fields;
    fields.add(Tag::Id, request.value(Tag::Id));
    fields.addNumber(Tag::Status, answer.status);
    fields.addNumber(Tag::PageCount, answer.pageCount);
    if (!answer.text.empty())
        fields.add(Tag::Text, answer.text);
    // Only a finished reading gives the information and boxes that came with its text.
    const bool done = answer.status == protocol::kStatusDone;
    if (done && !answer.info.empty())
        fields.add(Tag::Info, answer.info);
    if (done && !answer.xml.empty())
        fields.add(Tag::Xml, answer.xml);
    if (done && !answer.wordBoxes.empty())
        fields.add(Tag::WordBoxes, answer.wordBoxes);
    if (done && answer.imageWidth > 0) {
        fields.add(Tag::Image, answer.image);
        fields.addNumber(Tag::ImageWidth, answer.imageWidth);
        fields.addNumber(Tag::ImageHeight, answer.imageHeight);
        fields.add(Tag::PageArea, protocol::numbersText(answer.pageArea));
        fields.add(Tag::PageSize, protocol::numbersText(answer.pageSize));
    }
    if (!answer.error.empty())
        fields.add(Tag::Error, answer.error);
    if (answer.needsPassword)
        fields.add(Tag::NeedsPassword, "1");
    if (answer.passwordRejected)
        fields.add(Tag::PasswordRejected, "1");
    if (answer.ocrAsked) {
        fields.add(Tag::OcrPages, pageList(answer.ocrPages));
        fields.add(Tag::OcrTimedOut, pageList(answer.ocrTimedOut));
    }
    if (!answer.languages.empty())
        fields.add(Tag::OcrLanguages, answer.languages);
    if (request.value(Tag::Operation) == protocol::kOperationText)
        fields.addNumber(Tag::PagesRead, answer.pagesRead);
    if (answer.textOffset > 0)
        fields.addNumber(Tag::TextOffset, answer.textOffset);
    if (answer.wordOffset != 0)
        fields.addNumber(Tag::WordOffset, answer.wordOffset);
    if (answer.wordlessPage > 0)
        fields.addNumber(Tag::WordlessPage, answer.wordlessPage);
    if (answer.file) {
        fields.add(Tag::FileDevice, std::to_string(answer.file->device));
        fields.add(Tag::FileInode, std::to_string(answer.file->inode));
        fields.addNumber(Tag::FileSize, answer.file->size);
        fields.addNumber(Tag::FileModified, answer.file->modifiedNanoseconds);
    }
    return fields;
}

} // namespace corvander::worker
