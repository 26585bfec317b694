#pragma once

#include "extract/extract_request.h"
#include "extract/file_identity.h"
#include "naming/content_words.h"
#include "naming/template/template_naming.h"

#include <QList>
#include <QString>
#include <optional>

namespace corvander {

// Why a file gets no copy.
enum class SkipReason {
    None,
    NoMode,          // rename by content with no mode chosen
    NoWordList,      // mode 4 without word numbers
    NoSearchText,    // modes 5 and 6 without a search text
    Unreadable,      // the document could not be opened or read
    PasswordNeeded,  // protected, and no password was given for it
    WrongPassword,   // protected, and the run's password did not open it
    TimedOut,        // reading it took longer than the time limit
    NoText,          // the whole document has no words (a scan)
    NoTextOnPage,    // the one page the mode reads has no words (skipDetail names the page)
    TooFewPages,     // the page the mode reads comes after the last (skipDetail: the count)
    TooFewWords,     // fewer words than the mode needs
    EmptyName,       // nothing left of the name once cleaned
    OcrTimedOut,     // no words, and reading a page by OCR took longer than its time limit
    NoTemplateValue, // rename by template: a field without a value, or an empty name (the
                     // plan's skipDetail says which)
    AlreadyCopied,   // an identical copy already stands in the results folder
};

// The reason in a few words, as the preview and the journal show it.
QString skipReasonText(SkipReason reason);

// Where one placeholder of a metadata format found its value.
struct FieldSource {
    QString placeholder; // "%a"
    QString label;       // "Author"; empty for a part that names no field
    bool fromXml = false;
    bool found = false;
};

// What a name was made from.
struct Provenance {
    bool metadata = false;
    int mode = -1;
    // Content: what was extracted, and what the words rule took from it.
    ExtractRequest request;
    int pageCount = -1;
    WordPick pick;
    // Metadata: each part of the format; a blank format keeps the file's own name.
    QList<FieldSource> fields;
    bool ownName = false;
    // Template: the template that named the file (0-based) and each of its fields' values.
    bool byTemplate = false;
    int templateIndex = -1;
    QList<FieldValue> templateFields;

    // In words, for a tool tip and the journal: "words 1-3 of page 2",
    // "%a = Author from the document information".
    QString describe() const;
    // "rename by content, mode 1", "rename by metadata" or "rename by template".
    QString family() const;
};

// One file's part of a run: the name it is copied under, or why it is not.
struct PlannedFile {
    QString source;
    // The cleaned name without "!" marks and ".pdf"; empty when the file is skipped.
    QString name;
    SkipReason skip = SkipReason::None;
    // The reason in words where the reason alone does not say it ("no value for {title}").
    QString skipDetail;
    Provenance provenance;
    // The state of the source when its text was read; the copy is made only from that state.
    std::optional<FileIdentity> readIdentity;

    bool copies() const { return skip == SkipReason::None; }
    // Why the file is skipped, as the preview, the journal and the command line say it.
    QString skipText() const;
    // The same, with where OCR is turned on when OCR was off and the document has no text.
    QString skipTextWithHint(bool ocrOn, const QString& ocrHint) const;
};

} // namespace corvander
