#pragma once

#include "extract/extract_request.h"
#include "naming/planned_file.h"

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace corvander {

class Dialogs;

// Every way this program names a file. The content modes come in Combo1's order.
enum class RuleId {
    FirstWords,
    PageTwoWords,
    LastPageWords,
    PageWords,
    WordNumbers,
    WordsAfter,
    WordsBefore,
    Metadata,
    Template,
};

// The exclusive choice of the window's option buttons; each rule belongs to one.
enum class Family { Content, Metadata, Template };

// What the user gave at the start of a run (the prompts' answers, or the command line's options),
// kept as text: the content modes convert it at each file's turn, as the window always has.
struct RunParameters {
    QString first;         // x (modes 0 to 3), n (modes 5, 6), the first listed number (mode 4)
    QString second;        // y (mode 3); empty otherwise
    QString wordList;      // mode 4: the answer as typed
    QString searchText;    // modes 5 and 6
    QString format;        // rename by metadata, from the command line
    QStringList templates; // rename by template: one template per entry, as typed
    QString dateOrder;     // rename by template: "dmy", "mdy", "ymd"; empty for the locale's

    // The answers given, as "name=value" ("x=3", "words=10,11", "text=Invoice No").
    QStringList described() const;
};

// The arguments of one file's call, chosen by the rule as it is when that file's turn comes.
struct FileArguments {
    QString count;
    QString page;
    QString wordList;
    QString searchText;
};

// The arguments once converted, and the metadata format as it stands at the file's turn.
struct RuleArguments {
    int count = 0;
    int page = 0;
    QString wordList;
    QString searchText;
    QString format;
    QStringList templates;
    QString dateOrder;
};

// The arguments of a content mode.
inline RuleArguments contentArguments(int count, int page, const QString& wordList,
                                      const QString& searchText) {
    RuleArguments arguments;
    arguments.count = count;
    arguments.page = page;
    arguments.wordList = wordList;
    arguments.searchText = searchText;
    return arguments;
}

// The command line's options as given: the value of each option that takes one.
using OptionValues = QMap<QString, QString>;

// One way of naming a file: how the user chooses it and gives what it needs, the one extraction it
// needs for a file, and the planning of the file from that extraction. The design's quirks of a
// mode stay inside its rule.
class NamingRule {
public:
    virtual ~NamingRule() = default;

    virtual RuleId id() const = 0;
    virtual Family family() const = 0;
    // Combo1's item for a content mode; empty for a rule the list does not offer.
    virtual QString label() const { return {}; }

    // The command line: the options that choose the rule, as --help shows them ("--words X
    // --page 2"), and what it names the file by.
    virtual QString usage() const = 0;
    virtual QString description() const = 0;
    // The option that leads the choice ("--words", "--after", "--format").
    virtual QString leadingOption() const = 0;
    // Whether the leading option, with --page as given (or nothing), chooses this rule.
    virtual bool chosenBy(const std::optional<QString>& page) const { return !page.has_value(); }
    // Reads the rule's options into the answers its prompts would collect; a problem names the
    // option and what is wrong with it.
    virtual std::optional<QString> readOptions(const OptionValues& values,
                                               RunParameters& answers) const = 0;

    // The window's prompts at the start of a run; nothing when the user left one.
    virtual std::optional<RunParameters> ask(Dialogs& dialogs) const = 0;
    // The answers given for whichever mode the run began with, mapped onto this rule.
    virtual FileArguments argumentsFor(const RunParameters& answers) const = 0;

    // The extraction a file needs; nothing when it is planned without reading it.
    virtual std::optional<ExtractRequest> request(const QString& path,
                                                  const RuleArguments& arguments) const = 0;
    // A name or a skip reason, with provenance, from the answer to request() (nothing when that
    // asked for no extraction).
    virtual PlannedFile plan(const QString& path, const RuleArguments& arguments,
                             const std::optional<ExtractResult>& extracted) const = 0;
};

} // namespace corvander
