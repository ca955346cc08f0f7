#include "platform/UserDialogs.h"

namespace platform {

namespace {

class CancellingDialogs final : public IUserDialogs {
public:
    MsgAnswer Message(QObject*, const QString&, const QString&, MsgIcon, MsgButtons buttons) override
    {
        return buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::No;
    }
    std::optional<QString> ChooseFile(QObject*, const FileDialogSpec&) override { return {}; }
    QStringList ChooseFiles(QObject*, const FileDialogSpec&) override { return {}; }
    std::optional<QString> ChooseFolder(QObject*, const QString&, const QString&) override { return {}; }
    std::optional<Rgb> ChooseColor(QObject*) override { return {}; }
};

CancellingDialogs g_cancelling;
IUserDialogs* g_current = &g_cancelling;

}  // namespace

IUserDialogs& UserDialogs() { return *g_current; }

void SetUserDialogs(IUserDialogs* dialogs) { g_current = dialogs ? dialogs : &g_cancelling; }

}  // namespace platform
