#pragma once
// The HTML page that embeds an applet, as a pure function of the choices.
#include <QList>
#include <QString>

namespace gen {

struct HtmlParam {
    QString name;
    QString value;
};

struct HtmlChoices {
    QString pageName;
    QString appletClass;  // qualified: "com.ex.Foo"
    int width = 0;
    int height = 0;
    bool upperCase = false;
    QList<HtmlParam> params;
    QString title{};     // the page's title; empty: the page name followed by "Applet"
    QString codeBase{};  // CODEBASE, where the applet's package root lies; empty: none
};

// The code base from a page beside its applet's source up to the package
// root: "../../" for "com.ex", empty for the unnamed package.
QString PackageRootCodeBase(const QString& packageName);

QString GenerateHtmlPage(const HtmlChoices& choices);
// Appends one PARAM line per parameter, in order.
void AppendParamTags(const HtmlChoices& choices, QString& out);

}  // namespace gen
