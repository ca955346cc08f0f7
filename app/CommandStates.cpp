#include "app/CommandStates.h"

#include "commands/CommandIds.h"

namespace {

void Put(CommandStates& states, bool on, const QList<int>& buttons, const QList<int>& items)
{
    (on ? states.enabledButtons : states.disabledButtons) += buttons;
    (on ? states.enabledItems : states.greyedItems) += items;
}

}  // namespace

CommandStates ComputeCommandStates(bool usable, const QString& extension)
{
    CommandStates states;
    if (!usable) {
        Put(states, false, {1004, 1005, 1006, 1049, 1046, 1047, 1007, 1008},
            {cmd::EditSource, cmd::EditSourceWith, cmd::EditHtml, cmd::RunBrowser, cmd::MakeHtml, cmd::Compile,
             cmd::Javah, cmd::Rmic, cmd::Rebuild, cmd::RunJava, cmd::RunAppletViewer, cmd::MakeDocument,
             cmd::MakeAllDocuments});
        return states;
    }
    const bool source = extension == QLatin1String("java");
    Put(states, true, {1005, 1006, 1049}, {cmd::RunJava, cmd::RunAppletViewer});
    Put(states, source, {1004, 1046, 1047},
        {cmd::Compile, cmd::Javah, cmd::Rmic, cmd::Rebuild, cmd::EditSource, cmd::EditSourceWith, cmd::MakeDocument,
         cmd::MakeAllDocuments});
    Put(states, true, {1007, 1008}, {cmd::EditHtml, cmd::RunBrowser, cmd::MakeHtml});
    return states;
}
