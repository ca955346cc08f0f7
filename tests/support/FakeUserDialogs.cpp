#include "tests/support/FakeUserDialogs.h"

#include <gtest/gtest.h>

namespace {

template <class T>
std::optional<T> Take(std::deque<std::optional<T>>& queue)
{
    if (queue.empty())
        return std::nullopt;
    std::optional<T> answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

}  // namespace

FakeUserDialogs::FakeUserDialogs() { platform::SetUserDialogs(this); }

FakeUserDialogs::~FakeUserDialogs() { platform::SetUserDialogs(nullptr); }

platform::MsgAnswer FakeUserDialogs::Message(QObject* owner, const QString& text, const QString& caption,
                                             platform::MsgIcon icon, platform::MsgButtons buttons)
{
    if (beforeMessage)
        beforeMessage(owner);
    messages.push_back({owner, text, caption, icon, buttons});
    if (buttons == platform::MsgButtons::Ok)
        return platform::MsgAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return platform::MsgAnswer::No;
    }
    const platform::MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeUserDialogs::ChooseFile(QObject*, const platform::FileDialogSpec& request)
{
    fileRequests.push_back(request);
    return Take(files);
}

QStringList FakeUserDialogs::ChooseFiles(QObject*, const platform::FileDialogSpec& request)
{
    fileRequests.push_back(request);
    if (fileLists.empty())
        return {};
    QStringList answer = fileLists.front();
    fileLists.pop_front();
    return answer;
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
