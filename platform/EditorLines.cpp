#include "platform/EditorLines.h"

#include <QFileInfo>
#include <QUrl>

namespace platform {

namespace {

// Vim's command takes a tab for its blank: blanks separate the arguments.
const EditorLineForm kForms[] = {
    {"gedit", "+{line} {file}", "+{line}:{column} {file}"},
    {"gnome-text-editor pluma xed geany vi", "+{line} {file}"},
    {"kate", "-l {line} {file}", "-l {line} -c {column} {file}"},
    {"kwrite mousepad", "--line {line} {file}", "--line {line} --column {column} {file}"},
    {"code code-oss codium", "-g {file}:{line}", "-g {file}:{line}:{column}"},
    {"subl sublime_text", "{file}:{line}", "{file}:{line}:{column}"},
    {"vim nvim", "+{line} {file}", "+call\tcursor({line},{column}) {file}"},
    {"nano", "+{line} {file}", "+{line},{column} {file}"},
    {"emacs emacsclient micro", "+{line} {file}", "+{line}:{column} {file}"},
    // Windows editors (their names without ".exe"); Notepad takes no line.
    {"sakura", "-Y={line} {file}", "-Y={line} -X={column} {file}"},
    {"notepad++", "-n{line} {file}", "-n{line} -c{column} {file}"},
    {"notepad", "{file}"},
};

QStringList Expand(const EditorLineForm& form, const QString& file, int line, int column)
{
    const bool withColumn = column > 0 && form.columnForm;
    QStringList arguments;
    for (const QString& part : QString::fromLatin1(withColumn ? form.columnForm : form.form).split(QLatin1Char(' ')))
        arguments << QString(part)
                         .replace(QStringLiteral("{line}"), QString::number(line))
                         .replace(QStringLiteral("{column}"), QString::number(column))
                         .replace(QStringLiteral("{file}"), file);
    return arguments;
}

}  // namespace

const EditorLineForm* FindEditorLineForm(const QString& program)
{
    QString name = QFileInfo(program).fileName().toLower();
    if (name.endsWith(QLatin1String(".exe")))
        name.chop(4);  // Code.exe is code
    if (name.isEmpty())
        return nullptr;
    for (const EditorLineForm& form : kForms) {
        if (QString::fromLatin1(form.programs).split(QLatin1Char(' ')).contains(name))
            return &form;
    }
    return nullptr;
}

ProcessSpec AtLine(const ProcessSpec& request, const QString& file, int line, int column)
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
    const QStringList lineArguments = Expand(*form, file, line, column);
    for (qsizetype i = 0; i < lineArguments.size(); ++i)
        result.arguments.insert(at + i, lineArguments[i]);
    return result;
}

}  // namespace platform
