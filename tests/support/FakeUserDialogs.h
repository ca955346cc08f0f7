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
    MsgIcon icon = MsgIcon::None;
    MsgButtons buttons = MsgButtons::Ok;
};

struct RecordedFolderRequest {
    QObject* owner = nullptr;
    QString title;
    QString initialFolder;
};

class FakeUserDialogs final : public IUserDialogs {
public:
    FakeUserDialogs();
    ~FakeUserDialogs() override;

    // Answers in order; an unscripted Yes/No question fails the test and is answered No.
    std::deque<MsgAnswer> answers;
    // nullopt = cancel; an unscripted request is cancelled.
    std::deque<std::optional<QString>> files;
    std::deque<QStringList> fileLists;  // for ChooseFiles; empty = cancel
    std::deque<std::optional<QString>> folders;
    std::deque<std::optional<Rgb>> colors;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogSpec> fileRequests;
    std::vector<RecordedFolderRequest> folderRequests;
    int colorRequests = 0;
    // Called before each message is recorded and answered.
    std::function<void(QObject* owner)> beforeMessage;

    MsgAnswer Message(QObject* owner, const QString& text, const QString& caption, MsgIcon icon,
                      MsgButtons buttons) override;
    std::optional<QString> ChooseFile(QObject* owner, const FileDialogSpec& request) override;
    // Recorded in fileRequests like ChooseFile.
    QStringList ChooseFiles(QObject* owner, const FileDialogSpec& request) override;
    std::optional<QString> ChooseFolder(QObject* owner, const QString& title, const QString& initialFolder) override;
    std::optional<Rgb> ChooseColor(QObject* owner) override;
};
