// The table of naming rules is what the window's list, the command line's families and its help
// are made from: each rule must be reachable the way its own usage line says.
#include "cli/arguments.h"
#include "cli/command_settings.h"
#include "cli/help_text.h"
#include "naming/rules/naming_rules.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace corvander {

namespace {

// The usage line with a sample value for each of its placeholders.
QList<QByteArray> argumentsOfUsage(const QString& usage) {
    static const QMap<QString, QByteArray> samples = {
        {QStringLiteral("X"), "3"},        {QStringLiteral("N"), "2"},
        {QStringLiteral("Y"), "5"},        {QStringLiteral("TEXT"), "Invoice No"},
        {QStringLiteral("LIST"), "10,11"}, {QStringLiteral("FORMAT"), "%a - %t"},
    };
    QList<QByteArray> arguments;
    for (const QString& word : usage.split(QLatin1Char(' ')))
        arguments << samples.value(word, word.toUtf8());
    return arguments;
}

} // namespace

TEST(NamingRules, TheListOffersTheContentRulesInTableOrder) {
    const QStringList labels = contentLabels();
    ASSERT_EQ(labels.size(), 7);
    EXPECT_EQ(labels.first(), QStringLiteral("Rename by the first x word(s)"));
    EXPECT_EQ(contentRuleAt(-1), nullptr);
    EXPECT_EQ(contentRuleAt(labels.size()), nullptr);
    for (int index = 0; index < labels.size(); ++index) {
        const NamingRule* rule = contentRuleAt(index);
        ASSERT_NE(rule, nullptr);
        EXPECT_EQ(rule->label(), labels.at(index));
        EXPECT_EQ(comboIndexOf(rule->id()), index);
        EXPECT_EQ(&namingRule(rule->id()), rule);
    }
    EXPECT_EQ(comboIndexOf(RuleId::Metadata), -1);
    EXPECT_EQ(namingRule(RuleId::Metadata).family(), Family::Metadata);
}

TEST(NamingRules, EachRuleIsChosenByTheOptionsItsUsageShows) {
    QTemporaryDir results;
    const QString help = renameHelp();
    qsizetype lastPlace = -1;
    for (const NamingRule* rule : namingRules()) {
        SCOPED_TRACE(rule->usage().toStdString());
        QList<QByteArray> arguments = argumentsOfUsage(rule->usage());
        arguments << "--to" << results.path().toUtf8() << "a.pdf";
        const RenameSettings settings =
            renameSettingsOf(parseArguments(QStringLiteral("rename"), arguments));
        EXPECT_EQ(settings.rule, rule->id());
        EXPECT_EQ(settings.mode, comboIndexOf(rule->id()));
        EXPECT_EQ(settings.metadata, rule->family() == Family::Metadata);
        // The answers reach the file's arguments as the prompts' would.
        const FileArguments file = rule->argumentsFor(settings.parameters);
        if (rule->usage().contains(QStringLiteral(" X"))) {
            EXPECT_EQ(file.count, QStringLiteral("3"));
        }
        if (rule->usage().contains(QStringLiteral("TEXT"))) {
            EXPECT_EQ(file.searchText, QStringLiteral("Invoice No"));
        }
        if (rule->usage().contains(QStringLiteral("--page Y"))) {
            EXPECT_EQ(file.page, QStringLiteral("5"));
        }
        if (rule->family() == Family::Metadata) {
            EXPECT_EQ(settings.format, QStringLiteral("%a - %t"));
        }
        // --help lists the rules in the table's order.
        const qsizetype place =
            help.indexOf(QStringLiteral("\n  ") + rule->usage() + QLatin1Char(' '));
        EXPECT_GT(place, lastPlace);
        lastPlace = place;
    }
}

} // namespace corvander
