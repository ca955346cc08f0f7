#include "platform/EditorLines.h"

#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

const EditorLineForm kForms[] = {
    {"gedit gnome-text-editor pluma xed geany", "+{line} {file}"},
    {"kate", "-l {line} {file}"},
    {"kwrite mousepad", "--line {line} {file}"},
    {"code code-oss codium", "-g {file}:{line}"},
    {"subl sublime_text", "{file}:{line}"},
    {"vi vim nvim nano emacs emacsclient micro", "+{line} {file}"},
};

QStringList Expand(const EditorLineForm& form, const QString& file, int line)
{
    QStringList arguments;
    for (const QString& part : QString::fromLatin1(form.form).split(QLatin1Char(' ')))
        arguments << QString(part)
                         .replace(QStringLiteral("{line}"), QString::number(line))
                         .replace(QStringLiteral("{file}"), file);
    return arguments;
}

}  // namespace

const EditorLineForm* FindEditorLineForm(const QString& program)
{
    const QString name = QFileInfo(program).fileName();
    if (name.isEmpty())
        return nullptr;
    for (const EditorLineForm& form : kForms) {
        if (QString::fromLatin1(form.programs).split(QLatin1Char(' ')).contains(name))
            return &form;
    }
    return nullptr;
}

ProcessSpec AtLine(const ProcessSpec& request, const QString& file, int line)
{
    const QString address = QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded());
    const qsizetype at = std::max(request.arguments.lastIndexOf(file), request.arguments.lastIndexOf(address));
    if (at < 0)
        return request;
    const EditorLineForm* form = nullptr;
    for (qsizetype i = at - 1; i >= -1 && !form; --i)
        form = FindEditorLineForm(i < 0 ? request.program : request.arguments[i]);
    if (!form)
        return request;
    ProcessSpec result = request;
    result.arguments.remove(at);
    const QStringList lineArguments = Expand(*form, file, line);
    for (qsizetype i = 0; i < lineArguments.size(); ++i)
        result.arguments.insert(at + i, lineArguments[i]);
    return result;
}

}  // namespace platform
