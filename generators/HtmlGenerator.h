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
    QString appletClass;
    int width = 0;
    int height = 0;
    bool upperCase = false;
    QList<HtmlParam> params;
};

QString GenerateHtmlPage(const HtmlChoices& choices);
// Appends one PARAM line per parameter, in order.
void AppendParamTags(const HtmlChoices& choices, QString& out);

}  // namespace gen
