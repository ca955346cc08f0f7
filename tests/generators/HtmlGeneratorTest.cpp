#include "generators/HtmlGenerator.h"

#include "tests/generators/GeneratedText.h"

using namespace gen;

namespace {

TEST(HtmlGenerator, UpperCasePageIsFourteenLines)
{
    EXPECT_EQ(Lines(GenerateHtmlPage({"Foo", "Foo", 400, 300, true, {{"speed", "10"}}})),
              QStringList({"<!-- Written by Tarnwick -->", "<HTML>", "<HEAD>", "<TITLE>FooApplet</TITLE>", "</HEAD>",
                           "<BODY>", "<H2>FooApplet</H2>", "<HR>",
                           "<APPLET CODE = \"Foo.class\" WIDTH = \"400\" HEIGHT = \"300\">",
                           "<PARAM NAME = \"speed\" VALUE = \"10\">", "</APPLET>", "<HR>", "</BODY>", "</HTML>"}));
}

// The page's name and the class are apart; '"', '<', '>' and '&' are written
// as entities wherever they stand.
TEST(HtmlGenerator, LowerCasePageWithMarkupCharacters)
{
    EXPECT_EQ(Lines(GenerateHtmlPage({"P&Q<1>", "C\"D", -5, 300, false, {{"speed", "10"}, {"a\"b", "<x> & y"}}})),
              QStringList({"<!-- Written by Tarnwick -->", "<html>", "<head>", "<title>P&amp;Q&lt;1&gt;Applet</title>",
                           "</head>", "<body>", "<h2>P&amp;Q&lt;1&gt;Applet</h2>", "<hr>",
                           "<applet code = \"C&quot;D.class\" width = \"-5\" height = \"300\">",
                           "<param name = \"speed\" value = \"10\">",
                           "<param name = \"a&quot;b\" value = \"&lt;x&gt; &amp; y\">", "</applet>", "<hr>", "</body>",
                           "</html>"}));
}

}  // namespace
