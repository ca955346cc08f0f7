#pragma once
// Scripted answers for every message box and common dialog; records each
// request so tests can check texts, captions, icons and buttons exactly.
// Installs itself for its lifetime.
#include "platform/UserDialogs.h"
#include "tests/support/QtPrinters.h"

#include <deque>
#include <functional>
#include <vector>

struct RecordedMessage {
    QObject* owner = nullptr;
    QString text;
    QString caption;
    platform::MsgIcon icon = platform::MsgIcon::None;
    platform::MsgButtons buttons = platform::MsgButtons::Ok;
};

struct RecordedFolderRequest {
    QObject* owner = nullptr;
    QString title;
    QString initialFolder;
};

class FakeUserDialogs final : public platform::IUserDialogs {
public:
    FakeUserDialogs() { platform::SetUserDialogs(this); }
    ~FakeUserDialogs() override { platform::SetUserDialogs(nullptr); }

    // Answers in order; an unscripted Yes/No question fails the test and is answered No.
    std::deque<platform::MsgAnswer> answers;
    // nullopt = cancel; an unscripted request is cancelled.
    std::deque<std::optional<QString>> files;
    std::deque<QStringList> fileLists;  // for ChooseFiles; empty = cancel
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<platform::Rgb>> colors;

    std::vector<RecordedMessage> messages;
    std::vector<platform::FileDialogSpec> fileRequests;
    std::vector<RecordedFolderRequest> folderRequests;
    int colorRequests = 0;
    // Called before each message is recorded and answered.
    std::function<void(QObject* owner)> beforeMessage;

    platform::MsgAnswer Message(QObject* owner, const QString& text, const QString& caption, platform::MsgIcon icon,
                                platform::MsgButtons buttons) override;
    std::optional<QString> ChooseFile(QObject* owner, const platform::FileDialogSpec& request) override;
    // Recorded in fileRequests like ChooseFile.
    QStringList ChooseFiles(QObject* owner, const platform::FileDialogSpec& request) override;
    std::optional<QString> ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder) override;
    std::optional<platform::Rgb> ChooseColor(QObject* owner) override;
};
