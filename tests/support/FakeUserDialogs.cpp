#include "tests/support/FakeUserDialogs.h"

#include <gtest/gtest.h>

namespace {

// The next answer; an empty one (a cancel) when none is left.
template <class T>
T Take(std::deque<T>& queue)
{
    if (queue.empty())
        return {};
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

platform::MsgAnswer FakeUserDialogs::Message(QObject* owner, const QString& text, const QString& caption,
                                             platform::MsgIcon icon, platform::MsgButtons buttons)
{
    if (beforeMessage)
        beforeMessage(owner);
    messages.push_back({owner, text, caption, icon, buttons});
    if (buttons == platform::MsgButtons::Ok)
        return platform::MsgAnswer::Ok;
    if (answers.empty())
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return answers.empty() ? platform::MsgAnswer::No : Take(answers);
}

std::optional<QString> FakeUserDialogs::ChooseFile(QObject*, const platform::FileDialogSpec& request)
{
    fileRequests.push_back(request);
    return Take(files);
}

QStringList FakeUserDialogs::ChooseFiles(QObject*, const platform::FileDialogSpec& request)
{
    fileRequests.push_back(request);
    return Take(fileLists);
}

std::optional<QString> FakeUserDialogs::ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder)
{
    folderRequests.push_back({owner, title, initialFolder});
    return Take(folders);
}

std::optional<platform::Rgb> FakeUserDialogs::ChooseColor(QObject*)
{
    ++colorRequests;
    return Take(colors);
}
