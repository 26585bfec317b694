#include "naming/clean_name.h"

#include <gtest/gtest.h>

namespace corvander {

TEST(CleanName, KeepsNameCharactersAndRemovesForbiddenOnes) {
    const struct {
        const char16_t* text;
        bool metadata;
        const char16_t* name; // empty: the file is skipped
    } cases[] = {
        {u"No: 7/5", false, u"No 75"},
        {u":", false, u""},
        {u"???", false, u""},
        {u"a\\b*c?d<e>f|g/h:i", false, u"abcdefghi"},
        {u"first\t\fsecond", false, u"firstsecond"},
        {u"line\r\nbreak", false, u"linebreak"},
        {u"\t\f\r\n", false, u""},
        {u"a\u0085b\u009Fc\u007Fd", false, u"abcd"},
        {u"caf\u00E9 \u00A0\u00FF", false, u"caf\u00E9 \u00A0\u00FF"},
        // Every script stays; separators, private-use and unassigned characters go.
        {u"\u20ACprice \u0100x \U0001F600y", false, u"\u20ACprice \u0100x \U0001F600y"},
        {u"\u0421\u0447\u0435\u0442 \u8acb\u6c42\u66f8", false,
         u"\u0421\u0447\u0435\u0442 \u8acb\u6c42\u66f8"},
        {u"line\u2028para\u2029end", false, u"lineparaend"},
        {u"priv\uE000ate \U000F0000x", false, u"private x"},
        {u"soft\u00ADhyphen", false, u"soft\u00ADhyphen"},
        {u"un\u0378assigned \uFFFF", false, u"unassigned "},
        {u"abc :", false, u"abc "},
        {u"  two  blanks . \"quoted\" ", false, u"  two  blanks . \"quoted\" "},
        {u"50%", false, u"50%"},
        {u"50%", true, u"50"},
        {u"%", true, u""},
        {u"", false, u""},
        // Direction controls go in both families; the marks that reorder nothing stay.
        {u"abc\u202Eexe", false, u"abcexe"},
        {u"abc\u202Eexe", true, u"abcexe"},
        {u"\u202A1\u202B2\u202C3\u202D4\u20665\u20676\u20687\u2069", false, u"1234567"},
        {u"\u202E", true, u""},
        {u"left\u200Emark\u200F", false, u"left\u200Emark\u200F"},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        EXPECT_EQ(CleanName(text, c.metadata), QString::fromUtf16(c.name))
            << text.toStdString() << (c.metadata ? " (metadata)" : "");
    }
}

} // namespace corvander
