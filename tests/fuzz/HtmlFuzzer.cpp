// Random page names and parameters: the page always reads back to the same
// page name, names and values.
#include "generators/HtmlGenerator.h"
#include "tests/fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace gen;

namespace {

QString Unescaped(QString text)
{
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// The text between `start` and the next double quote, from position `from`.
QString Attribute(const QString& page, const QString& start, qsizetype& from)
{
    const qsizetype open = page.indexOf(start, from);
    Check(open >= 0);
    const qsizetype begin = open + start.size();
    const qsizetype end = page.indexOf(QLatin1Char('"'), begin);
    Check(end >= 0);
    from = end + 1;
    return Unescaped(page.mid(begin, end - begin));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    HtmlChoices choices;
    choices.upperCase = data.ConsumeBool();
    choices.pageName = QString::fromUtf8(data.ConsumeRandomLengthString(24));
    choices.appletClass = choices.pageName;
    choices.width = data.ConsumeIntegral<int>();
    choices.height = data.ConsumeIntegral<int>();
    while (data.remaining_bytes() > 0 && choices.params.size() < 8) {
        HtmlParam param{QString::fromUtf8(data.ConsumeRandomLengthString(16)),
                        QString::fromUtf8(data.ConsumeRandomLengthString(16))};
        if (!param.name.isEmpty() && !param.value.isEmpty())
            choices.params.append(param);
    }
    const QString page = GenerateHtmlPage(choices);
    const QString title = choices.upperCase ? QStringLiteral("<TITLE>") : QStringLiteral("<title>");
    const qsizetype titleAt = page.indexOf(title);
    Check(titleAt >= 0);
    const qsizetype titleEnd = page.indexOf(QLatin1String("Applet</"), titleAt);
    Check(Unescaped(page.mid(titleAt + title.size(), titleEnd - titleAt - title.size())) == choices.pageName);
    qsizetype from = 0;
    const QString code = choices.upperCase ? QStringLiteral("CODE = \"") : QStringLiteral("code = \"");
    Check(Attribute(page, code, from) == choices.appletClass + QStringLiteral(".class"));
    const QString name = choices.upperCase ? QStringLiteral("NAME = \"") : QStringLiteral("name = \"");
    const QString value = choices.upperCase ? QStringLiteral("VALUE = \"") : QStringLiteral("value = \"");
    for (const HtmlParam& param : choices.params) {
        Check(Attribute(page, name, from) == param.name);
        Check(Attribute(page, value, from) == param.value);
    }
    Check(page.endsWith(choices.upperCase ? QLatin1String("</HTML>\r\n") : QLatin1String("</html>\r\n")));
    return 0;
}
