#include "tests/naming/field_fixture.h"

namespace corvander {

using TextFields = FieldTest;

// The extractor writes lines ending in CR LF and pages ending in a form feed, and the last line
// of a page is followed by an empty one; words run across all of it.
TEST_F(TextFields, WordsOfTheDocumentAndOfAPage) {
    ASSERT_TRUE(invoice().text.has_value());
    ASSERT_TRUE(invoice().text->contains(QStringLiteral("Invoice\r\nNo.:")));
    expectValues(invoice(), {
                                {"{words 1-2}", "Alder &"},
                                {"{words 3}", "Finch"},
                                {"{words 4-6}", "SARL 12 Harbour"},
                                {"{words 1-2 page 2}", "Delivery note"},
                                {"{words 4 page 2}", "03/04/2024"},
                                {"{words 1 page last}", "Terms"},
                                {"{words 4-5 page 3}", "Signed 09.10.2024"},
                                {"{words 4-6 page 3}", "<none>"},
                                {"{words 1 page 4}", "<none>"},
                                {"{words 40-41}", "<none>"},
                            });
}

TEST_F(TextFields, WordsAfterAndBeforeALabel) {
    expectValues(invoice(),
                 {
                     // Broken over two lines, and in another letter case.
                     {R"T({after "Invoice No.:" 1})T", "AF-7731"},
                     {R"T({after "invoice   NO.:" 2})T", "AF-7731 Total"},
                     {R"T({after "Customer:" 3})T", "Jane Roe Trading"},
                     // The words run on into the next line and the next page.
                     {R"T({after "Customer:" 5})T", "Jane Roe Trading Our reference"},
                     {R"T({after "Thank you" 5})T", "Terms and conditions Signed 09.10.2024"},
                     {R"T({after "Thank you" 6})T", "<none>"},
                     {R"T({after "Nowhere" 1})T", "<none>"},
                     {R"T({before "SARL" 1})T", "Finch"},
                     {R"T({before "SARL" 3})T", "Alder & Finch"},
                     {R"T({before "Alder" 1})T", "<none>"},
                     {R"T({before "Invoice No.:" 2})T", "reference 4471"},
                 });
}

TEST_F(TextFields, TheRestOfALine) {
    expectValues(invoice(), {
                                {R"T({after "Customer:" line})T", "Jane Roe Trading"},
                                {R"T({after "Invoice No.:" line})T", "AF-7731 Total due"},
                                {R"T({after "Harbour" line})T", "Road, Brest"},
                                // Nothing stands after it on its line.
                                {R"T({after "Thank you" line})T", "<none>"},
                                {R"T({after "Signed 09.10.2024" line})T", "<none>"},
                            });
}

TEST_F(TextFields, PatternsWithAndWithoutAGroup) {
    expectValues(invoice(),
                 {
                     {R"T({match "No\.: ([A-Z]+-\d+)"})T", "AF-7731"},
                     {R"T({match "[A-Z]{2}-\d{4}"})T", "AF-7731"},
                     // ^ and $ hold at every line end, page ends included, and . stays on one line.
                     {R"T({match "^Customer: (.*)$"})T", "Jane Roe Trading"},
                     {R"T({match "^Terms.*$"})T", "Terms and conditions"},
                     {R"T({match "^Delivery \w+$"})T", "Delivery note"},
                     {R"T({match "Customer:.*Our"})T", "<none>"},
                     // A line end inside the value becomes a blank.
                     {R"T({match "reference \d+ Invoice\nNo\.:"})T", "reference 4471 Invoice No.:"},
                     {R"T({match "^(\w+)" page 2})T", "Delivery"},
                     {R"T({match "^(\w+)" page last})T", "Terms"},
                     {R"T({match "Signed" page 2})T", "<none>"},
                     {R"T({match "Signed" page 9})T", "<none>"},
                     // The expression matched; its group did not take part, so the value is empty.
                     {R"T({match "EUR(x)?"})T", ""},
                 });
}

TEST_F(TextFields, IfTellsWhetherATextOccurs) {
    expectValues(invoice(), {
                                {R"T({if "alder & finch"})T", ""},
                                {R"T({if "Invoice No.:"})T", ""},
                                {R"T({if "Bolt GmbH"})T", "<none>"},
                            });
}

// Labels written with no-break spaces, words separated by tabs and narrow no-break spaces.
TEST_F(TextFields, NoBreakSpacesAndTabsAreWhiteSpace) {
    const TemplateDocument document = textDocument(QStringLiteral(
        "Rechnung\u00A0Nr.: 55\r\nDatum:\u202F01.02.2024\tKunde\r\n\r\n\fSeite\u00A0zwei\r\n\f"));
    expectValues(document, {
                               {R"T({after "Rechnung Nr.:" 1})T", "55"},
                               {R"T({after "Rechnung Nr.:" line})T", "55"},
                               {"{words 1-2}", "Rechnung Nr.:"},
                               {"{words 4-6}", "Datum: 01.02.2024 Kunde"},
                               {"{words 1-2 page 2}", "Seite zwei"},
                               {R"T({before "Kunde" 1})T", "01.02.2024"},
                               {R"T({date after "Datum:"})T", "2024-02-01"},
                               {R"T({if "seite zwei"})T", ""},
                           });
}

TEST_F(TextFields, DatesFromTheTextWithLabelsFormatsAndOrders) {
    expectValues(invoice(), {
                                {"{date}", "2024-05-07"},
                                {R"T({date "%d.%m.%Y"})T", "07.05.2024"},
                                {R"T({date after "Shipped"})T", "2024-04-03"},
                                {R"T({date mdy after "Shipped"})T", "2024-03-04"},
                                {R"T({date after "Signed" "%Y"})T", "2024"},
                                {R"T({date after "Nowhere"})T", "<none>"},
                            });
    // The run's order decides for a field that names none.
    expectValues(invoice(), {{R"T({date after "Shipped"})T", "2024-03-04"}}, DateOrder::Mdy);
    expectValues(invoice(), {{R"T({date dmy after "Shipped"})T", "2024-04-03"}}, DateOrder::Mdy);
}

// A text that stops early (a template that reads only the first words) holds the pages before
// the stop; a text of some pages holds each at its own place.
TEST_F(TextFields, TextsThatHoldOnlySomePages) {
    TemplateDocument early = textDocument(QStringLiteral("Alder & Finch\r\n\r\n\f"));
    early.textComplete = false;
    early.pageCount = 3;
    expectValues(early, {{"{words 1-3}", "Alder & Finch"}, {"{words 1-4}", "<none>"}});

    TemplateDocument lastOnly = textDocument(QStringLiteral("\f\fTerms and conditions\r\n\f"));
    lastOnly.textComplete = false;
    lastOnly.pageCount = 3;
    expectValues(lastOnly, {{"{words 1 page last}", "Terms"}, {"{words 1 page 1}", "<none>"}});
    lastOnly.pageCount = 5;
    expectValues(lastOnly, {{"{words 1 page last}", "<none>"}});

    const TemplateDocument unread = textDocument({});
    TemplateDocument none = unread;
    none.text.reset();
    expectValues(none, {{"{words 1}", "<none>"},
                        {R"T({after "x" 1})T", "<none>"},
                        {R"T({match ".*"})T", "<none>"},
                        {"{date}", "<none>"},
                        {R"T({if "x"})T", "<none>"}});
}

// Where each value came from, as the preview's tool tip and --json tell it.
TEST_F(TextFields, SaysWhereEachValueCameFrom) {
    const struct {
        const char* field;
        const char* source;
    } cases[] = {
        {"{words 1-2}", "words 1-2 of the document"},
        {"{words 3 page 2}", "word 3 of page 2"},
        {"{words 1 page last}", "word 1 of page 3, the last"},
        {R"T({after "invoice no.:" 1})T", R"T(after "Invoice No.:" on page 1)T"},
        {R"T({after "Customer:" line})T", R"T(the rest of the line after "Customer:" on page 1)T"},
        {R"T({before "SARL" 1})T", R"T(before "SARL" on page 1)T"},
        {R"T({match "^Signed"})T", "pattern match on page 3"},
        {R"T({if "thank YOU"})T", R"T("Thank you" found on page 2)T"},
        {R"T({date mdy after "Shipped"})T",
         R"T(date "03/04/2024" after "Shipped" on page 2, read as mdy)T"},
        {R"T({"x"})T", "literal text"},
    };
    for (const auto& each : cases) {
        const auto result = valueOf(QString::fromUtf8(each.field), invoice());
        ASSERT_TRUE(result.has_value()) << each.field;
        EXPECT_EQ(result->source, QString::fromUtf8(each.source)) << each.field;
    }
}

} // namespace corvander
