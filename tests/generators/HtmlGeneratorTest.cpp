#include "generators/HtmlGenerator.h"

#include "tests/generators/GeneratedText.h"

using namespace gen;

namespace {

// The page's name and the class are apart; '"', '<', '>' and '&' are written as entities wherever they stand.
TEST(HtmlGenerator, MarkupCharactersBecomeEntities)
{
    const QString page = "<!-- Written by Tarnwick -->\n<html>\n<head>\n<title>P&amp;Q&lt;1&gt;Applet</title>\n"
                         "</head>\n<body>\n<h2>P&amp;Q&lt;1&gt;Applet</h2>\n<hr>\n"
                         "<applet code = \"C&quot;D.class\" width = \"-5\" height = \"300\">\n"
                         "<param name = \"speed\" value = \"10\">\n"
                         "<param name = \"a&quot;b\" value = \"&lt;x&gt; &amp; y\">\n</applet>\n<hr>\n</body>\n</html>";
    const QList<HtmlParam> params{{"speed", "10"}, {"a\"b", "<x> & y"}};
    EXPECT_EQ(Lines(GenerateHtmlPage({"P&Q<1>", "C\"D", -5, 300, false, params})).join('\n'), page);
}

}  // namespace
