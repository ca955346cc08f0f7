#include "generators/HtmlGenerator.h"

#include "generators/TemplateText.h"

namespace gen {

namespace {

struct PageLine {
    const char16_t* upper;
    const char16_t* lower;
};

constexpr PageLine kOpening[] = {
    {u"<!-- Written by Tarnwick -->\n", u"<!-- Written by Tarnwick -->\n"},
    {u"<HTML>\n", u"<html>\n"},
    {u"<HEAD>\n", u"<head>\n"},
};
constexpr PageLine kTitle = {u"<TITLE>%s</TITLE>\n", u"<title>%s</title>\n"};
constexpr PageLine kHead[] = {
    {u"</HEAD>\n", u"</head>\n"},
    {u"<BODY>\n", u"<body>\n"},
    {u"<H2>%sApplet</H2>\n", u"<h2>%sApplet</h2>\n"},
    {u"<HR>\n", u"<hr>\n"},
};
constexpr PageLine kApplet = {u"<APPLET CODE = \"%s.class\" WIDTH = \"%d\" HEIGHT = \"%d\">\n",
                              u"<applet code = \"%s.class\" width = \"%d\" height = \"%d\">\n"};
constexpr PageLine kAppletInPackage = {
    u"<APPLET CODE = \"%s.class\" CODEBASE = \"%s\" WIDTH = \"%d\" HEIGHT = \"%d\">\n",
    u"<applet code = \"%s.class\" codebase = \"%s\" width = \"%d\" height = \"%d\">\n"};
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

QString PackageRootCodeBase(const QString& packageName)
{
    return packageName.isEmpty() ? QString() : QStringLiteral("../").repeated(packageName.count(u'.') + 1);
}

QString GenerateHtmlPage(const HtmlChoices& choices)
{
    const bool upper = choices.upperCase;
    const QString pageName = gen::HtmlEscaped(choices.pageName);
    QString out;
    for (const PageLine& line : kOpening)
        Append(out, Pick(line, upper));
    const QString title = choices.title.isEmpty() ? choices.pageName + QStringLiteral("Applet") : choices.title;
    Append(out, Pick(kTitle, upper), {gen::HtmlEscaped(title)});
    for (const PageLine& line : kHead)
        Append(out, Pick(line, upper), {pageName});
    const QString code = gen::HtmlEscaped(choices.appletClass);
    const QString width = QString::number(choices.width);
    const QString height = QString::number(choices.height);
    if (choices.codeBase.isEmpty())
        Append(out, Pick(kApplet, upper), {code, width, height});
    else
        Append(out, Pick(kAppletInPackage, upper), {code, gen::HtmlEscaped(choices.codeBase), width, height});
    AppendParamTags(choices, out);
    for (const PageLine& line : kTail)
        Append(out, Pick(line, upper));
    return out;
}

}  // namespace gen
