#pragma once

#include "naming/template/template_document.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace corvander {

// Documents of four kinds, as the extraction brings them (text, word boxes, information). Every
// kind prints the recipient's address at the top; the number of item lines changes from
// document to document, so that word positions shift within a kind.
// - Alder & Finch: "Invoice No.:", "Invoice date: 07.05.2024", a project of one to five words.
// - Bolt GmbH: "Rechnungsnummer:", a delivery date of the year before, an order code after a
//   number ("Auftrag 2024 ZX-88 vom Lager"), "Datum: 12. März 2024".
// - Cedar Utilities: its letterhead above the address, "Statement Date: 03/12/2024" and
//   "Due: 03/28/2024" (month first).
// - Dune Insurance: the labels of Alder & Finch and of Cedar Utilities, and no example: its
//   documents must be skipped.
struct LearningDocument {
    QString id;   // "alder1"
    QString kind; // "alder"
    corvander::TemplateDocument document;
    QString name; // the name its kind's example names it by; empty for Dune Insurance
};

class LearningDocuments {
public:
    LearningDocuments();

    const corvander::TemplateDocument& document(const QString& id) const;
    const QList<LearningDocument>& all() const { return m_documents; }
    // Every document but `id`.
    QList<const corvander::TemplateDocument*> allBut(const QString& id) const;

private:
    QList<LearningDocument> m_documents;
};

} // namespace corvander
