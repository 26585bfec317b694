#include "tests/naming/field_fixture.h"

namespace corvander {

using OtherFields = FieldTest;

namespace {

// A form's first page as `pdftotext -bbox` lists its words: not in reading order, so that the
// zone's order can be told from the position's.
TemplateDocument formWithBoxes() {
    TemplateDocument document = textDocument(QStringLiteral("Form\r\n\f\f"));
    PageWords first{1, 612, 792, {}};
    first.words = {
        {QStringLiteral("Finch"), 160, 100, 200, 112}, // centre 180, 106
        {QStringLiteral("Alder"), 100, 100, 140, 112}, // centre 120, 106
        {QStringLiteral("SARL"), 210, 100, 250, 112},  // centre 230, 106
        {QStringLiteral("Total"), 100, 300, 140, 312}, // centre 120, 306
        {QStringLiteral("Wide"), 20, 100, 400, 140},   // centre 210, 120: overlaps, lies outside
    };
    PageWords second{2, 612, 792, {{QStringLiteral("Page-two"), 50, 50, 90, 60}}};
    document.pageWords = {first, second};
    return document;
}

} // namespace

// A word counts when its box centre lies in the rectangle, the border included; the words keep
// the order in which the page lists them.
TEST_F(OtherFields, ZonesTakeTheWordsWhoseCentreLiesInside) {
    const TemplateDocument form = formWithBoxes();
    expectValues(form, {
                           {"{zone 1 100 100 150 12}", "Finch Alder SARL"},
                           {"{zone 1 120 106 110 0}", "Finch Alder SARL"},
                           {"{zone 1 120 106 59.5 0}", "Alder"},
                           {"{zone 1 120.5 90 59 30}", "<none>"},
                           {"{zone 1 0 280 300 40}", "Total"},
                           {"{zone 1 0 0 612 792}", "Finch Alder SARL Total Wide"},
                           {"{zone 2 0 0 100 100}", "Page-two"},
                           {"{zone last 0 0 100 100}", "Page-two"},
                           {"{zone 3 0 0 612 792}", "<none>"},
                       });
    const auto source = valueOf(QStringLiteral("{zone last 0 0 100 100}"), form);
    ASSERT_TRUE(source.has_value());
    EXPECT_EQ(source->source, QStringLiteral("zone of page 2"));
}

// What %a %t %s %c %p %k %v %g find in rename by metadata, and the dates of the document
// information in local time, as pdfinfo prints them.
TEST_F(OtherFields, DocumentInformation) {
    expectValues(invoice(), {
                                {"{title}", "ANNUAL report"},
                                {"{title :lower :title}", "Annual Report"},
                                {"{creator}", "Writer 7"},
                                {"{producer}", "Press 2"},
                                {"{keywords}", "invoice, 2024"},
                                {"{subject}", "From the XML"},
                                {"{author}", "<none>"},
                                {R"T({author|"no author"})T", "no author"},
                                {R"T({author|""})T", ""},
                                {"{version}", "1.4"},
                                {"{pages}", "3"},
                                {"{created}", "2024-03-14"},
                                {R"T({created "%d.%m.%y"})T", "14.03.24"},
                                {"{modified}", "2024-01-01"},
                            });
    const struct {
        const char* field;
        const char* source;
    } sources[] = {
        {"{title}", "Title from the document information"},
        {"{subject}", "Subject from the XML metadata"},
        {"{version}", "PDF Version from the document information"},
        {"{created}", "CreationDate from the document information"},
        {R"T({author|"x"})T", "literal text"},
    };
    for (const auto& each : sources) {
        const auto result = valueOf(QString::fromUtf8(each.field), invoice());
        ASSERT_TRUE(result.has_value()) << each.field;
        EXPECT_EQ(result->source, QString::fromUtf8(each.source)) << each.field;
    }
}

// pdfinfo writes the moment in the local time zone: 20:00 UTC is the next day in Tokyo.
TEST_F(OtherFields, DatesOfTheInformationAreLocalDates) {
    QTemporaryDir folder;
    const TemplateDocument tokyo = extractedDocument(
        invoicePdf(), folder.filePath(QStringLiteral("t.pdf")), QStringLiteral("Asia/Tokyo"));
    expectValues(tokyo, {{"{created}", "2024-03-15"}, {"{modified}", "2024-01-01"}});

    TemplateDocument printed = textDocument({});
    printed.infoLines = QStringList{QStringLiteral("CreationDate:    Thu Mar  7 09:05:00 2024 CET"),
                                    QStringLiteral("ModDate:         2023-12-31T23:00:00+01")};
    expectValues(printed, {{"{created}", "2024-03-07"}, {"{modified}", "2023-12-31"}});
    printed.infoLines = QStringList{QStringLiteral("CreationDate:    yesterday")};
    expectValues(printed, {{"{created}", "<none>"}});
    printed.infoLines.reset();
    expectValues(printed, {{"{title}", "<none>"}, {"{pages}", "<none>"}, {"{created}", "<none>"}});
}

TEST_F(OtherFields, TheFilesOwnNameAndFolder) {
    expectValues(invoice(), {{"{file}", "Scan 7.v2"}, {"{folder}", "In Box"}});
    expectValues(textDocument({}, QStringLiteral("/report.pdf")),
                 {{"{file}", "report"}, {"{folder}", "<none>"}});
}

TEST_F(OtherFields, ModifiersApplyLeftToRight) {
    using Mods = QList<Modifier>;
    const Modifier upper{ModifierKind::Upper, 0};
    const Modifier lower{ModifierKind::Lower, 0};
    const Modifier title{ModifierKind::Title, 0};
    const auto max = [](int count) { return Modifier{ModifierKind::Max, count}; };
    const struct {
        QString value;
        Mods modifiers;
        QString expected;
    } cases[] = {
        {QStringLiteral("Alder & Finch"), {upper}, QStringLiteral("ALDER & FINCH")},
        {QStringLiteral("ÉCOLE Größe"), {lower}, QStringLiteral("école größe")},
        {QStringLiteral("mcDonald (paris) 2nd éte"),
         {title},
         QStringLiteral("McDonald (Paris) 2nd Éte")},
        {QStringLiteral("ANNUAL report"), {lower, title}, QStringLiteral("Annual Report")},
        {QStringLiteral("ANNUAL report"), {title, lower}, QStringLiteral("annual report")},
        {QStringLiteral("Jane Roe Trading"), {max(9)}, QStringLiteral("Jane Roe")},
        {QStringLiteral("Jane Roe Trading"), {max(50)}, QStringLiteral("Jane Roe Trading")},
        // Characters, not halves of one: four emoji stay whole.
        {QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600\U0001F600"),
         {max(4)},
         QStringLiteral("\U0001F600\U0001F600\U0001F600\U0001F600")},
        {QStringLiteral("abc def"), {max(4), upper}, QStringLiteral("ABC")},
    };
    for (const auto& each : cases)
        EXPECT_EQ(applyModifiers(each.value, each.modifiers), each.expected)
            << each.value.toStdString();
    expectValues(invoice(), {{R"T({before "SARL" 1:upper})T", "FINCH"},
                             {R"T({after "Customer:" line :max 8 :lower})T", "jane roe"}});
}

} // namespace corvander
