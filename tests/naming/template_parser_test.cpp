#include "naming/template/template_parser.h"
#include "naming/template/template_printer.h"
#include "tests/naming/qt_printing.h"

#include <gtest/gtest.h>

namespace corvander {

namespace {

// The alternatives of a template that is one field and nothing else.
QList<Alternative> alternativesOf(const QString& text) {
    const TemplateParse parse = parseTemplate(text);
    EXPECT_TRUE(parse.ok()) << text.toStdString() << ": "
                            << (parse.error ? parse.error->message.toStdString() : "");
    if (!parse.ok() || parse.parsed.parts.size() != 1)
        return {};
    return parse.parsed.parts.first().field.alternatives;
}

Alternative onlyAlternative(const QString& text) {
    const QList<Alternative> alternatives = alternativesOf(text);
    EXPECT_EQ(alternatives.size(), 1) << text.toStdString();
    return alternatives.value(0);
}

} // namespace

// Every field of the table reads, and prints back in its one canonical form: the arguments in
// the table's order, whatever order they were written in.
TEST(TemplateParser, ReadsEveryFieldAndPrintsItCanonically) {
    const struct {
        const char* text;
        const char* printed;
    } cases[] = {
        {"{words 1-2}", "{words 1-2}"},
        {"{words 3}", "{words 3}"},
        {"{words 4-4}", "{words 4}"},
        {"{words 2-5 page 3}", "{words 2-5 page 3}"},
        {"{words page last 1-3}", "{words 1-3 page last}"},
        {R"({after "Invoice No.:" 1})", R"({after "Invoice No.:" 1})"},
        {R"({after 2 "Total"})", R"({after "Total" 2})"},
        {R"({after line "Customer:"})", R"({after "Customer:" line})"},
        {R"({before "SARL" 2})", R"({before "SARL" 2})"},
        {R"T({match "No\. (\d+)"})T", R"T({match "No\. (\d+)"})T"},
        {R"({match page 2 "^Ref (.*)$"})", R"({match "^Ref (.*)$" page 2})"},
        {"{zone 1 72 100.5 200 30}", "{zone 1 72 100.5 200 30}"},
        {"{zone last 0 0 612 792}", "{zone last 0 0 612 792}"},
        {"{date}", "{date}"},
        {R"({date mdy "%d.%m.%Y" after "Date:"})", R"({date after "Date:" "%d.%m.%Y" mdy})"},
        {R"({date "%Y" after "Invoice date:"})", R"({date after "Invoice date:" "%Y"})"},
        {"{date ymd}", "{date ymd}"},
        {R"({if "Alder & Finch"})", R"({if "Alder & Finch"})"},
        {"{author}", "{author}"},
        {"{title}", "{title}"},
        {"{subject}", "{subject}"},
        {"{creator}", "{creator}"},
        {"{producer}", "{producer}"},
        {"{keywords}", "{keywords}"},
        {"{created}", "{created}"},
        {R"({modified "%d.%m.%Y"})", R"({modified "%d.%m.%Y"})"},
        {"{version}", "{version}"},
        {"{pages}", "{pages}"},
        {"{file}", "{file}"},
        {"{folder}", "{folder}"},
        {R"({"untitled"})", R"({"untitled"})"},
        {"{  title  }", "{title}"},
    };
    for (const auto& each : cases) {
        const TemplateParse parse = parseTemplate(QString::fromUtf8(each.text));
        ASSERT_TRUE(parse.ok()) << each.text << ": " << parse.error->message.toStdString();
        EXPECT_EQ(printTemplate(parse.parsed), QString::fromUtf8(each.printed)) << each.text;
    }
}

TEST(TemplateParser, KeepsWhatEachArgumentSays) {
    const Alternative words = onlyAlternative(QStringLiteral("{words page last 2-7}"));
    EXPECT_EQ(words.kind, FieldKind::Words);
    EXPECT_EQ(words.first, 2);
    EXPECT_EQ(words.last, 7);
    EXPECT_EQ(words.page, PageRef::lastPage());

    const Alternative line = onlyAlternative(QStringLiteral(R"({after "Ref:" line})"));
    EXPECT_TRUE(line.restOfLine);
    EXPECT_EQ(line.text, QStringLiteral("Ref:"));

    const Alternative zone = onlyAlternative(QStringLiteral("{zone 2 10.25 20 300 40.5}"));
    EXPECT_EQ(zone.page, (PageRef{2, false}));
    EXPECT_EQ(zone.zone, (ZoneRect{10.25, 20, 300, 40.5}));

    const Alternative date =
        onlyAlternative(QStringLiteral(R"({date mdy after "Date:" "%d.%m.%Y"})"));
    EXPECT_EQ(date.text, QStringLiteral("Date:"));
    EXPECT_EQ(date.format, QStringLiteral("%d.%m.%Y"));
    EXPECT_EQ(date.order, DateOrder::Mdy);
}

// Inside quotes only \" and \\ are escapes; every other backslash reaches the expression, and
// blanks, bars and braces are part of the text.
TEST(TemplateParser, ReadsQuotesAndBackslashes) {
    const struct {
        const char* field;
        const char* text;
    } cases[] = {
        {R"T({match "No\. (\d+)"})T", R"(No\. (\d+))"},
        {R"({after "say \"hi\"" 1})", R"(say "hi")"},
        {R"({after "a\\b" 1})", R"(a\b)"},
        {R"({after "a\\\b" 1})", R"(a\\b)"},
        {R"({after "ends in \\" 1})", R"(ends in \)"},
        {R"({"a | b {c} d"})", "a | b {c} d"},
        {R"({""})", ""},
    };
    for (const auto& each : cases)
        EXPECT_EQ(onlyAlternative(QString::fromUtf8(each.field)).text, QString::fromUtf8(each.text))
            << each.field;
}

TEST(TemplateParser, ReadsModifiersLeftToRightWithOrWithoutABlank) {
    using Mods = QList<Modifier>;
    const struct {
        const char* field;
        Mods modifiers;
    } cases[] = {
        {R"({before "SARL" 1:upper})", Mods{{ModifierKind::Upper, 0}}},
        {"{title :lower :title}", Mods{{ModifierKind::Lower, 0}, {ModifierKind::Title, 0}}},
        {"{title:max 20:upper}", Mods{{ModifierKind::Max, 20}, {ModifierKind::Upper, 0}}},
        {"{title :upper :max 3}", Mods{{ModifierKind::Upper, 0}, {ModifierKind::Max, 3}}},
        {R"({"x":upper})", Mods{{ModifierKind::Upper, 0}}},
    };
    for (const auto& each : cases)
        EXPECT_EQ(onlyAlternative(QString::fromUtf8(each.field)).modifiers, each.modifiers)
            << each.field;
}

TEST(TemplateParser, ReadsFallbacksInOrder) {
    const QList<Alternative> alternatives =
        alternativesOf(QStringLiteral(R"({title:upper | author|"untitled"})"));
    ASSERT_EQ(alternatives.size(), 3);
    EXPECT_EQ(alternatives.at(0).kind, FieldKind::Title);
    EXPECT_EQ(alternatives.at(0).modifiers.size(), 1);
    EXPECT_EQ(alternatives.at(1).kind, FieldKind::Author);
    EXPECT_EQ(alternatives.at(2).kind, FieldKind::Literal);
    EXPECT_EQ(alternatives.at(2).text, QStringLiteral("untitled"));

    const QList<Alternative> mayBeEmpty = alternativesOf(QStringLiteral(R"({title|""})"));
    ASSERT_EQ(mayBeEmpty.size(), 2);
    EXPECT_EQ(mayBeEmpty.at(1).kind, FieldKind::Literal);
    EXPECT_TRUE(mayBeEmpty.at(1).text.isEmpty());
}

// Literal text, doubled braces and folder breaks become parts of their own.
TEST(TemplateParser, SplitsLiteralTextBracesAndFolders) {
    using Kind = TemplatePart::Kind;
    const TemplateParse parse =
        parseTemplate(QStringLiteral("Bank/{date \"%Y\"}/a{{{title}}}b {{x}}"));
    ASSERT_TRUE(parse.ok()) << parse.error->message.toStdString();
    const QList<TemplatePart>& parts = parse.parsed.parts;
    ASSERT_EQ(parts.size(), 7);
    EXPECT_EQ(parts.at(0), TemplatePart::literal(QStringLiteral("Bank")));
    EXPECT_EQ(parts.at(1).kind, Kind::FolderBreak);
    EXPECT_EQ(parts.at(2).kind, Kind::Field);
    EXPECT_EQ(parts.at(2).field.written, QStringLiteral("{date \"%Y\"}"));
    EXPECT_EQ(parts.at(3).kind, Kind::FolderBreak);
    EXPECT_EQ(parts.at(4), TemplatePart::literal(QStringLiteral("a{")));
    EXPECT_EQ(parts.at(5).field.alternatives.value(0).kind, FieldKind::Title);
    EXPECT_EQ(parts.at(6), TemplatePart::literal(QStringLiteral("}b {x}")));
}

// Each refusal names what is wrong and where, counting characters from 1.
TEST(TemplateParser, RefusesMistakesAndSaysWhere) {
    const struct {
        const char* text;
        int position;
        const char* says;
    } cases[] = {
        {"/{title}", 1, "cannot begin with \"/\""},
        {"a/../{title}", 3, "folder part \"..\""},
        {"a/ . /{title}", 3, "folder part \".\""},
        {"x {wrods 1-2}", 4, "unknown field name \"wrods\" in {wrods 1-2}"},
        {"{Title}", 2, "unknown field name \"Title\""},
        {"{words 0-2}", 8, "wrong argument \"0-2\" in {words 0-2}"},
        {"{words 3-2}", 8, "wrong argument \"3-2\""},
        {"{words}", 2, "missing argument in {words}"},
        {"{words 1-2 page 0}", 17, "wrong argument \"0\""},
        {"{words 1-2 3}", 12, "wrong argument \"3\""},
        {R"({after "No"})", 2, "missing argument"},
        {R"({after "No" 1 2})", 15, "wrong argument \"2\""},
        {R"({after "" 1})", 8, "the quoted text is empty"},
        {R"({before "No" line})", 14, "wrong argument \"line\""},
        {"{title 1}", 8, "wrong argument \"1\" in {title 1}"},
        {"{zone 1 10 20 30}", 2, "missing argument"},
        {"{zone 1 10 20 30 -5}", 18, "wrong argument \"-5\""},
        {"{zone 0 10 20 30 40}", 7, "wrong argument \"0\""},
        {"{created mdy}", 10, "wrong argument \"mdy\""},
        {"{date after}", 2, "missing argument"},
        {"{date dmy mdy}", 11, "wrong argument \"mdy\""},
        {"{title", 1, "unbalanced brace in {title"},
        {"{title}}", 8, "unbalanced brace"},
        {"abc}", 4, "unbalanced brace"},
        {"{title {author}}", 8, "unbalanced brace"},
        {R"({after "No 1})", 8, "unbalanced quote"},
        {R"({match "(\d+"})", 8, "regular expression that does not compile"},
        {R"({date "%q"})", 7, "bad date format in {date \"%q\"}"},
        {R"({created "%Y %q"})", 10, "bad date format"},
        {"{title:shout}", 7, "unknown modifier \":shout\""},
        {"{title:max}", 7, "wrong modifier :max"},
        {"{title:max 0}", 7, "wrong modifier :max"},
        {"{title:upper 3}", 14, "arguments come before the modifiers"},
        {"{title|}", 8, "empty alternative"},
        {"{}", 2, "empty alternative"},
        {"{:upper}", 2, "missing field name"},
    };
    for (const auto& each : cases) {
        const TemplateParse parse = parseTemplate(QString::fromUtf8(each.text));
        ASSERT_FALSE(parse.ok()) << each.text;
        EXPECT_EQ(parse.error->position, each.position) << each.text;
        EXPECT_TRUE(parse.error->message.contains(QString::fromUtf8(each.says)))
            << each.text << ": " << parse.error->message.toStdString();
        EXPECT_TRUE(
            parse.error->message.contains(QStringLiteral("at character %1").arg(each.position)))
            << parse.error->message.toStdString();
    }
}

// A position counts characters, not the halves of a character outside the basic plane.
TEST(TemplateParser, CountsPositionsInCharacters) {
    const QString text = QStringLiteral("\U0001F600 {wrods}");
    const TemplateParse parse = parseTemplate(text);
    ASSERT_FALSE(parse.ok());
    EXPECT_EQ(parse.error->position, 4);
    EXPECT_EQ(parse.error->index, 4);
    EXPECT_EQ(text.mid(parse.error->index, 5), QStringLiteral("wrods"));
}

// Printing a template and reading it back gives the same template, and the same text again.
TEST(TemplateParser, PrintsWhatItReadsBack) {
    const char* templates[] = {
        R"({date after "Invoice date:"} {words 1-2}/{after "Invoice No.:" 1} {title|"untitled"})",
        R"T(Bank/{date "%Y"}/{{{match "IBAN \"?([A-Z]{2}\d+)\\\\" page last:max 12}}})T",
        R"({before "SARL" 1:upper} - {title :lower :title}_{zone last 0.5 10 200.75 30})",
        R"({"a\"b\\"}{if "x \\ y"}{after "C:\\" line}{created "%d.%m.%y"}{modified}{version})",
        R"({words 3 page 2|pages|file|folder|""} {date ymd "%%%Y"} 100%)",
    };
    for (const char* text : templates) {
        const TemplateParse first = parseTemplate(QString::fromUtf8(text));
        ASSERT_TRUE(first.ok()) << text << ": " << first.error->message.toStdString();
        const QString printed = printTemplate(first.parsed);
        const TemplateParse second = parseTemplate(printed);
        ASSERT_TRUE(second.ok()) << printed.toStdString();
        EXPECT_EQ(second.parsed, first.parsed) << printed.toStdString();
        EXPECT_EQ(printTemplate(second.parsed), printed);
    }
}

// A template built in code prints so that the reader gives back exactly what was built.
TEST(TemplateParser, PrintsTemplatesBuiltInCode) {
    Alternative label;
    label.kind = FieldKind::After;
    label.text = QStringLiteral(R"(Ref "A\" \d)");
    label.count = 2;
    Alternative literal;
    literal.text = QStringLiteral("none}");
    const Template built{{TemplatePart::literal(QStringLiteral("{x} ")),
                          TemplatePart::ofField({{label, literal}, {}}),
                          TemplatePart::folderBreak(), TemplatePart::literal(QStringLiteral("y"))}};
    const TemplateParse parse = parseTemplate(printTemplate(built));
    ASSERT_TRUE(parse.ok()) << parse.error->message.toStdString();
    EXPECT_EQ(parse.parsed, built) << printTemplate(built).toStdString();
}

} // namespace corvander
