#pragma once

// The tests' learning documents and what a learned template makes of them.
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

} // namespace corvander
