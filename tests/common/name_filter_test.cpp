#include "common/name_filter.h"

#include <QFile>
#include <fnmatch.h>
#include <gtest/gtest.h>

namespace corvander {

namespace {

const QString kPdfFilter = QStringLiteral("PDF Files (*.pdf)");

// What a desktop dialog does with a pattern: a shell glob, letter for letter.
bool globMatches(const QString& pattern, const QString& name) {
    return fnmatch(QFile::encodeName(pattern).constData(), QFile::encodeName(name).constData(),
                   0) == 0;
}

} // namespace

TEST(NameFilter, PdfFilterTakesAnyLetterCaseAndNothingElse) {
    const struct {
        const char* name;
        bool shown;
    } cases[] = {
        {"a.pdf", true},      {"B.PDF", true},  {"c.Pdf", true},
        {"scan 1.pDf", true}, {"d.txt", false}, {"a.pdf.txt", false},
        {"pdf", false},       {"a.pd", false},  {"a.pdfx", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromUtf8(c.name);
        EXPECT_EQ(matchesNameFilter(kPdfFilter, name), c.shown);
        // The desktop dialog, given the any-case patterns, shows exactly the same files.
        bool desktopShows = false;
        for (const QString& pattern : nameFilterPatterns(anyCaseNameFilter(kPdfFilter)))
            desktopShows = desktopShows || globMatches(pattern, name);
        EXPECT_EQ(desktopShows, c.shown);
        // Given the plain pattern, it would hide every name not written in lower case.
        EXPECT_EQ(globMatches(QStringLiteral("*.pdf"), name),
                  c.shown && name.endsWith(QStringLiteral(".pdf")));
    }
}

TEST(NameFilter, AnyCaseFormKeepsTheNameAndEveryPattern) {
    const struct {
        const char* filter;
        const char* anyCase;
    } cases[] = {
        {"PDF Files (*.pdf)", "PDF Files (*.[pP][dD][fF])"},
        {"Pictures (*.png *.JPG)", "Pictures (*.[pP][nN][gG] *.[jJ][pP][gG])"},
        {"*.pdf", "*.[pP][dD][fF]"},
        {"Scans (scan_?[0-9].tif)", "Scans ([sS][cC][aA][nN]_?[0-9].[tT][iI][fF])"},
        {"All (*)", "All (*)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(anyCaseNameFilter(QString::fromUtf8(c.filter)), QString::fromUtf8(c.anyCase));
    }
    EXPECT_EQ(nameFilterPatterns(QStringLiteral("Pictures (*.png *.JPG)")),
              (QStringList{QStringLiteral("*.png"), QStringLiteral("*.JPG")}));
}

} // namespace corvander
