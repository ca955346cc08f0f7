#include "java/JarBuild.h"

#include "platform/CommandLine.h"
#include "platform/Paths.h"
#include "platform/Processes.h"
#include "platform/TextCodec.h"

#include "runner/RunningTool.h"

#include <QFileInfo>

#include <QTemporaryFile>

#include <algorithm>

namespace java {

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

// The folder above the package's folders when the class file lies in them
// (the file's own folder for the unnamed package).
std::optional<QString> PackageRoot(const QString& classFile, const java::ClassFileInfo& info)
{
    const QString tail = platform::kSeparator + info.FilePath();
    if (!classFile.endsWith(tail))
        return std::nullopt;
    return classFile.left(classFile.size() - tail.size() + 1);
}

// A class file goes where its qualified name puts it: as listed when that is
// its place below the base folder, else from its package root.
JarEntry EntryFor(const QString& baseFolder, const QString& file, const java::ClassFileInfo* info,
                  QStringList& misplaced)
{
    const QString relative = RelativeTo(baseFolder, file);
    if (!info || relative == info->FilePath())
        return {{}, relative};
    if (const std::optional<QString> root = PackageRoot(file, *info))
        return {platform::WithoutTrailingSeparator(*root), info->FilePath()};
    misplaced.append(file);
    return {{}, relative};
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

ClassInfos ReadClassInfos(const QStringList& files)
{
    ClassInfos classes;
    for (const QString& file : files) {
        if (!file.endsWith(QLatin1String(".class")))
            continue;
        if (const auto info = java::ReadClassFile(file))
            classes.insert(file, *info);
    }
    return classes;
}

QStringList JarPlan::Arguments(const QString& manifestPath) const
{
    QStringList arguments{QStringLiteral("cfm"), platform::AsFileArgument(mainName + QStringLiteral(".jar")),
                          manifestPath};
    for (const JarEntry& entry : entries) {
        if (!entry.folder.isEmpty())
            arguments << QStringLiteral("-C") << entry.folder;
        arguments << platform::AsFileArgument(entry.name);
    }
    return arguments;
}

JarPlan PlanJar(const QStringList& files, const QString& mainFile, const ClassInfos& classes)
{
    JarPlan plan;
    const QString& first = files.value(0);
    plan.baseFolder = first.left(first.lastIndexOf(platform::kSeparator) + 1);
    const auto main = classes.constFind(mainFile);
    if (main != classes.cend()) {
        const std::optional<QString> root = PackageRoot(mainFile, *main);
        if (root && !main->PackageName().isEmpty() && plan.baseFolder.startsWith(*root))
            plan.baseFolder = *root;
    }
    plan.mainName = WithoutExtension(RelativeTo(plan.baseFolder, mainFile));
    const QString mainClass = main != classes.cend() ? main->name : plan.mainName;
    plan.manifestText = QStringLiteral("Main-Class: ") + mainClass + QStringLiteral("\r\n");
    for (const QString& file : files) {
        const auto info = classes.constFind(file);
        plan.entries.append(EntryFor(plan.baseFolder, file, info != classes.cend() ? &*info : nullptr, plan.misplaced));
    }
    return plan;
}

QString UnrunnableReason(const JarPlan& plan, const QString& mainFile, const ClassInfos& classes, int featureRelease)
{
    const QString choose = QStringLiteral("\n\"main\"を含む\"*.class\"を選択してください。");
    const auto main = classes.constFind(mainFile);
    if (main == classes.cend())
        return mainFile + QStringLiteral(" はクラスファイルではないため、実行できるJARファイルになりません。") + choose;
    if (!main->LaunchableOn(featureRelease))
        return mainFile + QStringLiteral(" には、このJDKで実行できる main メソッドがありません。") + choose;
    if (plan.misplaced.isEmpty())
        return {};
    QString text =
        QStringLiteral("次のクラスファイルはパッケージのフォルダの中にないため、JARファイルから読み込めません。"
                       "パッケージと同じ名前のフォルダに置いてコンパイルし直してください。");
    for (const QString& file : plan.misplaced)
        text +=
            QLatin1Char('\n') + file + QStringLiteral("（クラス ") + classes.value(file).name + QStringLiteral("）");
    return text;
}

QString DefaultMainFile(const QStringList& files, const QString& title, const ClassInfos& classes, int featureRelease)
{
    QString withMain, named, plain;
    for (const QString& file : files) {
        const QString name = file.mid(file.lastIndexOf(platform::kSeparator) + 1);
        if (!name.endsWith(QLatin1String(".class")) || name.contains(QLatin1Char('$')))
            continue;
        if (plain.isEmpty())
            plain = file;
        const auto info = classes.constFind(file);
        if (info == classes.cend() || !info->LaunchableOn(featureRelease))
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

}  // namespace java
