// The commands that hand the source or its page to an editor.
#include "tests/commands/CommandsTestSupport.h"

namespace {

class EditorCommandsTest : public CommandsTest {
protected:
    TempFolder bin;
    const QString source = Src("Hello.java");

    EditorCommandsTest() { commands.env.path = {bin.Path()}; }
    void Choose(const char* key, const QString& path)
    {
        Options(QString("[AppOption]\nUse%1=true\nApp%1=%2\n").arg(key, path).toUtf8());
    }
};

TEST_F(EditorCommandsTest, EditSourceTriesTheEditorTheDesktopTheUsersEditorThenATextEditor)
{
    commands.openSucceeds = false;
    commands.OnEditSource();
    EXPECT_EQ(Messages(), QStringList{source + "を開けません"});
    const QString gedit = WriteScript(bin, "gedit");
    commands.OnEditSource();
    const QString nano = WriteScript(bin, "nano");
    const QString xterm = WriteScript(bin, "xterm");
    commands.env.visual = "nano -w";
    commands.OnEditSource();
    const QString editor = WriteScript(bin, "my editor");
    Choose("Java", editor);
    commands.OnEditSource();
    EXPECT_EQ(commands.opened, (QStringList{source, source, source}));
    EXPECT_EQ(
        commands.started,
        (QList<QStringList>{{src, gedit, source}, {src, xterm, "-e", nano, "-w", source}, {src, editor, source}}));
}

TEST_F(EditorCommandsTest, EditHtmlUsesItsEditorElseTheDesktopsTextApplication)
{
    const QString page = Src("Hello.html");
    const QString gedit = WriteScript(bin, "gedit");
    commands.env.dataDirs = {root.Path("share")};
    root.Write("share/applications/gedit.desktop",
               "[Desktop Entry]\nExec=gedit %U --icon %i\n[Desktop Action new]\nExec=x\n");
    root.Write("share/applications/mimeapps.list", "[Default Applications]\ntext/plain=gone.desktop;gedit.desktop;\n");
    commands.OnEditHtml();
    const QString editor = WriteScript(bin, "html ed");
    Choose("HTML", editor);
    commands.OnEditHtml();
    EXPECT_TRUE(commands.opened.isEmpty()) << "the page never goes to the browser for editing";
    EXPECT_EQ(commands.started,
              (QList<QStringList>{{src, gedit, "file://" + QString(page).replace(" ", "%20"), "--icon"},
                                  {src, editor, page}}));
}

// Besides the options' editor: the desktop's one for Java, told the line when it
// knows how, else the opener; not the plain-text default nor the last chosen one.
TEST_F(EditorCommandsTest, EditingAndLinksTakeTheSameEditor)
{
    const QString gedit = WriteScript(bin, "gedit");
    const QString myed = WriteScript(bin, "myed");
    commands.env.dataDirs = {root.Path("share")};
    root.Write("share/applications/gedit.desktop", "[Desktop Entry]\nExec=gedit %F\n");
    root.Write("share/applications/myed.desktop", "[Desktop Entry]\nExec=myed %f\n");
    struct Case {
        const char* name;
        QByteArray defaults;  // of the desktop
        QByteArray ini;
        QList<QStringList> started;  // editing, then the link to line 7
        QStringList opened;
    };
    const Case cases[] = {
        {"desktop editor", "text/x-java=gedit.desktop", "", {{src, gedit, source}, {src, gedit, "+7", source}}, {}},
        {"no line form", "text/x-java=myed.desktop", "", {{src, myed, source}, {src, myed, source}}, {}},
        {"only the opener knows",
         "text/plain=gedit.desktop",
         "[EditApp]\nPath=" + bin.Path().toUtf8() + "\nFileName=myed\n",
         {},
         {source, source}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        root.Write("share/applications/mimeapps.list", "[Default Applications]\n" + c.defaults + "\n");
        Options(c.ini);
        commands.started.clear();
        commands.opened.clear();
        commands.OnEditSource();
        commands.OpenSourceAtLine(source, 7);
        EXPECT_EQ(commands.started, c.started);
        EXPECT_EQ(commands.opened, c.opened);
    }
}

// A name like an option reaches the chosen application as a file.
TEST_F(EditorCommandsTest, OtherApplicationIsRememberedUnderEditApp)
{
    const QString chosen = root.Path("tools/ed/ed");
    dialogs.files.push_back(chosen);
    commands.OnEditSourceWith();
    const QByteArray stored = settings.IniBytes();
    commands.OnEditSourceWith();  // cancelled
    EXPECT_EQ(settings.IniBytes(), stored) << "cancel writes nothing";
    main.SetCurrentFile(Src("-x.java"));
    dialogs.files.push_back(chosen);
    commands.OnEditSourceWith();
    ASSERT_EQ(dialogs.fileRequests.size(), 3u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "アプリケーションを選択");
    EXPECT_FALSE(dialogs.fileRequests[0].mustExist);
    EXPECT_EQ(dialogs.fileRequests[1].initialFolder, root.Path("tools/ed/")) << "a folder holding the name stays whole";
    EXPECT_EQ(dialogs.fileRequests[1].proposedName, "ed");
    EXPECT_EQ(commands.started, (QList<QStringList>{{src, chosen, "Hello.java"}, {src, chosen, "./-x.java"}}));
}

// Through the real opening code with a fake xdg-open that fails.
TEST_F(EditorCommandsTest, AFailedDesktopOpenFallsBackOrSaysSo)
{
    commands.realOpen = true;
    const QString page = Src("Hello.html");
    const QString document = root.Write("doc/index.html");
    Options(QString("[AppOption]\nUseLink=true\nAppLink=%1\n").arg(document).toUtf8());
    const QString gedit = WriteScript(bin, "gedit");
    WriteScript(bin, "xdg-open", "exit 3\n");
    commands.OnEditSource();
    commands.OnRunBrowser();
    commands.OnJavaDocument();
    EXPECT_EQ(commands.started, (QList<QStringList>{{src, gedit, source}}));
    EXPECT_EQ(Messages(), (QStringList{page + "を開けません", document + "を開けません"}));
}

}  // namespace
