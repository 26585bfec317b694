#pragma once

#include "naming/template/field_evaluation.h"
#include "naming/template/template_parser.h"
#include "tests/naming/extracted_document.h"
#include "tests/naming/qt_printing.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

// Fields evaluated on the tests' documents, read the way the extraction reads them.
class FieldTest : public ::testing::Test {
protected:
    // An invoice of three pages, with its label "Invoice No.:" broken over two lines.
    static PdfDocument invoicePdf() {
        PdfDocument pdf;
        pdf.pages = {
            {"Alder & Finch SARL", "12 Harbour Road, Brest", "Invoice date: 07.05.2024",
             "Customer: Jane Roe Trading", "Our reference 4471 Invoice", "No.: AF-7731 Total due",
             "Amount 1 200,00 EUR"},
            {"Delivery note", "Shipped 03/04/2024", "Thank you"},
            {"Terms and conditions", "Signed 09.10.2024"},
        };
        pdf.info = {{"Title", "ANNUAL report"},
                    {"Creator", "Writer 7"},
                    {"Producer", "Press 2"},
                    {"Keywords", "invoice, 2024"},
                    {"CreationDate", "D:20240314200000Z"},
                    {"ModDate", "D:20240101120000+01'00'"}};
        pdf.xmpMetadata = QStringLiteral("<meta>\nsubject: From the XML\n</meta>");
        return pdf;
    }

    static void SetUpTestSuite() {
        s_folder = new QTemporaryDir;
        const QString folder = s_folder->filePath(QStringLiteral("In Box"));
        QDir().mkpath(folder);
        s_invoice = new corvander::TemplateDocument(
            extractedDocument(invoicePdf(), folder + QStringLiteral("/Scan 7.v2.pdf")));
    }
    static void TearDownTestSuite() {
        delete s_invoice;
        delete s_folder;
    }

    // The value of the field (a template that is that field alone) on `document`.
    std::optional<corvander::FieldResult>
    valueOf(const QString& field, const corvander::TemplateDocument& document,
            corvander::DateOrder order = corvander::DateOrder::Dmy) const {
        const corvander::TemplateParse parse = corvander::parseTemplate(field);
        EXPECT_TRUE(parse.ok() && parse.parsed.parts.size() == 1) << field.toStdString();
        if (!parse.ok() || parse.parsed.parts.size() != 1)
            return std::nullopt;
        const corvander::FieldEvaluator evaluator(m_dates, order);
        return evaluator.evaluate(parse.parsed.parts.first().field,
                                  corvander::PreparedDocument(document));
    }

    // Each field's value, or "<none>" for a field without one.
    void expectValues(const corvander::TemplateDocument& document,
                      const QList<std::pair<const char*, const char*>>& cases,
                      corvander::DateOrder order = corvander::DateOrder::Dmy) const {
        for (const auto& [field, value] : cases) {
            const auto result = valueOf(QString::fromUtf8(field), document, order);
            EXPECT_EQ(result ? result->value : QStringLiteral("<none>"), QString::fromUtf8(value))
                << field;
        }
    }

    static const corvander::TemplateDocument& invoice() { return *s_invoice; }

    corvander::DateFinder m_dates;

private:
    static inline QTemporaryDir* s_folder = nullptr;
    static inline corvander::TemplateDocument* s_invoice = nullptr;
};

} // namespace corvander
