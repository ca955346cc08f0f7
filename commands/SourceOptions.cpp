// Before javac or javadoc reads the current folder's sources: the questions
// about byte-order marks and sources in differing encodings, and the
// -encoding option that reads them.
#include "commands/ToolCommands.h"

#include "java/SourceSet.h"
#include "platform/Captions.h"
#include "platform/CommandLine.h"
#include "platform/UserDialogs.h"
#include "runner/ToolInvocation.h"

#include <QWidget>

namespace cmd {

namespace {}  // namespace

std::optional<ToolCommands::SourceReading> ToolCommands::SourceOptions(const QStringList& names,
                                                                       const QString& userOptions)
{
    const QString folder = m_main.File().folder;
    QStringList others = runner::JavaSourceNames(folder);
    for (const QString& name : names)
        others.removeAll(name);
    const QList<java::SourceFile> named = java::ExamineSources(folder, names);
    const QList<java::SourceFile> rest = java::ExamineSources(folder, others);
    const java::SourcePlan plan = java::PlanSources(named, rest);
    QWidget* window = m_main.Window();
    if (!plan.marked.isEmpty()
        && platform::UserDialogs().Message(window, java::ByteOrderMarkQuestion(plan.marked), platform::kQuestionCaption,
                                           platform::MsgIcon::Question, platform::MsgButtons::YesNo)
               == platform::MsgAnswer::Yes) {
        for (const QString& name : plan.marked) {
            if (!java::DropByteOrderMark(folder + name)) {
                platform::ShowMessage(window,
                                      folder + name + QStringLiteral("からバイトオーダーマークを取り除けません"),
                                      platform::kFileErrorCaption, platform::MsgIcon::Error);
                return std::nullopt;
            }
        }
    }
    if (platform::SplitCommandLine(userOptions).contains(QLatin1String("-encoding")))
        return SourceReading();
    SourceReading reading{QStringLiteral("-encoding ") + platform::JavaCharsetName(plan.encoding) + QLatin1Char(' '),
                          java::ReadingNote(plan, named)};
    if (!plan.foreign.isEmpty()
        && platform::UserDialogs().Message(window, java::MixedEncodingQuestion(plan, names), platform::kQuestionCaption,
                                           platform::MsgIcon::Question, platform::MsgButtons::YesNo)
               == platform::MsgAnswer::Yes) {
        for (const java::SourceFile& source : plan.foreign) {
            const QString error = java::ConvertToUtf8(folder + source.name, source);
            if (!error.isEmpty()) {
                platform::ShowMessage(
                    window, QStringLiteral("%1を UTF-8 に変換できません: %2").arg(folder + source.name, error),
                    platform::kFileErrorCaption, platform::MsgIcon::Error);
                return std::nullopt;
            }
        }
        reading = {QStringLiteral("-encoding UTF-8 "), QString()};
    }
    return reading;
}

}  // namespace cmd
