// What only a zone gives, and the parts that cannot be learned.
#include "naming/learn/template_learner.h"
#include "naming/template/template_naming.h"
#include "naming/template/template_printer.h"
#include "tests/naming/extracted_document.h"
#include "tests/naming/learning_documents.h"
#include "tests/naming/learning_fixture.h"
#include "tests/naming/qt_printing.h"
#include <gtest/gtest.h>

namespace corvander {

namespace {

// A value that neither a label, a pattern nor the page's flow gives: a zone of the form.
TEST_F(TemplateLearning, AZoneWhereNothingLabelsTheValue) {
    const auto form = [](const char* code) {
        TemplateDocument document = textDocument(
            QStringLiteral("Harbour Office Form\r\n4471 %1 99\r\n\f").arg(QLatin1String(code)));
        PageWords page{1, 612, 792, {}};
        page.words = {{QStringLiteral("Harbour"), 50, 40, 100, 52},
                      {QStringLiteral("Office"), 104, 40, 140, 52},
                      {QStringLiteral("Form"), 144, 40, 170, 52},
                      {QStringLiteral("4471"), 50, 200, 80, 212},
                      {QString::fromLatin1(code), 100, 200, 140, 212},
                      {QStringLiteral("99"), 300, 200, 312, 212}};
        document.pageWords = {page};
        return document;
    };
    const TemplateDocument first = form("AB-12");
    const TemplateLearner learner(DateOrder::Dmy);
    const LearnOutcome outcome = learner.learn(first, QStringLiteral("AB-12"));
    ASSERT_TRUE(outcome.learned.has_value()) << outcome.reason.toStdString();
    EXPECT_EQ(outcome.learned->text,
              QStringLiteral(R"T({if "Harbour Office Form"}{zone 1 99 199 42 14})T"));
    EXPECT_EQ(nameOrReason(outcome.learned->parsed, form("CD-34")), QStringLiteral("CD-34"));
}

// What cannot be learned says which part and why.
TEST_F(TemplateLearning, WhatCannotBeLearnedSaysWhy) {
    const TemplateDocument noText;
    const TemplateDocument sharedOnly =
        textDocument(QStringLiteral("Jane Roe Trading\r\nNo. AF-1234\r\n\f"));
    const struct {
        const TemplateDocument* example;
        const char* name;
        const char* reason;
    } cases[] = {
        {&document("alder1"), "2024-05-07 AF-9999",
         R"T(the part "AF-9999" is not in the document)T"},
        {&document("alder1"), "Q3 AF-7731", R"T(the part "Q3" is not in the document)T"},
        {&document("alder1"), "2023-01-15 AF-7731",
         "the date 2023-01-15 is not in the document in any form"},
        {&document("alder1"), "AF-7731 15 January 2023",
         "the date 2023-01-15 is not in the document in any form"},
        {&document("cedar1"), "2024-12-03",
         "the date 2024-12-03 is not in the document in any form"},
        {&document("alder1"), "7 May 2024",
         R"T(the date 2024-05-07 is in the document, but no date format writes it as "7 May 2024")T"},
        {&document("alder1"), " / .pdf", "the name is empty"},
        {&noText, "AF-7731", "the document has no text to learn from"},
        {&sharedOnly, "AF-1234",
         "no text of the document tells its kind apart from the other documents"},
    };
    const TemplateLearner learner(DateOrder::Dmy);
    for (const auto& each : cases) {
        const LearnOutcome outcome =
            learner.learn(*each.example, QString::fromUtf8(each.name),
                          documentsOf({QStringLiteral("bolt1"), QStringLiteral("cedar1")}));
        EXPECT_FALSE(outcome.learned.has_value())
            << each.name << " " << (outcome.learned ? outcome.learned->text.toStdString() : "");
        EXPECT_EQ(outcome.reason, QString::fromUtf8(each.reason)) << each.name;
    }
}

} // namespace

} // namespace corvander
