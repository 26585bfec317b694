#include "tests/run/fast/recorded_cases.h"

#include "naming/rules/naming_rules.h"

namespace corvander {

namespace {

OptionValues options(std::initializer_list<std::pair<const char*, const char*>> given) {
    OptionValues values;
    for (const auto& [option, value] : given)
        values.insert(QString::fromUtf8(option), QString::fromUtf8(value));
    return values;
}

// A page past the last says how many pages there are.
const QString kOnePage = QStringLiteral("skipped: the document has only 1 page");
const QString kEmpty = QStringLiteral("skipped: empty name after cleaning");

} // namespace

QList<RecordedCase> recordedCases() {
    return {
        {options({{"--words", "5"}}),
         {"Jonas Weller 12 Orchard Lane,", "Water Quality in the River",
          "Alderbank Paper Supplies 7 Mill", "Minutes of the Board Meeting"}},
        {options({{"--words", "3"}, {"--page", "2"}}),
         {kOnePage, "Method Samples were", kOnePage, "2. The roof"}},
        {options({{"--words", "4"}, {"--page", "last"}}),
         {"Jonas Weller 12 Orchard", "Conclusions The river meets", "Alderbank Paper Supplies 7",
          "2. The roof repair"}},
        {options({{"--words", "2"}, {"--page", "3"}}),
         {kOnePage, "Conclusions The", kOnePage, "skipped: the document has only 2 pages"}},
        {options({{"--word-numbers", "2,3"}}),
         {"Weller 12", "Quality in", "Paper Supplies", "of the"}},
        // A text that is not there keeps the file's own name.
        {options({{"--after", "date:"}, {"--words", "3"}}),
         {"document", "report_final_v2", "14 March 2024", "9 May 2024"}},
        {options({{"--before", "2024"}, {"--words", "2"}}),
         {"3 June", "continues in", "14 March", "9 May"}},
        {options({{"--format", "%a - %t"}}),
         {"Jonas Weller -", "Maren Holt - Water Quality in the River Aln",
          "Alderbank Paper Supplies - Invoice 2041-07", "C. Dale - Board Meeting Minutes"}},
        {options({{"--format", "%t"}}),
         {kEmpty, "Water Quality in the River Aln", "Invoice 2041-07", "Board Meeting Minutes"}},
        {options({{"--format", "%d - %g - %v"}}),
         {"Mon Jun  3 181200 2024 UTC - 1 - 1.4", "Mon Jan 22 140500 2024 UTC - 3 - 1.4",
          "Thu Mar 14 093000 2024 UTC - 1 - 1.4", "Fri May 10 083000 2024 UTC - 2 - 1.4"}},
        {options({{"--format", ""}}), {"document", "report_final_v2", "scan0001", "untitled"}},
        {options({{"--template", "{date} {after \"No\" 1}"}}),
         {"skipped: no value for {after \"No\" 1}", "skipped: no value for {date}",
          "2024-03-14 2041-07", "skipped: no value for {after \"No\" 1}"}},
    };
}

const NamingRule* ruleChosenBy(const OptionValues& options, RunParameters& parameters) {
    const QString page = QStringLiteral("--page");
    const std::optional<QString> pageValue =
        options.contains(page) ? std::optional<QString>(options.value(page)) : std::nullopt;
    // --words leads only when no other family's option is given ("--after T --words N").
    QString leading = QStringLiteral("--words");
    for (const NamingRule* rule : namingRules()) {
        if (rule->leadingOption() != leading && options.contains(rule->leadingOption()))
            leading = rule->leadingOption();
    }
    for (const NamingRule* rule : namingRules()) {
        if (rule->leadingOption() != leading || !rule->chosenBy(pageValue))
            continue;
        if (rule->readOptions(options, parameters))
            return nullptr;
        return rule;
    }
    return nullptr;
}

} // namespace corvander
