#pragma once

#include <QString>
#include <QStringList>

struct RenameContext;

// Runs the text extractor on one PDF for rename by content, with the run's progress bar, and
// gives access to the output text file it writes in the work folder.
class PageExtractor {
public:
    PageExtractor(const RenameContext& context, const QString& pdfPath);

    // Extracts the whole document, or only the given page (page options "-f p -l p").
    void extractAll() const;
    void extractPage(int page) const;
    // The last page that yields output, found by extracting page after page; 0 when none does.
    int findLastPage() const;

    void removeOutput() const;
    bool hasOutput() const;
    QString readOutput() const;

private:
    void run(const QStringList& pageOptions) const;

    const RenameContext& m_context;
    QString m_pdfPath;
    QString m_outputPath;
};
