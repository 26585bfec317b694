#include "worker/info_printer.h"
#include "worker/info_text.h"

#include <poppler/Object.h>
#include <poppler/PDFDoc.h>

#include <map>
#include <utility>

namespace corvander::worker {

namespace {

struct SubsetFamily {
    const char* versionKey; // the information entry that names the subset
    const char* standard;   // "ISO 19005"
    const char* purpose;
    const char* abbreviation;
    // What each part of the standard covers, by part number.
    std::map<int, const char*> parts;
};

const SubsetFamily* familyOf(PDFSubtype type) {
    static const std::map<PDFSubtype, SubsetFamily> families{
        {subtypePDFA,
         {"GTS_PDFA1Version",
          "ISO 19005",
          "Electronic document file format for long-term preservation (PDF/A)",
          "PDF/A",
          {{subtypePart1, "Use of PDF 1.4"},
           {subtypePart2, "Use of ISO 32000-1"},
           {subtypePart3, "Use of ISO 32000-1 with support for embedded files"}}}},
        {subtypePDFE,
         {"GTS_PDFEVersion",
          "ISO 24517",
          "Engineering document format using PDF (PDF/E)",
          "PDF/E",
          {{subtypePart1, "Use of PDF 1.6"}}}},
        {subtypePDFUA,
         {"GTS_PDFUAVersion",
          "ISO 14289",
          "Electronic document file format enhancement for accessibility (PDF/UA)",
          "PDF/UA",
          {{subtypePart1, "Use of ISO 32000-1"},
           {subtypePart2, "Use of ISO 32000-2"},
           {subtypePart3, "Use of ISO 32000-1 with support for embedded files"}}}},
        {subtypePDFVT,
         {"GTS_PDFVTVersion",
          "ISO 16612",
          "Electronic document file format for variable data exchange (PDF/VT)",
          "PDF/VT",
          {{subtypePart1, "Using PPML 2.1 and PDF 1.4"},
           {subtypePart2, "Using PDF/X-4 and PDF/X-5 (PDF/VT-1 and PDF/VT-2)"},
           {subtypePart3, "Using PDF/X-6 (PDF/VT-3)"}}}},
        {subtypePDFX,
         {"GTS_PDFXVersion",
          "ISO 15930",
          "Electronic document file format for prepress digital data exchange (PDF/X)",
          "PDF/X",
          {{subtypePart1, "Complete exchange using CMYK data (PDF/X-1 and PDF/X-1a)"},
           {subtypePart3, "Complete exchange suitable for colour-managed workflows (PDF/X-3)"},
           {subtypePart4, "Complete exchange of CMYK and spot colour printing data using PDF 1.4 "
                          "(PDF/X-1a)"},
           {subtypePart5, "Partial exchange of printing data using PDF 1.4 (PDF/X-2) [Withdrawn]"},
           {subtypePart6, "Complete exchange of printing data suitable for colour-managed "
                          "workflows using PDF 1.4 (PDF/X-3)"},
           {subtypePart7, "Complete exchange of printing data (PDF/X-4) and partial exchange of "
                          "printing data with external profile reference (PDF/X-4p) using PDF "
                          "1.6"},
           {subtypePart8, "Partial exchange of printing data using PDF 1.6 (PDF/X-5)"}}}},
    };
    const auto found = families.find(type);
    return found == families.end() ? nullptr : &found->second;
}

// PDF/X names its parts by standard edition; the other families by the part number alone.
std::string abbreviationOf(PDFSubtype type, const SubsetFamily& family, PDFSubtypePart part) {
    std::string abbreviation = family.abbreviation;
    if (type != subtypePDFX)
        return abbreviation + "-" + std::to_string(part);
    static const std::map<PDFSubtypePart, const char*> editions{
        {subtypePart1, "-1:2001"}, {subtypePart2, "-2"}, {subtypePart3, "-3:2002"},
        {subtypePart4, "-1:2003"}, {subtypePart5, "-2"}, {subtypePart6, "-3:2003"},
        {subtypePart7, "-4"},      {subtypePart8, "-5"}};
    const auto found = editions.find(part);
    return found == editions.end() ? abbreviation : abbreviation + found->second;
}

const char* conformanceOf(PDFSubtypeConformance conformance) {
    switch (conformance) {
    case subtypeConfA:
        return "Level A, Accessible";
    case subtypeConfB:
        return "Level B, Basic";
    case subtypeConfG:
        return "Level G, External graphical content";
    case subtypeConfN:
        return "Level N, External ICC profile";
    case subtypeConfP:
        return "Level P, Embedded ICC profile";
    case subtypeConfPG:
        return "Level PG, Embedded ICC profile and external graphical content";
    case subtypeConfU:
        return "Level U, Unicode support";
    case subtypeConfNull:
    case subtypeConfNone:
        break;
    }
    return nullptr;
}

} // namespace

std::string subtypeLines(PDFDoc& doc) {
    const Object info = doc.getDocInfo();
    if (!info.isDict())
        return {};
    const PDFSubtype type = doc.getPDFSubtype();
    const SubsetFamily* family = familyOf(type);
    if (family == nullptr)
        return {};

    std::string out;
    const Object version = info.getDict()->lookup(family->versionKey);
    if (version.isString())
        out += "PDF subtype:    " + textStringBytes(*version.getString()) + "\n";

    const PDFSubtypePart part = doc.getPDFSubtypePart();
    const std::string title = std::string(family->standard) + " - " + family->purpose;
    out += "    Title:         " + title + "\n";
    out += "    Abbreviation:  " + abbreviationOf(type, *family, part) + "\n";
    out += "    Subtitle:      Part " + std::to_string(part);
    if (const auto found = family->parts.find(part); found != family->parts.end())
        out += std::string(": ") + found->second;
    out += "\n";
    out +=
        "    Standard:      " + std::string(family->standard) + "-" + std::to_string(part) + "\n";
    if (const char* conformance = conformanceOf(doc.getPDFSubtypeConformance()))
        out += "    Conformance:   " + std::string(conformance) + "\n";
    return out;
}

} // namespace corvander::worker
