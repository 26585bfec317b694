#include "naming/learn/template_learner.h"
#include "naming/template/template_naming.h"
#include "naming/template/template_printer.h"
#include "tests/naming/extracted_document.h"
#include "tests/naming/learning_documents.h"
#include "tests/naming/qt_printing.h"

#include <gtest/gtest.h>

namespace corvander {

// Templates learned from the tests' own documents, tried on the other documents.
class TemplateLearning : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_documents = new LearningDocuments; }
    static void TearDownTestSuite() { delete s_documents; }
    static const LearningDocuments& documents() { return *s_documents; }
    static const TemplateDocument& document(const char* id) {
        return s_documents->document(QString::fromLatin1(id));
    }
    static QList<const TemplateDocument*> documentsOf(const QStringList& ids) {
        QList<const TemplateDocument*> found;
        for (const QString& id : ids)
            found << &s_documents->document(id);
        return found;
    }

    // The name `parsed` gives the document, or its reason for skipping it.
    static QString nameOrReason(const Template& parsed, const TemplateDocument& document) {
        const TemplateNamer namer({parsed}, DateOrder::Dmy);
        const TemplateOutcome outcome = namer.name(document);
        return outcome.skipReason.isEmpty() ? outcome.relativeName : outcome.skipReason;
    }

    // The template after its {if "..."}, which every learned template begins with.
    static QString afterCondition(const QString& text) {
        if (!text.startsWith(QLatin1String("{if \"")))
            return QStringLiteral("<no {if} at the start of ") + text + QLatin1Char('>');
        return text.mid(text.indexOf(QLatin1String("\"}")) + 2);
    }
    static QString conditionOf(const QString& text) {
        return text.startsWith(QLatin1String("{if \""))
                   ? text.mid(5, text.indexOf(QLatin1String("\"}")) - 5)
                   : QString();
    }

private:
    static inline LearningDocuments* s_documents = nullptr;
};

// One example of each kind names every other document of its kind as the example was named,
// whatever the run's date order, and the documents of the kind without an example (which
// shares labels and values with one that has) are skipped, never misnamed.
TEST_F(TemplateLearning, OneExamplePerKindNamesItsKindAndSkipsTheRest) {
    const struct {
        const char* variant;
        bool listedFilesKnown; // the other listed files are given as well as the examples
        DateOrder learnerOrder;
        DateOrder namerOrder;
    } variants[] = {
        {"examples only", false, DateOrder::Dmy, DateOrder::Dmy},
        {"with the listed files", true, DateOrder::Dmy, DateOrder::Mdy},
        {"month first", false, DateOrder::Mdy, DateOrder::Dmy},
    };
    QList<LearnExample> examples;
    // Two examples of one kind give one template line.
    for (const char* id : {"alder1", "bolt1", "cedar1", "alder2"}) {
        for (const LearningDocument& each : documents().all()) {
            if (each.id == QLatin1String(id))
                examples.append({each.document, each.name});
        }
    }
    for (const auto& variant : variants) {
        SCOPED_TRACE(variant.variant);
        QList<const TemplateDocument*> listed;
        if (variant.listedFilesKnown) {
            for (const LearningDocument& each : documents().all())
                listed << &each.document;
        }
        const TemplateLearner learner(variant.learnerOrder);
        const LearnedTemplates learned = learner.learnTemplates(examples, listed);
        ASSERT_EQ(learned.outcomes.size(), examples.size());
        for (const LearnOutcome& outcome : learned.outcomes) {
            ASSERT_TRUE(outcome.learned.has_value()) << outcome.reason.toStdString();
            EXPECT_TRUE(outcome.reason.isEmpty());
        }
        EXPECT_TRUE(learned.allLearned());
        ASSERT_EQ(learned.lines.size(), 3) << learned.lines.join(u'\n').toStdString();
        for (const QString& line : learned.lines) {
            EXPECT_FALSE(conditionOf(line).isEmpty()) << line.toStdString();
            // Word positions shift from document to document of a kind.
            EXPECT_FALSE(line.contains(QLatin1String("{words")) ||
                         line.contains(QLatin1String("{zone")))
                << line.toStdString();
        }
        const QList<Template>& templates = learned.templates;
        const TemplateNamer namer(templates, variant.namerOrder);
        for (const LearningDocument& each : documents().all()) {
            const TemplateOutcome named = namer.name(each.document);
            if (each.name.isEmpty()) {
                EXPECT_TRUE(named.relativeName.isEmpty())
                    << (each.id + QStringLiteral(": ") + named.relativeName).toStdString();
                EXPECT_TRUE(named.skipReason.startsWith(QLatin1String("no value for {if \"")))
                    << (each.id + QStringLiteral(": ") + named.skipReason).toStdString();
            } else {
                EXPECT_EQ(named.relativeName, each.name)
                    << (each.id + QStringLiteral(": ") + named.skipReason).toStdString();
            }
        }
    }
}

// Examples of one kind share one template, which gives all their names; an example that cannot
// be learned keeps its reason and adds no template line.
TEST_F(TemplateLearning, ExamplesOfOneKindShareATemplate) {
    const TemplateLearner learner(DateOrder::Dmy);
    const LearnedTemplates learned = learner.learnTemplates({
        {document("alder1"), QStringLiteral("AF-7731 2024-05-07")},
        {document("bolt1"), QStringLiteral("R-2024-118")},
        {document("cedar2"), QStringLiteral("5512-9999")},
        {document("alder2"), QStringLiteral("AF-7790 2024-06-21")},
    });
    const QList<LearnOutcome>& outcomes = learned.outcomes;
    ASSERT_EQ(outcomes.size(), 4);
    for (const qsizetype index : {0, 1, 3})
        ASSERT_TRUE(outcomes.at(index).learned.has_value())
            << outcomes.at(index).reason.toStdString();
    EXPECT_FALSE(outcomes.at(2).learned.has_value());
    EXPECT_EQ(outcomes.at(2).reason,
              QStringLiteral("the part \"5512-9999\" is not in the document"));
    EXPECT_FALSE(learned.allLearned());
    EXPECT_EQ(outcomes.at(3).learned->text, outcomes.at(0).learned->text);
    EXPECT_NE(outcomes.at(1).learned->text, outcomes.at(0).learned->text);
    EXPECT_EQ(learned.lines,
              QStringList({outcomes.at(0).learned->text, outcomes.at(1).learned->text}));
    ASSERT_EQ(learned.templates.size(), 2);
    EXPECT_EQ(nameOrReason(learned.templates.at(0), document("alder3")),
              QStringLiteral("AF-7802 2024-07-03"));
}

// A date is written as the name writes it, read in the day-month order the example proves: by
// the name (the text's 03/12/2024 named 2024-03-12 is month first), by the document's other
// dates (03/28/2024), or else by the run's order, when the field names none.
TEST_F(TemplateLearning, DatesAsTheExampleWritesThem) {
    const struct {
        const char* id;
        const char* name;
        const char* field; // the template after its {if}
        const char* other;
        const char* otherName;
    } cases[] = {
        {"cedar1", "2024-03-12", R"T({date after "Statement Date:" mdy})T", "cedar3", "2024-11-22"},
        {"cedar1", "03-12-2024", R"T({date after "Statement Date:" "%m-%d-%Y" mdy})T", "cedar3",
         "11-22-2024"},
        {"alder1", "07.05.2024", R"T({date after "Invoice date:" "%d.%m.%Y"})T", "alder2",
         "21.06.2024"},
        {"alder1", "2024-05-07", R"T({date after "Invoice date:" dmy})T", "alder3", "2024-07-03"},
        // The year of the same date, not of the delivery date before it.
        {"bolt1", "2024/12.03.2024",
         R"T({date after "Datum:" "%Y"}/{date after "Datum:" "%d.%m.%Y"})T", "bolt3",
         "2025/08.01.2025"},
        {"bolt1", "12 March 2024", R"T({date after "Datum:" "%d %B %Y"})T", "bolt2",
         "03 April 2024"},
        // Year and month folders of one date; the month read day first, as the name proves.
        {"alder1", "2024/05/AF-7731",
         R"T({date after "Invoice date:" "%Y"}/{date after "Invoice date:" "%m" dmy}/{after "Invoice No.:" line})T",
         "alder3", "2024/07/AF-7802"},
        {"cedar1", "2024-03 Mar", R"T({date after "Statement Date:" "%Y-%m %b" mdy})T", "cedar2",
         "2024-04 Apr"},
    };
    for (const DateOrder order : {DateOrder::Dmy, DateOrder::Mdy}) {
        const TemplateLearner learner(order);
        for (const auto& each : cases) {
            SCOPED_TRACE(std::string(each.name) + " under " + dateOrderText(order).toStdString());
            // The order that the example leaves open is the run's.
            if (order == DateOrder::Mdy && QLatin1String(each.name) == QLatin1String("07.05.2024"))
                continue;
            const LearnOutcome outcome =
                learner.learn(document(each.id), QString::fromUtf8(each.name));
            ASSERT_TRUE(outcome.learned.has_value()) << outcome.reason.toStdString();
            EXPECT_EQ(afterCondition(outcome.learned->text), QString::fromUtf8(each.field));
            EXPECT_EQ(nameOrReason(outcome.learned->parsed, document(each.other)),
                      QString::fromUtf8(each.otherName));
        }
    }
}

// Each part of the name from the source that survives another document of the kind.
TEST_F(TemplateLearning, EachPartFromWhereItSurvives) {
    const struct {
        const char* id;
        const char* name;
        const char* learned; // the template after its {if}
        const char* other;
        const char* otherName;
    } cases[] = {
        // The rest of the line for a value of varying length; N words where a value goes on.
        {"alder1", "AF-7731 Harbour Works East",
         R"T({after "Invoice No.:" line} {after "Project:" line})T", "alder3",
         "AF-7802 North Quay Cranes Phase Two"},
        {"alder1", "Harbour AF-7731", R"T({after "Project:" 1} {after "Invoice No.:" line})T",
         "alder3", "North AF-7802"},
        // Literal text for what no document holds; a trailing ".pdf" is no part of the name.
        {"alder1", "Paid/AF-7731.pdf", R"T(Paid/{after "Invoice No.:" line})T", "alder2",
         "Paid/AF-7790"},
        // Braces typed in the name stay text; a folder part that would climb out of the results
        // folder is no folder.
        {"alder1", "{Paid} AF-7731", R"T({{Paid}} {after "Invoice No.:" line})T", "alder2",
         "{Paid} AF-7790"},
        {"alder1", "../Paid/./AF-7731", R"T(Paid/{after "Invoice No.:" line})T", "alder2",
         "Paid/AF-7790"},
        // Text that stands so in the document is taken as it stands.
        {"alder1", "Alder & Finch - Harbour Road", "Alder & Finch - Harbour Road", "alder2",
         "Alder & Finch - Harbour Road"},
        {"alder1", "af-7731", R"T({after "Invoice No.:" line:lower})T", "alder2", "af-7790"},
        {"alder1", "alder1 AF-7731", R"T({file} {after "Invoice No.:" line})T", "alder2",
         "alder2 AF-7790"},
        // A number glued to a comma: a pattern takes the digits only.
        {"cedar1", "Springfield 77", R"T(Springfield {match "PO\h+Box\h+([0-9]+)"})T", "cedar2",
         "Springfield 77"},
        // No label right before the value: the words before it still find it where the item
        // lines above move it.
        {"bolt1", "ZX-88", R"T({match "Auftrag\h+[0-9]+\h+(\p{L}+\-[0-9]+)"})T", "bolt2", "QB-104"},
        {"bolt1", "Bolt 2024/R-2024-118",
         R"T(Bolt {date after "Datum:" "%Y"}/{after "Rechnungsnummer:" line})T", "bolt3",
         "Bolt 2025/R-2025-007"},
    };
    const TemplateLearner learner(DateOrder::Dmy);
    for (const auto& each : cases) {
        SCOPED_TRACE(each.name);
        const LearnOutcome outcome = learner.learn(document(each.id), QString::fromUtf8(each.name));
        ASSERT_TRUE(outcome.learned.has_value()) << outcome.reason.toStdString();
        EXPECT_EQ(afterCondition(outcome.learned->text), QString::fromUtf8(each.learned));
        // The text is the template read back.
        EXPECT_EQ(outcome.learned->text, printTemplate(outcome.learned->parsed));
        EXPECT_EQ(nameOrReason(outcome.learned->parsed, document(each.other)),
                  QString::fromUtf8(each.otherName));
    }
}

// The {if} text is the example's own (the sender's name, the top of its letterhead), never the
// recipient's address that every kind prints above it, nor text of another kind's document.
TEST_F(TemplateLearning, TheKindIsToldByTheSendersText) {
    const struct {
        const char* id;
        const char* name;
        QStringList others;
        const char* condition;
    } cases[] = {
        {"alder1", "AF-7731 Harbour Works East", {"bolt1", "cedar1"}, "Alder & Finch SARL"},
        {"alder1",
         "AF-7731",
         {"bolt1", "cedar1", "alder2", "alder3", "dune1", "dune2"},
         "Alder & Finch SARL"},
        {"bolt1", "R-2024-118", {"alder1", "cedar1", "dune1"}, "Bolt GmbH"},
        {"cedar1", "5512-0097", {}, "CEDAR UTILITIES INC."},
        // Nothing else known and nothing typed: the firm rather than the recipient above it.
        {"alder1", "AF-7731", {}, "Alder & Finch SARL"},
        // The sender's name typed as literal text marks the sender.
        {"bolt1", "Bolt R-2024-118", {}, "Bolt GmbH"},
    };
    const TemplateLearner learner(DateOrder::Dmy);
    for (const auto& each : cases) {
        SCOPED_TRACE(std::string(each.id) + " " + each.name);
        const LearnOutcome outcome = learner.learn(document(each.id), QString::fromUtf8(each.name),
                                                   documentsOf(each.others));
        ASSERT_TRUE(outcome.learned.has_value()) << outcome.reason.toStdString();
        EXPECT_EQ(conditionOf(outcome.learned->text), QString::fromUtf8(each.condition));
        EXPECT_EQ(
            nameOrReason(outcome.learned->parsed, document("dune1")),
            QStringLiteral("no value for {if \"%1\"}").arg(QString::fromUtf8(each.condition)));
    }
}

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

} // namespace corvander
