#include "naming/metadata_name.h"

#include <QMap>
#include <gtest/gtest.h>

namespace corvander {

namespace {
const QMap<QString, QString> kFields = {
    {QStringLiteral("Author"), QStringLiteral("Jane Roe")},
    {QStringLiteral("Title"), QStringLiteral("Annual Report")},
    {QStringLiteral("Pages"), QStringLiteral("12")},
    {QStringLiteral("Subject"), QString()},
};
} // namespace

TEST(MetadataName, FormatsJoinFoundValues) {
    const struct {
        const char* format;
        const char* name;
    } cases[] = {
        {"%a - %t", "Jane Roe - Annual Report"},
        {"%t-%g", "Annual Report - 12"},
        {"  %t   -%g  ", "Annual Report - 12"},
        {"%t - %t", "Annual Report - Annual Report"},
        {"%a - %s", "Jane Roe -"},    // an empty last value leaves the separator
        {"%s - %t", "Annual Report"}, // an empty value adds nothing
        {"%a - %s - %t", "Jane Roe - Annual Report"},
        {"%a--%t", "Jane Roe - Annual Report"}, // an empty part is an empty value
        {"-%a", "Jane Roe"},
        {"%a-", "Jane Roe -"},
        {"Report %a", ""}, // literal words name no field
        {"%A", ""},        // placeholders are case-sensitive
        {"%a %t", ""},     // the whole format is one part
        {"%x - %t", "Annual Report"},
    };
    for (const auto& c : cases) {
        const QString name =
            composeMetadataName(QString::fromLatin1(c.format),
                                [](const QString& label) { return kFields.value(label); });
        EXPECT_EQ(name, QString::fromLatin1(c.name)) << c.format;
    }
}

TEST(MetadataName, EveryPlaceholderNamesItsLabel) {
    const QStringList placeholders = {"%a", "%t", "%s", "%c", "%p", "%k", "%d", "%m", "%v", "%g"};
    const QStringList labels = {"Author",   "Title",        "Subject", "Creator",     "Producer",
                                "Keywords", "CreationDate", "ModDate", "PDF Version", "Pages"};
    for (int i = 0; i < placeholders.size(); ++i)
        EXPECT_EQ(metadataLabel(placeholders.at(i)), labels.at(i));
    EXPECT_EQ(metadataLabel(QStringLiteral("%G")), QString());
    EXPECT_EQ(metadataLabel(QStringLiteral("% a")), QString());
}

// The sentence names each part that names no field, in the words the user typed; a format whose
// every part names a field, or is empty, has nothing to say.
TEST(MetadataName, AFormatSaysWhichPartNamesNoField) {
    const QString tail = QStringLiteral(
        " and adds nothing to the name: each part between hyphens must be one of %a %t %s %c %p "
        "%k %d %m %v %g. Literal text needs \"Rename by template\".");
    EXPECT_EQ(formatProblem(QStringLiteral("%a_%t")),
              QStringLiteral("The format part \"%a_%t\" names no field") + tail);
    EXPECT_EQ(formatProblem(QStringLiteral("%t, %a")),
              QStringLiteral("The format part \"%t, %a\" names no field") + tail);
    EXPECT_EQ(formatProblem(QStringLiteral("Invoice %t - %A - %g")),
              QStringLiteral("The format parts \"Invoice %t\", \"%A\" name no field and add "
                             "nothing to the name: each part between hyphens must be one of %a "
                             "%t %s %c %p %k %d %m %v %g. Literal text needs \"Rename by "
                             "template\"."));
    for (const char* fine : {"%a - %t", "%t-%g", "%a--%t", "-%a", "", "   ", "%t - %t"})
        EXPECT_EQ(formatProblem(QString::fromLatin1(fine)), QString()) << fine;
}

} // namespace corvander
