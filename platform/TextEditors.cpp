#include "platform/TextEditors.h"

#include "platform/Terminal.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>

namespace platform {

namespace {

// The value of key in [section] of a desktop-style file; empty when absent.
QString ReadKey(const QString& path, const QString& section, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString header = QLatin1Char('[') + section + QLatin1Char(']');
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == header;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inSection && eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QStringList MimeListFiles(const DesktopEnvironment& env)
{
    QStringList files;
    for (const QString& desktop : env.desktops)
        files << env.configHome + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list");
    files << env.configHome + QStringLiteral("/mimeapps.list");
    for (const QString& dir : env.configDirs)
        files << dir + QStringLiteral("/mimeapps.list");
    files << env.dataHome + QStringLiteral("/applications/mimeapps.list");
    for (const QString& dir : env.dataDirs)
        files << dir + QStringLiteral("/applications/mimeapps.list");
    return files;
}

QStringList ApplicationFolders(const DesktopEnvironment& env)
{
    QStringList folders{env.dataHome + QStringLiteral("/applications/")};
    for (const QString& dir : env.dataDirs)
        folders << dir + QStringLiteral("/applications/");
    return folders;
}

// The desktop file of an id ("org.gnome.gedit.desktop"; "a-b.desktop" may
// also live in the subfolder "a").
QString FindDesktopFile(const QString& id, const DesktopEnvironment& env)
{
    QStringList names{id};
    if (const qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0)
        names << id.left(dash) + QLatin1Char('/') + id.mid(dash + 1);
    for (const QString& folder : ApplicationFolders(env)) {
        for (const QString& name : names) {
            if (QFile::exists(folder + name))
                return folder + name;
        }
    }
    return {};
}

std::optional<ProcessSpec> FromDesktopFile(const QString& path, const QString& file, const DesktopEnvironment& env)
{
    const QString entry = QStringLiteral("Desktop Entry");
    const QStringList command = ExpandDesktopExec(ReadKey(path, entry, QStringLiteral("Exec")), file);
    if (command.isEmpty())
        return std::nullopt;
    ProcessSpec request{FindProgram(command.first(), env), command.mid(1), {}};
    if (request.program.isEmpty())
        return std::nullopt;
    if (ReadKey(path, entry, QStringLiteral("Terminal")) != QLatin1String("true"))
        return request;
    const QString terminal = FindTerminal(env);
    if (terminal.isEmpty())
        return std::nullopt;
    return InTerminal(terminal, request, false);
}

}  // namespace

QStringList ExpandDesktopExec(const QString& exec, const QString& file)
{
    // A local file is a path; anything else (an address) is passed as it is.
    const bool local = file.startsWith(QLatin1Char('/'));
    const QString url = local ? QString::fromUtf8(QUrl::fromLocalFile(file).toEncoded()) : file;
    QStringList command;
    bool gotFile = false;
    for (QString argument : QProcess::splitCommand(exec)) {
        if (argument == QLatin1String("%f") || argument == QLatin1String("%F")) {
            command << file;
            gotFile = true;
        } else if (argument == QLatin1String("%u") || argument == QLatin1String("%U")) {
            command << url;
            gotFile = true;
        } else if (argument.size() == 2 && argument.startsWith(QLatin1Char('%')) && argument != QLatin1String("%%")) {
            continue;  // %i, %c, %k and deprecated codes expand to nothing here
        } else {
            command << argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
        }
    }
    if (!command.isEmpty() && !gotFile)
        command << file;
    return command;
}

std::optional<ProcessSpec> DefaultApplicationFor(const QString& mimeType, const QString& file,
                                                 const DesktopEnvironment& env)
{
    QStringList ids;
    for (const QString& list : MimeListFiles(env))
        ids << ReadKey(list, QStringLiteral("Default Applications"), mimeType)
                   .split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& dir : env.dataDirs) {
        const QString cache = dir + QStringLiteral("/applications/mimeinfo.cache");
        ids << ReadKey(cache, QStringLiteral("MIME Cache"), mimeType).split(QLatin1Char(';'), Qt::SkipEmptyParts);
    }
    for (const QString& id : ids) {
        const QString path = FindDesktopFile(id, env);
        if (path.isEmpty())
            continue;
        if (auto request = FromDesktopFile(path, file, env))
            return request;
    }
    return std::nullopt;
}

std::optional<ProcessSpec> FallbackEditor(const QString& file, const DesktopEnvironment& env)
{
    const QString chosen = env.visual.isEmpty() ? env.editor : env.visual;
    const QString terminal = FindTerminal(env);
    if (!chosen.isEmpty() && !terminal.isEmpty()) {
        const QStringList command = QProcess::splitCommand(chosen);
        const QString program = command.isEmpty() ? QString() : FindProgram(command.first(), env);
        if (!program.isEmpty())
            return InTerminal(terminal, {program, command.mid(1) << file, {}}, false);
    }
    static const char* const kEditors[] = {"gedit", "gnome-text-editor", "kate",   "kwrite", "mousepad", "xed",
                                           "pluma", "featherpad",        "leafpad"};
    for (const char* name : kEditors) {
        if (const QString found = FindProgram(QString::fromLatin1(name), env); !found.isEmpty())
            return ProcessSpec{found, {file}, {}};
    }
    return std::nullopt;
}

}  // namespace platform
