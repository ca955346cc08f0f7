#include "runner/JarBuild.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/TextCodec.h"

#include "runner/RunningTool.h"

#include <QFileInfo>

#include <QTemporaryFile>

#include <algorithm>

namespace runner {

namespace {

// Only a leading base folder is removed: the same folder name deeper inside
// another path belongs to that path.
QString RelativeTo(const QString& baseFolder, const QString& path)
{
    return path.startsWith(baseFolder) ? path.mid(baseFolder.size()) : path;
}

// The name without its extension; empty when the file name has none.
QString WithoutExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < name.lastIndexOf(platform::kSeparator))
        return {};
    return name.left(dot);
}

// The folder above the package's folders when the class file lies in them.
std::optional<QString> PackageRoot(const QString& classFile, const std::optional<runner::ClassFileInfo>& info)
{
    if (!info || info->PackageName().isEmpty())
        return std::nullopt;
    const QString tail = platform::kSeparator + info->PackagePath() + info->SimpleName() + QStringLiteral(".class");
    if (!classFile.endsWith(tail))
        return std::nullopt;
    return classFile.left(classFile.size() - tail.size() + 1);
}

QString Missing(const QString& path) { return path + QStringLiteral("は存在しません"); }

}  // namespace

QStringList SortedJarEntries(const QStringList& files)
{
    QStringList sorted = files;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return sorted;
}

QStringList JarPlan::Arguments(const QString& manifestPath) const
{
    QStringList arguments{QStringLiteral("cfm"), platform::AsFileArgument(mainName + QStringLiteral(".jar")),
                          manifestPath};
    for (const QString& entry : entries)
        arguments << platform::AsFileArgument(entry);
    return arguments;
}

JarPlan PlanJar(const QStringList& files, const QString& mainFile,
                const std::optional<runner::ClassFileInfo>& mainClass)
{
    JarPlan plan;
    const QString& first = files.value(0);
    plan.baseFolder = first.left(first.lastIndexOf(platform::kSeparator) + 1);
    QString mainClassName;
    if (const std::optional<QString> root = PackageRoot(mainFile, mainClass)) {
        mainClassName = mainClass->name;
        if (plan.baseFolder.startsWith(*root))
            plan.baseFolder = *root;
    }
    plan.mainName = WithoutExtension(RelativeTo(plan.baseFolder, mainFile));
    if (mainClassName.isEmpty())
        mainClassName = plan.mainName;
    plan.manifestText = QStringLiteral("Main-Class: ") + mainClassName + QStringLiteral("\r\n");
    for (const QString& file : files)
        plan.entries.append(RelativeTo(plan.baseFolder, file));
    return plan;
}

QString DefaultMainFile(const QStringList& files, const QString& title)
{
    QString withMain, named, plain;
    for (const QString& file : files) {
        const QString name = file.mid(file.lastIndexOf(platform::kSeparator) + 1);
        if (!name.endsWith(QLatin1String(".class")) || name.contains(QLatin1Char('$')))
            continue;
        if (plain.isEmpty())
            plain = file;
        const auto info = runner::ReadClassFile(file);
        if (!info || !info->hasMain)
            continue;
        if (name == title + QStringLiteral(".class") && named.isEmpty())
            named = file;
        if (withMain.isEmpty())
            withMain = file;
    }
    for (const QString& choice : {named, withMain, plain})
        if (!choice.isEmpty())
            return choice;
    return files.value(0);
}

JarOutcome RunJarBuild(const JarPlan& plan, const QString& jdkFolder,
                       const std::function<void(runner::RunningTool&)>& follow)
{
    JarOutcome outcome;
    QTemporaryFile manifest(platform::TemporaryFolder() + QStringLiteral("/MainClassXXXXXX"));
    if (!manifest.open() || manifest.write(platform::EncodeFileText(plan.manifestText)) < 0 || !manifest.flush()) {
        outcome.status = JarOutcome::Status::NoManifest;
        outcome.messages = QStringLiteral("マニフェストファイルを作成できません\n") + manifest.errorString();
        return outcome;
    }
    manifest.close();

    const QString program = jdkFolder + platform::ToolFileName(QStringLiteral("jar.exe"));
    runner::RunningTool run;
    QObject::connect(&run, &runner::RunningTool::TextArrived,
                     [&outcome](const QString& text) { outcome.messages += text; });
    if (!run.Start({program, plan.Arguments(manifest.fileName()), plan.baseFolder, true}, false)) {
        outcome.status = JarOutcome::Status::NotStarted;
        if (!QFileInfo::exists(program))
            outcome.messages = Missing(program);
        else if (!QFileInfo(plan.baseFolder).isDir())
            outcome.messages = Missing(plan.baseFolder);
        else
            outcome.messages = program + QStringLiteral("を起動できません");
        return outcome;
    }
    if (follow)
        follow(run);
    else
        run.WaitForEnd();
    outcome.status = run.Outcome().Succeeded() ? JarOutcome::Status::Built : JarOutcome::Status::ToolFailed;
    return outcome;
}

}  // namespace runner
