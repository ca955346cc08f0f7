#include "app/CommandTable.h"

#include "app/CAboutDialog.h"
#include "app/CMainDialog.h"
#include "commands/CToolCommands.h"
#include "commands/CommandIds.h"
#include "dialogs/CGenerateCommands.h"

namespace app {

namespace {

template <auto Handler>
void Main(CommandTargets& t)
{
    (t.main.*Handler)();
}

template <auto Handler>
void Tool(CommandTargets& t)
{
    (t.tools.*Handler)();
}

template <auto Handler>
void Generator(CommandTargets& t)
{
    (t.generators.*Handler)();
}

void Exit(CommandTargets& t) { t.main.close(); }

void About(CommandTargets& t)
{
    CAboutDialog about(t.main.JdkFolder(), &t.main);
    about.exec();
}

using enum CommandRule;

const Command kCommands[] = {
    {cmd::OpenJavaFile, Free, Main<&CMainDialog::ChooseJavaFile>},
    {cmd::ChooseJdk, Free, Main<&CMainDialog::ChooseJdkFolder>},
    {cmd::Exit, Free, Exit},
    {cmd::EditSource, NeedsSource, Tool<&cmd::CToolCommands::OnEditSource>},
    {cmd::EditSourceWith, NeedsSource, Tool<&cmd::CToolCommands::OnEditSourceWith>},
    {cmd::EditHtml, NeedsFile, Tool<&cmd::CToolCommands::OnEditHtml>},
    {cmd::Compile, NeedsSource, Tool<&cmd::CToolCommands::OnCompile>},
    {cmd::Rebuild, NeedsSource, Tool<&cmd::CToolCommands::OnRebuild>},
    {cmd::Javah, NeedsSource, Tool<&cmd::CToolCommands::OnJavah>},
    {cmd::Rmic, NeedsSource, Tool<&cmd::CToolCommands::OnRmic>},
    {cmd::RunJava, NeedsFile, Tool<&cmd::CToolCommands::OnRunJava>},
    {cmd::RunAppletViewer, NeedsFile, Tool<&cmd::CToolCommands::OnRunAppletViewer>},
    {cmd::RunBrowser, NeedsFile, Tool<&cmd::CToolCommands::OnRunBrowser>},
    {cmd::MakeHtml, NeedsFile, Generator<&dialogs::CGenerateCommands::OnMakeHtml>},
    {cmd::MakeApplet, Free, Generator<&dialogs::CGenerateCommands::OnMakeApplet>},
    {cmd::MakeClass, Free, Generator<&dialogs::CGenerateCommands::OnMakeClass>},
    {cmd::MakeJar, Free, Generator<&dialogs::CGenerateCommands::OnMakeJar>},
    {cmd::MakeDocument, NeedsSource, Tool<&cmd::CToolCommands::OnMakeDocument>},
    {cmd::MakeAllDocuments, NeedsSource, Tool<&cmd::CToolCommands::OnMakeAllDocuments>},
    {cmd::Options, Free, Tool<&cmd::CToolCommands::OnOptions>},
    {cmd::Help, Free, Tool<&cmd::CToolCommands::OnHelp>},
    {cmd::JavaDocument, JavaDocument, Tool<&cmd::CToolCommands::OnJavaDocument>},
    {cmd::About, Free, About},
};

}  // namespace

std::optional<bool> FileRuleState(CommandRule rule, bool usable, const QString& extension)
{
    switch (rule) {
    case NeedsFile: return usable;
    case NeedsSource: return usable && extension == QLatin1String("java");
    case Free:
    case JavaDocument: return std::nullopt;
    }
    return std::nullopt;
}

std::span<const Command> Commands() { return kCommands; }

const Command* FindCommand(int id)
{
    for (const Command& command : kCommands) {
        if (command.id == id)
            return &command;
    }
    return nullptr;
}

}  // namespace app
