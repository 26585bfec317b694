#include "worker/info_printer.h"

#include "worker/info_text.h"

#include <poppler/Catalog.h>
#include <poppler/JSInfo.h>
#include <poppler/Object.h>
#include <poppler/PDFDoc.h>
#include <poppler/XRef.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

namespace corvander::worker {

namespace {

// pdfinfo's labels take seventeen columns, colon and blanks included.
void appendLabel(std::string& out, std::string_view name) {
    out += name;
    out += ':';
    for (std::size_t column = name.size() + 1; column < 17; ++column)
        out += ' ';
}

void appendLine(std::string& out, std::string_view name, std::string_view value) {
    appendLabel(out, name);
    out += value;
    out += '\n';
}

const char* yesNo(bool value) {
    return value ? "yes" : "no";
}

template <typename... Values> std::string formatted(const char* format, Values... values) {
    char text[128];
    const int length = std::snprintf(text, sizeof text, format, values...);
    return length < 0 ? std::string() : std::string(text, std::min<std::size_t>(length, 127));
}

// Only string entries print; anything else under a known key is passed over, as pdfinfo does.
void appendStringEntry(std::string& out, Dict& info, const char* key, bool isDate) {
    const Object value = info.lookup(key);
    if (value.isString())
        appendLine(out, key,
                   isDate ? dateBytes(*value.getString()) : textStringBytes(*value.getString()));
}

bool hasCustomEntries(Dict& info) {
    static constexpr std::string_view kStandardKeys[] = {"Title",        "Author",  "Subject",
                                                         "Keywords",     "Creator", "Producer",
                                                         "CreationDate", "ModDate", "Trapped"};
    for (int i = 0; i < info.getLength(); ++i) {
        const std::string_view key = info.getKey(i);
        if (std::find(std::begin(kStandardKeys), std::end(kStandardKeys), key) ==
            std::end(kStandardKeys))
            return true;
    }
    return false;
}

const char* formName(Catalog::FormType type) {
    switch (type) {
    case Catalog::AcroForm:
        return "AcroForm";
    case Catalog::XfaForm:
        return "XFA";
    case Catalog::NoForm:
        break;
    }
    return "none";
}

std::string encryptionText(PDFDoc& doc) {
    if (!doc.isEncrypted())
        return "no";
    unsigned char* key = nullptr;
    CryptAlgorithm algorithm = cryptNone;
    int keyLength = 0;
    doc.getXRef()->getEncryptionParameters(&key, &algorithm, &keyLength);
    const char* name = "unknown";
    if (algorithm == cryptRC4)
        name = "RC4";
    else if (algorithm == cryptAES)
        name = "AES";
    else if (algorithm == cryptAES256)
        name = "AES-256";
    // The permissions as the document states them, whichever password opened it.
    return std::string("yes (print:") + yesNo(doc.okToPrint(true)) +
           " copy:" + yesNo(doc.okToCopy(true)) + " change:" + yesNo(doc.okToChange(true)) +
           " addNotes:" + yesNo(doc.okToAddNotes(true)) + " algorithm:" + name + ")";
}

// " (letter)", " (A4)" and so on when the page is one of those sizes either way up, within a
// point for letter and 0.3 % for the A series.
std::string paperName(double width, double height) {
    const auto near = [&](double w, double h, double slack) {
        return (std::fabs(width - w) < slack && std::fabs(height - h) < slack) ||
               (std::fabs(width - h) < slack && std::fabs(height - w) < slack);
    };
    if (near(612, 792, 1))
        return " (letter)";
    // A0 is a square metre with sides in the ratio 1 : sqrt(2); each next size halves it.
    double longSide = std::sqrt(std::sqrt(2.0)) * 7200 / 2.54;
    double shortSide = longSide / std::sqrt(2.0);
    double slack = longSide * 0.003;
    for (int size = 0; size <= 6; ++size) {
        if (near(shortSide, longSide, slack))
            return " (A" + std::to_string(size) + ")";
        longSide = shortSide;
        shortSide /= std::sqrt(2.0);
        slack /= std::sqrt(2.0);
    }
    return {};
}

long long fileSize(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return 0;
    long long size = 0;
    if (::fseeko(file, 0, SEEK_END) == 0)
        size = ::ftello(file);
    std::fclose(file);
    return size;
}

} // namespace

std::string informationLines(PDFDoc& doc, const std::string& path) {
    std::string out;
    // The calls below follow pdfinfo's order: on a damaged file a later look-up may depend on
    // what an earlier one repaired.
    Object info = doc.getDocInfo();
    if (info.isDict()) {
        Dict& entries = *info.getDict();
        for (const char* key : {"Title", "Subject", "Keywords", "Author", "Creator", "Producer"})
            appendStringEntry(out, entries, key, false);
        appendStringEntry(out, entries, "CreationDate", true);
        appendStringEntry(out, entries, "ModDate", true);
    }
    const bool hasMetadata = doc.readMetadata() != nullptr;
    appendLine(out, "Custom Metadata", yesNo(info.isDict() && hasCustomEntries(*info.getDict())));
    appendLine(out, "Metadata Stream", yesNo(hasMetadata));

    Catalog& catalog = *doc.getCatalog();
    appendLine(out, "Tagged", yesNo(catalog.getMarkInfo() & Catalog::markInfoMarked));
    appendLine(out, "UserProperties",
               yesNo(catalog.getMarkInfo() & Catalog::markInfoUserProperties));
    appendLine(out, "Suspects", yesNo(catalog.getMarkInfo() & Catalog::markInfoSuspects));
    appendLine(out, "Form", formName(catalog.getFormType()));

    // pdfinfo looks for scripts in the document and on the first page.
    JSInfo scripts(&doc, 0);
    scripts.scanJS(1);
    appendLine(out, "JavaScript", yesNo(scripts.containsJS()));

    appendLine(out, "Pages", std::to_string(doc.getNumPages()));
    appendLine(out, "Encrypted", encryptionText(doc));

    const double width = doc.getPageCropWidth(1);
    const double height = doc.getPageCropHeight(1);
    appendLine(out, "Page size",
               formatted("%g x %g pts", width, height) + paperName(width, height));
    appendLine(out, "Page rot", std::to_string(doc.getPageRotate(1)));

    appendLine(out, "File size", std::to_string(fileSize(path)) + " bytes");
    appendLine(out, "Optimized", yesNo(doc.isLinearized()));
    appendLine(out, "PDF version",
               std::to_string(doc.getPDFMajorVersion()) + "." +
                   std::to_string(doc.getPDFMinorVersion()));
    out += subtypeLines(doc);
    return out;
}

} // namespace corvander::worker
