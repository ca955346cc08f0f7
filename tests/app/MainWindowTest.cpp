#include "tests/app/MainWindowFixture.h"

namespace {

// The about box shows the chosen JDK's version, not the first one found, and why its update button is grey.
TEST_F(MainWindowTest, FirstStartFindsTheJdkStartsShortAndShowsTheJdksVersion)
{
    Started w;
    EXPECT_FALSE(w.IsExtended());
    EXPECT_EQ(Text(w, MainForm::JdkEdit), JdkBin());
    EXPECT_EQ(w.JdkFolder(), JdkBin());
    EXPECT_EQ(Ini("JDK", "Path"), m_jdk.Path(QStringLiteral("jdk/bin")));
    EXPECT_TRUE(m_dialogs.messages.empty());
    EXPECT_EQ(Text(AboutDialog(w.JdkFolder()), AboutForm::JdkVersionEdit), QStringLiteral("JDK Version... 17.0.15"));
    m_jdk.Write(QStringLiteral("jdk25/bin/java"));
    m_jdk.Write(QStringLiteral("jdk25/release"), "JAVA_VERSION=\"25.0.1\"\n");
    const AboutDialog chosen(m_jdk.Path(QStringLiteral("jdk25/bin/")));
    EXPECT_EQ(Text(chosen, AboutForm::JdkVersionEdit), QStringLiteral("JDK Version... 25.0.1"));
    const QWidget* update = chosen.Control(AboutForm::Update);
    EXPECT_EQ(update->toolTip().isEmpty(), update->isEnabled()) << update->toolTip().toStdString();
}

// The question says what was looked for, where, and how to install a JDK.
TEST_F(MainWindowTest, NoJdkAsksAndNoLeavesEverythingGreyWithTheReason)
{
    UseDetectableJdk(false);
    m_settings.WriteIni(("[JDK]\nPath=" + m_jdk.Path(QStringLiteral("nojdk"))).toUtf8());
    m_dialogs.answers.push_back(MsgAnswer::No);
    Started w;
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    const RecordedMessage& m = m_dialogs.messages[0];
    EXPECT_EQ(m.text,
              QStringLiteral("JDKフォルダ %1/ に java がありません。\n"
                             "JDK が見つかりませんでした。探した場所: 環境変数 JAVA_HOME（未設定）、PATH 上の javac、"
                             "%2/*/bin\nJDK はコマンド sudo apt install default-jdk でインストールできます。\n\n"
                             "\"java\"のあるフォルダを選択して下さい。\n例 \"/usr/lib/jvm/java-17-openjdk-amd64/bin\"")
                  .arg(m_jdk.Path(QStringLiteral("nojdk")), m_jdk.Path(QStringLiteral("none"))));
    EXPECT_EQ(m.caption, QStringLiteral("JDK選択"));
    EXPECT_EQ(m.icon, MsgIcon::Information);
    EXPECT_EQ(m.buttons, MsgButtons::YesNo);
    EXPECT_EQ(m.owner, &w);
    EXPECT_TRUE(m_dialogs.folderRequests.empty());
    EXPECT_EQ(qobject_cast<QLineEdit*>(w.Control(MainForm::JdkEdit))->placeholderText(), "JDK が見つかりません");
    EXPECT_EQ(AboutDialog::JdkVersionLine(w.JdkFolder()), QStringLiteral("JDK Version... Not Installed"));
}

TEST_F(MainWindowTest, ChosenJdkFoldersTakeTheHomesBinAndNameWhatIsMissing)
{
    UseDetectableJdk(false);
    m_dialogs.answers.push_back(MsgAnswer::Yes);
    m_dialogs.folders.push_back(m_jdk.Path(QStringLiteral("jdk")));
    Started w;
    EXPECT_EQ(w.JdkFolder(), JdkBin());
    EXPECT_EQ(Text(w, MainForm::JdkEdit), m_jdk.Path(QStringLiteral("jdk/bin")));
    EXPECT_EQ(Ini("JDK", "Path"), m_jdk.Path(QStringLiteral("jdk/bin")));
    UseDetectableJdk(true);
    for (const QString& folder : {m_jdk.Path(QStringLiteral("nojdk")), m_jdk.Path(QStringLiteral("jre"))}) {
        m_dialogs.folders.push_back(folder);
        w.ChooseJdkFolder();
    }
    EXPECT_EQ(w.JdkFolder(), m_jdk.Path(QStringLiteral("jre/bin/")));
    ASSERT_EQ(m_dialogs.messages.size(), 3u);
    EXPECT_EQ(m_dialogs.messages[1].text,
              QStringLiteral("フォルダ %1 には JDK のツール（java、javac）がありません。\n"
                             "JDK のフォルダ（bin を含むフォルダ）か、その bin フォルダを選択してください。")
                  .arg(m_jdk.Path(QStringLiteral("nojdk"))));
    EXPECT_EQ(m_dialogs.messages[2].text,
              QStringLiteral("フォルダ %1 には java はありますが javac がありません。Java の実行環境（JRE）だけで、"
                             "コンパイルはできません。\nコンパイルするには JDK を選択してください。")
                  .arg(m_jdk.Path(QStringLiteral("jre/bin"))));
}

TEST_F(MainWindowTest, CurrentFileSetsTitleEditsSettingsAndCommands)
{
    const QString source = m_work.Write(QStringLiteral("Hello.java"));
    const QString jar = m_work.Write(QStringLiteral("Tool.JAR"));
    Started w;
    w.SetCurrentFile(source);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Hello.java - Tarnwick Ver.1.12"));
    EXPECT_EQ(Text(w, MainForm::FolderEdit), m_work.Path());
    EXPECT_EQ(Text(w, MainForm::FileEdit), QStringLiteral("Hello.java"));
    EXPECT_EQ(Ini("JavaFile", "FileName"), QStringLiteral("Hello.java"));
    EXPECT_EQ(Ini("JavaFile", "Path"), m_work.Path());
    EXPECT_EQ(QDir::currentPath() + QLatin1Char('/'), m_work.Path());
    w.SetCurrentFile(jar);  // the extension decides the commands
    EXPECT_EQ(w.File().extension + w.File().title, QStringLiteral("jarTool"));
    EXPECT_FALSE(ItemEnabled(w, Compile));
}

TEST_F(MainWindowTest, NoticesShowWholeBesideTheExtendButton)
{
    Started w(true);
    const QString title = w.windowTitle();
    const QSize size = w.size();
    auto* notice = w.findChild<NoticeBar*>();
    ASSERT_NE(notice, nullptr);
    const QString compiled = QStringLiteral("コンパイルしました: Slow.java（1.0 秒）");
    for (const QString& text :
         {compiled, QStringLiteral("/home/user/とても長いフォルダの名前/もうひとつのフォルダ/App.jarを作成しました")}) {
        SCOPED_TRACE(text.toStdString());
        w.ShowNotice(text);
        w.ToggleExtended();
        EXPECT_TRUE(notice->isVisible() && notice->Text() == text);
        EXPECT_TRUE(notice->parentWidget()->rect().contains(notice->geometry()));
        EXPECT_TRUE(notice->rect().contains(notice->TextRect()));
        EXPECT_FALSE(notice->geometry().intersects(w.Control(MainForm::ExtendButton)->geometry()));
        if (text == compiled) {
            EXPECT_EQ(notice->height(), w.Control(MainForm::ExtendButton)->height()) << "a usual notice takes one line";
        }
    }
    EXPECT_EQ(std::pair(w.windowTitle(), w.size()), std::pair(title, size));
    w.ExecuteCommand(0);  // no command: only what every command does
    EXPECT_FALSE(notice->isVisible());
}

// Tab passes only controls that show: in the short form none of the shortcut group; on a shortcut button it shows.
TEST_F(MainWindowTest, OpenDialogIsPresetFromTheLastFile)
{
    m_settings.WriteIni(QByteArray("[JavaFile]\r\nFileName=Last.java\r\nPath=") + m_work.Path().toUtf8() + "\r\n");
    Started w;
    const QString chosen = m_work.Write(QStringLiteral("Pick.class"));
    m_dialogs.files.push_back(chosen);
    w.ExecuteCommand(OpenJavaFile);
    ASSERT_EQ(m_dialogs.fileRequests.size(), 1u);
    const FileDialogSpec& request = m_dialogs.fileRequests[0];
    EXPECT_EQ(request.proposedName + request.initialFolder, QStringLiteral("Last.java") + m_work.Path());
    EXPECT_EQ(w.File().fileName, QStringLiteral("Pick.class"));
    m_dialogs.files.push_back(std::nullopt);
    w.ExecuteCommand(OpenJavaFile);
    EXPECT_EQ(w.File().fileName, QStringLiteral("Pick.class"));
}

TEST_F(MainWindowTest, ExtendedFormFollowsTheStoredValueAndSurvivesARestart)
{
    for (const auto& [stored, extended] : {std::pair{"true", true}, {"TRUE", false}, {"1", false}, {"false", false}}) {
        m_settings.WriteIni(QByteArray("[Option]\r\nExtend=") + stored + "\r\n");
        Started w;
        EXPECT_EQ(Text(w, MainForm::ExtendButton), extended ? "<<" : ">>") << stored;
    }
    m_settings.WriteIni({});
    {
        Started w;
        const QRect before = w.geometry();
        QTest::mouseClick(w.Control(MainForm::ExtendButton), Qt::LeftButton);
        EXPECT_TRUE(w.IsExtended());
        EXPECT_GT(w.height(), before.height());
        const QRect group = w.Control(MainForm::MakeClassButton)->geometry();  // a button of the shortcut group
        EXPECT_LE(w.Control(MainForm::MakeClassButton)->mapTo(&w, QPoint(0, group.height())).y(), w.height());
        w.close();
    }
    EXPECT_EQ(Ini("Option", "Extend"), QStringLiteral("true"));
    Started again;
    EXPECT_TRUE(again.IsExtended());
    const QRect extended = again.geometry();
    again.ToggleExtended();
    again.ToggleExtended();
    EXPECT_EQ(again.geometry(), extended);
}

// The key a menu item shows after its tab is the one the window binds to it, and no other key is bound: a key is
// claimed from the focused control exactly while the item that shows it is enabled; a read-only edit, which would
// copy, gives Ctrl+C to its command.
// A folder gives its first file; nothing missing is complained about.
TEST_F(MainWindowTest, CommandLineAndDropsMakeTheFirstExistingFileCurrent)
{
    const QString a = m_work.Write(QStringLiteral("My Files/A.java"));
    m_work.Write(QStringLiteral("drop/a/Inner.java"));
    MainDialog w;
    w.Start({QStringLiteral("/no/such.java")});
    EXPECT_TRUE(w.File().IsEmpty());
    w.OpenDroppedFiles({m_work.Path(QStringLiteral("gone.java"))});
    EXPECT_TRUE(w.File().IsEmpty() && m_dialogs.messages.empty());
    MainDialog started;
    started.Start({QStringLiteral("/no/such.java"), a, m_work.Write(QStringLiteral("B.java"))});
    EXPECT_EQ(started.File().folder + started.File().fileName, m_work.Path(QStringLiteral("My Files/A.java")));
    w.OpenDroppedFiles({m_work.Path(QStringLiteral("drop")), m_work.Write(QStringLiteral("drop/Z.java"))});
    EXPECT_EQ(w.File().fileName, QStringLiteral("Inner.java"));
}

// A button shows its menu item's state (from the JDK, the file's kind, the Java document option), a grey one says why,
// and a click runs the item's command.
TEST_F(MainWindowTest, EachButtonHasItsCommandsState)
{
    UseDetectableJdk(false);
    const QString doc = m_work.Write(QStringLiteral("api/index.html"));
    m_settings.WriteIni(("[JDK]\r\nPath=" + m_jdk.Path(QStringLiteral("nojdk"))
                         + "\r\n[AppOption]\r\nUseLink=true\r\nAppLink=" + doc + "\r\n")
                            .toUtf8());
    m_dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    Started w;
    const FormTemplate form = LoadFormTemplate(MainForm::Id);
    const QList<ButtonCommand> buttons = LoadButtonCommands(form);
    for (const ControlTemplate& control : form.controls) {
        const bool standsFor = std::ranges::any_of(buttons, [&](auto b) { return b.button == control.id; });
        EXPECT_EQ(standsFor, control.kind.endsWith("button") && control.id != MainForm::ExtendButton) << control.id;
    }
    const auto check = [&](const char* state, const QString& reason = {}) {
        for (const ButtonCommand& entry : buttons) {
            const QWidget* button = w.Control(entry.button);
            const QAction* item = w.CommandAction(entry.command);
            ASSERT_TRUE(button && item) << entry.button;
            EXPECT_EQ(button->isEnabled(), item->isEnabled()) << state << ": " << entry.button;
            EXPECT_EQ(button->toolTip(), button->isEnabled() ? QString() : reason) << state << ": " << entry.button;
        }
    };
    check("no JDK, no file", kNoJdk);
    w.SetCurrentFile(m_work.Write(QStringLiteral("Hello.java")));
    EXPECT_EQ(w.CommandAction(Compile)->toolTip(), kNoJdk);
    check("no JDK, a source", kNoJdk);
    m_dialogs.folders.push_back(m_jdk.Path(QStringLiteral("jdk")));
    QSignalSpy spy(&w, &MainDialog::commandExecuted);
    QTest::mouseClick(w.Control(MainForm::ChooseJdkButton), Qt::LeftButton);
    EXPECT_EQ(spy.count() == 1 ? spy.at(0).at(0).toInt() : 0, ChooseJdk);
    EXPECT_TRUE(ItemEnabled(w, Compile) && ItemEnabled(w, JavaDocument));
    check("a source");
    w.SetCurrentFile(m_work.Write(QStringLiteral("Hello.class")));
    EXPECT_TRUE(ItemEnabled(w, RunJava) && !ItemEnabled(w, Compile)) << "a class runs, but does not compile";
    check("a class file");
    QFile::remove(doc);
    w.RefreshJavaDocumentCommand();
    EXPECT_FALSE(ItemEnabled(w, JavaDocument));
    check("no Java document");
}

TEST_F(MainWindowTest, FailedSettingsWriteIsToldOnceAndDamagesNothing)
{
    QDir(m_settings.Folder().Path()).mkdir(QStringLiteral("Setting.ini"));
    StartReportingSettingsWriteFailures();
    MainDialog w;
    w.Start({m_work.Write(QStringLiteral("Hello.java"))});
    StopReportingSettingsWriteFailures();
    ASSERT_EQ(m_dialogs.messages.size(), 1u);
    EXPECT_TRUE(m_dialogs.messages[0].text.startsWith(QStringLiteral("設定を保存できません。\n") + m_settings.IniPath()
                                                      + QLatin1Char('\n')));
    EXPECT_EQ(m_dialogs.messages[0].caption, QStringLiteral("設定エラー"));
    EXPECT_EQ(m_dialogs.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_TRUE(QFileInfo(m_settings.IniPath()).isDir());
    EXPECT_EQ(w.File().fileName, QStringLiteral("Hello.java"));
}

}  // namespace
