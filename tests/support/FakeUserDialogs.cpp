#include "tests/support/FakeUserDialogs.h"

#include <gtest/gtest.h>

FakeUserDialogs::FakeUserDialogs() { SetUserDialogs(this); }

FakeUserDialogs::~FakeUserDialogs() { SetUserDialogs(nullptr); }

MsgAnswer FakeUserDialogs::Message(QObject* owner, const QString& text, const QString& caption,
                                   MsgIcon icon, MsgButtons buttons)
{
    messages.push_back({owner, text, caption, icon, buttons});
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unscripted question: " << text.toStdString();
        return MsgAnswer::No;
    }
    const MsgAnswer answer = answers.front();
    answers.pop_front();
    return answer;
}

std::optional<QString> FakeUserDialogs::ChooseFile(QObject*, const FileDialogSpec& spec)
{
    fileRequests.push_back(spec);
    if (files.empty())
        return {};
    auto answer = files.front();
    files.pop_front();
    return answer;
}

std::optional<QString> FakeUserDialogs::ChooseFolder(QObject* owner, const QString& title,
                                                     const QString& initialFolder)
{
    folderRequests.push_back({owner, title, initialFolder});
    if (folders.empty())
        return {};
    auto answer = folders.front();
    folders.pop_front();
    return answer;
}

std::optional<Rgb> FakeUserDialogs::ChooseColor(QObject*)
{
    ++colorRequests;
    if (colors.empty())
        return {};
    auto answer = colors.front();
    colors.pop_front();
    return answer;
}
