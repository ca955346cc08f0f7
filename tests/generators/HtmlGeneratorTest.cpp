#include "generators/HtmlGenerator.h"

#include "tests/generators/GeneratedText.h"

namespace {

HtmlChoices Page(bool upperCase, QList<HtmlParam> params = {})
{
    return {"Foo", "Foo", 400, 300, upperCase, std::move(params)};
}

TEST(HtmlGenerator, UpperCasePageIsFourteenLines)
{
    EXPECT_EQ(Lines(GenerateHtmlPage(Page(true, {{"speed", "10"}}))),
              QStringList({"<!-- Written by Tarnwick -->", "<HTML>", "<HEAD>", "<TITLE>FooApplet</TITLE>", "</HEAD>",
                           "<BODY>", "<H2>FooApplet</H2>", "<HR>",
                           "<APPLET CODE = \"Foo.class\" WIDTH = \"400\" HEIGHT = \"300\">",
                           "<PARAM NAME = \"speed\" VALUE = \"10\">", "</APPLET>", "<HR>", "</BODY>", "</HTML>"}));
}

TEST(HtmlGenerator, LowerCasePageWithParametersInOrder)
{
    HtmlChoices c = Page(false, {{"speed", "10"}, {"Speed", " "}});
    c.pageName = "Bar";
    c.width = -5;
    EXPECT_EQ(Lines(GenerateHtmlPage(c)),
              QStringList({"<!-- Written by Tarnwick -->", "<html>", "<head>", "<title>BarApplet</title>", "</head>",
                           "<body>", "<h2>BarApplet</h2>", "<hr>",
                           "<applet code = \"Foo.class\" width = \"-5\" height = \"300\">",
                           "<param name = \"speed\" value = \"10\">", "<param name = \"Speed\" value = \" \">",
                           "</applet>", "<hr>", "</body>", "</html>"}));
}

TEST(HtmlGenerator, MarkupCharactersAreEscapedWhereverTheyAreWritten)
{
    HtmlChoices c = Page(true, {{"a\"b", "<x> & y"}});
    c.pageName = "P&Q<1>";
    c.appletClass = "C\"D";
    const QString text = GenerateHtmlPage(c);
    EXPECT_BLOCK(text, "<TITLE>P&amp;Q&lt;1&gt;Applet</TITLE>");
    EXPECT_BLOCK(text, "<H2>P&amp;Q&lt;1&gt;Applet</H2>");
    EXPECT_BLOCK(text, "<APPLET CODE = \"C&quot;D.class\" WIDTH = \"400\" HEIGHT = \"300\">");
    EXPECT_BLOCK(text, "<PARAM NAME = \"a&quot;b\" VALUE = \"&lt;x&gt; &amp; y\">");
}

TEST(HtmlGenerator, AppendParamTagsWritesOnlyTheParameterLines)
{
    QString out = "x";
    AppendParamTags(Page(false, {{"n", "日本語"}}), out);
    EXPECT_EQ(out, "x<param name = \"n\" value = \"日本語\">\r\n");
}

}  // namespace
