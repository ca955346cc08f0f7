#include "generators/HtmlGenerator.h"

#include "generators/TemplateText.h"

namespace gen {

namespace {

struct PageLine {
    const char16_t* upper;
    const char16_t* lower;
};

constexpr PageLine kHead[] = {
    {u"<!-- Written by Tarnwick -->\n", u"<!-- Written by Tarnwick -->\n"},
    {u"<HTML>\n", u"<html>\n"},
    {u"<HEAD>\n", u"<head>\n"},
    {u"<TITLE>%sApplet</TITLE>\n", u"<title>%sApplet</title>\n"},
    {u"</HEAD>\n", u"</head>\n"},
    {u"<BODY>\n", u"<body>\n"},
    {u"<H2>%sApplet</H2>\n", u"<h2>%sApplet</h2>\n"},
    {u"<HR>\n", u"<hr>\n"},
};
constexpr PageLine kApplet = {u"<APPLET CODE = \"%s.class\" WIDTH = \"%d\" HEIGHT = \"%d\">\n",
                              u"<applet code = \"%s.class\" width = \"%d\" height = \"%d\">\n"};
constexpr PageLine kParamWords[] = {{u"PARAM", u"param"}, {u"NAME", u"name"}, {u"VALUE", u"value"}};
constexpr PageLine kTail[] = {
    {u"</APPLET>\n", u"</applet>\n"},
    {u"<HR>\n", u"<hr>\n"},
    {u"</BODY>\n", u"</body>\n"},
    {u"</HTML>\n", u"</html>\n"},
};

QStringView Pick(const PageLine& line, bool upperCase) { return upperCase ? line.upper : line.lower; }

}  // namespace

void AppendParamTags(const HtmlChoices& choices, QString& out)
{
    const bool upper = choices.upperCase;
    for (const HtmlParam& param : choices.params) {
        Append(out, u"<%s %s = \"%s\" %s = \"%s\">\n",
               {Pick(kParamWords[0], upper), Pick(kParamWords[1], upper), gen::HtmlEscaped(param.name),
                Pick(kParamWords[2], upper), gen::HtmlEscaped(param.value)});
    }
}

QString GenerateHtmlPage(const HtmlChoices& choices)
{
    const bool upper = choices.upperCase;
    const QString pageName = gen::HtmlEscaped(choices.pageName);
    QString out;
    for (const PageLine& line : kHead)
        Append(out, Pick(line, upper), {pageName});
    Append(out, Pick(kApplet, upper),
           {gen::HtmlEscaped(choices.appletClass), QString::number(choices.width), QString::number(choices.height)});
    AppendParamTags(choices, out);
    for (const PageLine& line : kTail)
        Append(out, Pick(line, upper));
    return out;
}

}  // namespace gen
