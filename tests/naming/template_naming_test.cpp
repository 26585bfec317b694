#include "naming/template/template_naming.h"
#include "naming/template/template_needs.h"
#include "tests/naming/field_fixture.h"

namespace corvander {

namespace {

QList<Template> templatesOf(const QStringList& texts) {
    QList<Template> templates;
    for (const QString& text : texts) {
        const TemplateParse parse = parseTemplate(text);
        EXPECT_TRUE(parse.ok()) << text.toStdString() << ": "
                                << (parse.error ? parse.error->message.toStdString() : "");
        templates << parse.parsed;
    }
    return templates;
}

} // namespace

class TemplateNaming : public FieldTest {
protected:
    TemplateOutcome nameOf(const QStringList& texts, const TemplateDocument& document) const {
        const TemplateNamer namer(templatesOf(texts), DateOrder::Dmy);
        return namer.name(document);
    }
};

TEST_F(TemplateNaming, BuildsTheNameFromLiteralTextAndFields) {
    const TemplateOutcome outcome = nameOf(
        {QStringLiteral(R"T({date after "Invoice date:"} {words 1-3}/{after "Invoice No.:" 1} )T"
                        R"T({title|"untitled"})T")},
        invoice());
    EXPECT_EQ(outcome.relativeName,
              QStringLiteral("2024-05-07 Alder & Finch/AF-7731 ANNUAL report"));
    EXPECT_TRUE(outcome.skipReason.isEmpty());
    EXPECT_EQ(outcome.templateIndex, 0);
    ASSERT_EQ(outcome.fields.size(), 4);
    EXPECT_EQ(outcome.fields.at(0).field, QStringLiteral(R"T({date after "Invoice date:"})T"));
    EXPECT_EQ(outcome.fields.at(0).value, QStringLiteral("2024-05-07"));
    EXPECT_EQ(
        outcome.fields.at(0).source,
        QStringLiteral(R"T(date "07.05.2024" after "Invoice date:" on page 1, read as dmy)T"));
    EXPECT_EQ(outcome.fields.at(2).source, QStringLiteral(R"T(after "Invoice No.:" on page 1)T"));
    EXPECT_EQ(outcome.fields.at(3).source, QStringLiteral("Title from the document information"));
}

// Each sender's template tells its documents apart with {if}; the first template all of whose
// fields have a value names the file, and when none has, the first template's reason stands.
TEST_F(TemplateNaming, SeveralTemplatesTheFirstThatFitsNames) {
    const QStringList templates = {
        QStringLiteral(R"T({if "Bolt GmbH"}Bolt {after "Rechnung Nr.:" 1})T"),
        QStringLiteral(R"T({if "alder & finch"}AF {after "Invoice No.:" 1})T"),
        QStringLiteral("{words 1}"),
    };
    const TemplateOutcome second = nameOf(templates, invoice());
    EXPECT_EQ(second.relativeName, QStringLiteral("AF AF-7731"));
    EXPECT_EQ(second.templateIndex, 1);
    ASSERT_EQ(second.fields.size(), 2);
    EXPECT_EQ(second.fields.at(0).value, QString());
    EXPECT_EQ(second.fields.at(1).value, QStringLiteral("AF-7731"));

    const TemplateOutcome none =
        nameOf(templates.mid(0, 2), textDocument(QStringLiteral("Other sender\r\n\f")));
    EXPECT_TRUE(none.relativeName.isEmpty());
    EXPECT_EQ(none.skipReason, QStringLiteral(R"T(no value for {if "Bolt GmbH"})T"));
    EXPECT_EQ(none.templateIndex, 0);

    // The field is named as written, with its fallbacks and spacing.
    const TemplateOutcome asWritten =
        nameOf({QStringLiteral("x {author :upper|  subject}")}, textDocument({}));
    EXPECT_EQ(asWritten.skipReason, QStringLiteral("no value for {author :upper|  subject}"));
}

// A template whose fields all have values decides, even when its name comes out empty.
TEST_F(TemplateNaming, AnEmptyNameSkipsTheFile) {
    const TemplateOutcome empty =
        nameOf({QStringLiteral(R"T({author|""} ?*? {if "Alder"})T"), QStringLiteral("{words 1}")},
               invoice());
    EXPECT_TRUE(empty.relativeName.isEmpty());
    EXPECT_EQ(empty.skipReason, QStringLiteral("empty name"));
    EXPECT_EQ(empty.templateIndex, 0);
    EXPECT_EQ(nameOf({QStringLiteral("{words 1}/")}, invoice()).skipReason,
              QStringLiteral("empty name"));
    EXPECT_EQ(nameOf({}, invoice()).skipReason, QStringLiteral("empty name"));
}

// Each folder part and the name are cleaned on their own; a "/" in a value is removed, so only
// the template makes folders; a folder part that comes out empty, "." or ".." is left out.
TEST_F(TemplateNaming, CleansEachFolderPartOnItsOwn) {
    const TemplateDocument document = textDocument(
        QStringLiteral("Ref .. end\r\nBank: Crédit / Mutuel\r\nDate 07.05.2024\r\n\f"));
    const struct {
        const char* text;
        const char* name;
    } cases[] = {
        {R"T( {after "Bank:" line} : /  {date "%Y"} / {date "%d/%m/%Y"} * )T",
         "Crédit Mutuel/2024/07052024"},
        {R"T({author|""}/{words 1}//x)T", "Ref/x"},
        {R"T({after "Ref" 1}/x)T", "x"},
        {R"T(a/{after "Ref" 1}./x)T", "a/.../x"},
        {R"T(?*?/<>/name)T", "name"},
    };
    for (const auto& each : cases)
        EXPECT_EQ(nameOf({QString::fromUtf8(each.text)}, document).relativeName,
                  QString::fromUtf8(each.name))
            << each.text;
}

// A folder part is cut at 255 bytes between two characters; the name itself is left whole for
// the copy, which cuts it to fit with its "!" marks and ".pdf".
TEST_F(TemplateNaming, CutsLongFolderPartsBetweenCharacters) {
    const QString longTitle = QString(200, QChar(u'é')) + QStringLiteral(" end");
    TemplateDocument document = textDocument({});
    document.infoLines = QStringList{QStringLiteral("Title:           ") + longTitle,
                                     QStringLiteral("Subject:         ") +
                                         QString(254, QChar(u'a')) + QStringLiteral(" b")};
    const TemplateOutcome outcome = nameOf({QStringLiteral("{title}/{subject}/{title}")}, document);
    const QStringList parts = outcome.relativeName.split(QLatin1Char('/'));
    ASSERT_EQ(parts.size(), 3);
    EXPECT_EQ(parts.at(0), QString(127, QChar(u'é')));
    // The cut leaves a blank at the end, which goes like every other.
    EXPECT_EQ(parts.at(1), QString(254, QChar(u'a')));
    EXPECT_EQ(parts.at(2), longTitle);
    // Provenance keeps the value whole.
    EXPECT_EQ(outcome.fields.at(0).value, longTitle);
}

// One extraction for all fields of all templates, and how far the text must go.
TEST(TemplateNeedsTest, OneExtractionForEveryField) {
    const auto needsOf = [](const QStringList& texts) { return templateNeeds(templatesOf(texts)); };
    const auto pages = [](QList<int> numbers, bool last) { return PageSet{numbers, last}; };

    const TemplateNeeds leading =
        needsOf({QStringLiteral("{words 1-3} {words 2-8}"), QStringLiteral("{title|file}")});
    EXPECT_EQ(leading.text, TextExtent::Leading);
    EXPECT_EQ(leading.leadingWords, 8);
    EXPECT_TRUE(leading.stopsEarly());
    EXPECT_TRUE(leading.info);
    EXPECT_TRUE(leading.boxPages.isEmpty());

    const TemplateNeeds somePages =
        needsOf({QStringLiteral(R"T({words 1 page 3} {match "x" page last} {words 2 page 1})T")});
    EXPECT_EQ(somePages.text, TextExtent::Pages);
    EXPECT_EQ(somePages.textPages, pages({1, 3}, true));
    EXPECT_FALSE(somePages.info);

    // Words from the start and words of a page together: the whole text.
    EXPECT_EQ(needsOf({QStringLiteral("{words 1-2}"), QStringLiteral("{words 1 page 2}")}).text,
              TextExtent::Whole);
    for (const char* whole : {R"T({after "x" 1})T", R"T({before "x" 1})T", R"T({match "x"})T",
                              "{date}", R"T({if "x"})T", R"T({"a"|date after "x"})T"}) {
        const TemplateNeeds needs =
            needsOf({QStringLiteral("{words 1-2} "), QString::fromUtf8(whole)});
        EXPECT_EQ(needs.text, TextExtent::Whole) << whole;
        EXPECT_FALSE(needs.stopsEarly()) << whole;
    }

    const TemplateNeeds zones = needsOf({QStringLiteral("{zone 2 0 0 9 9}{zone last 1 1 5 5}")});
    EXPECT_EQ(zones.text, TextExtent::None);
    EXPECT_EQ(zones.boxPages, pages({2}, true));
    EXPECT_TRUE(zones.boxPages.contains(2, 7));
    EXPECT_TRUE(zones.boxPages.contains(7, 7));
    EXPECT_FALSE(zones.boxPages.contains(3, 7));

    for (const char* info : {"{created}", "{modified}", "{version}", "{pages}", "{keywords}"})
        EXPECT_EQ(needsOf({QString::fromUtf8(info)}),
                  (TemplateNeeds{TextExtent::None, 0, {}, {}, true}))
            << info;
    EXPECT_EQ(needsOf({QStringLiteral(R"T(a {file} {folder} {"x"})T")}), TemplateNeeds{});
}

} // namespace corvander
