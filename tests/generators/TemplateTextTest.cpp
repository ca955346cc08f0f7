#include "generators/TemplateText.h"

#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct FillCase {
    const char16_t* tmpl;
    std::initializer_list<QStringView> args;
    const char* expected;
};

// Append and the pre-split Template must write the same text.
TEST(TemplateText, PlaceholdersLineEndsAndRepeatedLastArgument)
{
    const FillCase cases[] = {
        {u"\tButton btn%d;\n", {u"3"}, "\tButton btn3;\r\n"},
        {u"\t\t//lst%d.add(\"Item%d_0\");\n", {u"12"}, "\t\t//lst12.add(\"Item12_0\");\r\n"},
        {u"(%d,%d,%d)", {u"255", u"0", u"7"}, "(255,0,7)"},
        {u"%s\t}\n\n", {u"x"}, "x\t}\r\n\r\n"},
        {u"\n", {}, "\r\n"},
        {u"100% sure %q %", {u"a"}, "100% sure %q %"},
        {u"'%c'", {u"フ"}, "'フ'"},
        {u"no args %s.", {}, "no args ."},
    };
    for (const FillCase& c : cases) {
        QString appended = "<";
        gen::Append(appended, c.tmpl, c.args);
        EXPECT_EQ(appended, "<" + QString::fromUtf8(c.expected));
        std::u16string split = u"<";
        gen::Template(c.tmpl).AppendTo(split, c.args);
        EXPECT_EQ(gen::View(split).toString(), appended);
    }
}

}  // namespace
