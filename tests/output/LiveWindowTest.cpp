// The output window while a tool runs, driven like a user would, on fake tools and the real JDK.
#include "output/OutputDialog.h"

#include "tests/commands/CommandsTestSupport.h"
#include "tests/support/FakeTool.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextDocument>
#include <QTimer>
#include <deque>
#include <functional>

using namespace output;
using namespace platform;

namespace {

using Step = std::function<bool(OutputDialog&)>;

// Steps on the open output window, each true when done; one not done in time fails and ends the run.
class WindowScript {
public:
    explicit WindowScript(std::initializer_list<Step> steps)
        : m_steps(steps)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
        m_clock.start();
        m_timer.start(20);
    }
    bool Done() const { return m_steps.empty() && !m_gaveUp; }
    bool SawWindow() const { return m_sawWindow; }

private:
    static constexpr qint64 kLimitMs = 90000;

    void Tick()
    {
        auto* window = qobject_cast<OutputDialog*>(QApplication::activeModalWidget());
        if (!window || m_busy)
            return;
        m_sawWindow = true;
        if (!m_gaveUp && !m_steps.empty() && m_clock.elapsed() > kLimitMs) {
            ADD_FAILURE() << "step " << m_done + 1 << " of the window script was not done in time";
            m_gaveUp = true;
        }
        m_busy = true;
        if (m_gaveUp)
            window->IsRunning() ? window->AbortButton()->click() : window->accept();
        else if (!m_steps.empty() && m_steps.front()(*window)) {
            m_steps.pop_front();
            ++m_done;
        }
        m_busy = false;
    }

    std::deque<Step> m_steps;
    QTimer m_timer;
    QElapsedTimer m_clock;
    int m_done = 0;
    bool m_busy = false;
    bool m_gaveUp = false;
    bool m_sawWindow = false;
};

QString Shown(const OutputDialog& window) { return window.Edit()->toPlainText(); }

// The last step: once the run has ended, look at the window, then close it.
Step AtEnd(std::function<void(OutputDialog&)> look)
{
    return [look](OutputDialog& w) {
        if (w.IsRunning())
            return false;
        look(w);
        w.accept();
        return true;
    };
}

void Type(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

// Letters and blanks, as typed on a keyboard.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, c);
        QApplication::sendEvent(widget, &press);
    }
}

// Clicks the first link of the window's text.
void ClickFirstLink(OutputDialog& window)
{
    QTextCursor cursor(window.Edit()->document());
    while (!cursor.atEnd() && !cursor.charFormat().isAnchor())
        cursor.movePosition(QTextCursor::NextCharacter);
    cursor.movePosition(QTextCursor::NextCharacter);
    const QPoint at = window.Edit()->cursorRect(cursor).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, window.Edit()->viewport()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(window.Edit()->viewport(), &event);
    }
}

const QRegularExpression kEnded(R"(【終了しました（終了コード (\d+)、\d+\.\d 秒）】\n)");

class LiveWindowTest : public CommandsTest {
protected:
    LiveWindowTest()
    {
        commands.live = true;
        main.jdk = root.Path("fake jdk/bin/");
        main.SetCurrentFile(Src("Hello.class"));
        Options("[JavaOption]\nMsg=true\n");
    }
    void Java(const QStringList& steps) { WriteFakeTool(root, "fake jdk/bin/java", steps); }
};

TEST_F(LiveWindowTest, TheFirstLineShowsWhileTheToolRunsAndAbortStopsIt)
{
    Java({"out:first", "sleep:30", "out:never"});
    QString running, ended, title, command;
    WindowScript script{[&](OutputDialog& w) {
                            if (!Shown(w).contains("first"))
                                return false;
                            running = Shown(w);
                            title = w.windowTitle();
                            command = w.CommandLabel()->toolTip();
                            w.AbortButton()->click();
                            return true;
                        },
                        AtEnd([&](OutputDialog& w) {
                            ended = Shown(w) + "|" + w.windowTitle();
                            w.OnSaveText();  // cancelled
                        })};
    commands.OnRunJava();
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].initialFolder, src) << "保存 starts in the current file's folder";
    EXPECT_EQ(running, "first\n");
    EXPECT_EQ(title, "java" + kExe + " Hello - 実行中");
    EXPECT_EQ(command, "\"" + main.jdk + "java" + kExe + "\" -classpath . Hello");
    EXPECT_TRUE(ended.startsWith("first\n【中止しました（")) << ended.toStdString();
    EXPECT_TRUE(ended.endsWith("|java" + kExe + " Hello - 中止しました")) << ended.toStdString();
}

// Also what is typed into the text, Enter there too: it goes to the input line and never asks to stop the program.
TEST_F(LiveWindowTest, TypedLinesGoToTheProgramAndCtrlDEndsItsInput)
{
    Java({"put:name? ", "read", "out:got $line", "read-or:eof"});
    QString text;
    WindowScript script{[&](OutputDialog& w) {
                            if (Shown(w) != "name? ")
                                return false;
                            EXPECT_TRUE(w.InputLine()->isVisible() && w.focusWidget() == w.InputLine());
                            w.Edit()->setFocus();
                            TypeText(w.Edit(), "x y");
                            EXPECT_EQ(w.InputLine()->text(), "x y");
                            Type(w.Edit(), Qt::Key_Return);
                            return true;
                        },
                        [&](OutputDialog& w) {
                            if (!Shown(w).contains("got x y"))
                                return false;
                            EXPECT_TRUE(w.isVisible() && dialogs.messages.empty()) << "Enter does not close the window";
                            Type(&w, Qt::Key_D, Qt::ControlModifier);
                            return true;
                        },
                        AtEnd([&](OutputDialog& w) {
                            text = Shown(w);
                            EXPECT_FALSE(w.InputLine()->isVisible());
                        })};
    commands.OnRunJava();
    ASSERT_TRUE(script.Done());
    EXPECT_TRUE(text.startsWith("name? x y\ngot x y\neof\n")) << text.toStdString();
    EXPECT_EQ(kEnded.match(text).captured(1), "0");
}

// No keeps it running; Yes stops it and closes, also when the tool ended meanwhile.
TEST_F(LiveWindowTest, ClosingWhileTheToolRunsAsksWhetherToStopIt)
{
    Java({"sleep:30", "touch:done"});
    dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    WindowScript script{[&](OutputDialog& w) {
                            w.reject();
                            EXPECT_TRUE(w.isVisible() && w.IsRunning()) << "No keeps it running";
                            return true;
                        },
                        [&](OutputDialog& w) {
                            Type(w.Edit(), Qt::Key_Escape);
                            return true;
                        }};
    commands.OnRunJava();
    ASSERT_TRUE(script.Done());
    EXPECT_EQ(Messages(), QStringList(2, "実行中のツールを中止しますか？"));
    EXPECT_EQ(dialogs.messages[0].buttons, MsgButtons::YesNoDefaultNo) << "Enter never stops the program";
    EXPECT_FALSE(root.Exists("my src/done"));
    EXPECT_TRUE(settings.IniBytes().contains("[MsgDlg]")) << "closed during the run, its place is kept";

    Java({"out:started", "sleep:1"});
    dialogs.beforeMessage = [](QObject* owner) {  // a user who takes a while to decide
        for (auto* w = qobject_cast<OutputDialog*>(owner); w && w->IsRunning();)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    };
    dialogs.answers = {MsgAnswer::Yes};
    bool closed = false;
    WindowScript ending{[&](OutputDialog& w) {
                            if (Shown(w).isEmpty())
                                return false;
                            w.reject();  // answered once the tool has ended
                            closed = !w.isVisible();
                            return true;
                        },
                        [&](OutputDialog& w) { return w.close(); }};
    commands.OnRunJava();
    ASSERT_TRUE(ending.Done() || closed);
    EXPECT_TRUE(closed) << "Yes closes the window although the tool ended meanwhile";
}

TEST_F(LiveWindowTest, ASilentCompileShowsNoWindowAndReportsSuccess)
{
    WriteFakeTool(root, "fake jdk/bin/javac", {"sleep:1"});
    main.SetCurrentFile(Src("Hello.java"));
    {
        const WindowScript watch{};
        commands.OnCompile();
        EXPECT_FALSE(watch.SawWindow()) << "not even for a moment";
    }
    ASSERT_EQ(main.notices.size(), 1);
    EXPECT_TRUE(main.notices[0].startsWith("コンパイルしました: Hello.java（")) << main.notices[0].toStdString();
    QStringList texts;
    const Step keep = [&](OutputDialog& w) {
        return !w.IsRunning() && (texts << Shown(w) + w.windowTitle(), w.close());
    };
    WindowScript close{keep, keep, keep};
    WriteFakeTool(root, "fake jdk/bin/javac", {"err:Hello.java:1: error: x", "exit:1"});
    commands.OnCompile();
    WriteFakeTool(root, "fake jdk/bin/javac", {"exit:2"});
    commands.OnCompile();
    Java({"out:X.java:5: error: printed by the program"});
    commands.OnRunJava();
    EXPECT_EQ(main.notices.size(), 1) << "a failed compile has its window";
    ASSERT_EQ(texts.size(), 3);
    // The count once, in the title, and only of a compiler's messages.
    EXPECT_TRUE(texts[0].startsWith("Hello.java:1: error: x\n【")) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].endsWith("】\njavac" + kExe + " Hello.java - エラー 1 件 - 終了コード 1"))
        << texts[0].toStdString();
    EXPECT_EQ(kEnded.match(texts[1]).captured(1), "2") << "a silent failure says how it ended";
    EXPECT_TRUE(texts[1].endsWith("】\njavac" + kExe + " Hello.java - 終了コード 2")) << texts[1].toStdString();
    EXPECT_TRUE(texts[2].endsWith("】\njava" + kExe + " Hello - 終了コード 0")) << texts[2].toStdString();
    EXPECT_FALSE(texts.join("").contains("件\n")) << texts.join("").toStdString();
}

// A click opens the caret's column or the frame's line in the editor the options name then.
TEST_F(LiveWindowTest, RealCompileErrorsAndStackTracesLinkToTheirLines)
{
    if (!UseFoundJdk())
        GTEST_SKIP() << "no JDK installed";
    TempFolder bin;
    QStringList texts;
    const auto clickWith = [&](const char* editor) {
        return AtEnd([&, editor](OutputDialog& w) {
            texts << Shown(w);
            Options("[JavaOption]\nMsg=true\n[AppOption]\nUseJava=true\nAppJava=" + WriteScript(bin, editor).toUtf8());
            ClickFirstLink(w);
        });
    };
    {
        const WindowScript script{clickWith("kate")};
        Compile("Broken.java", "public class Broken {\n  void f() {\n    int x\u3000= 1;\n  }\n}\n");
        ASSERT_TRUE(script.Done());
    }
    Compile("Boom.java",
            "public class Boom {\n  public static void main(String[] a) {\n"
            "    System.out.println(\"before\");\n    throw new IllegalStateException(\"boom\");\n  }\n}\n");
    const WindowScript script{clickWith("gedit")};
    commands.OnRunJava();
    ASSERT_TRUE(script.Done());
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith("Broken.java:3:")) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].contains("\nヒント: 3 行 10 文字目に全角スペースがあります。")) << texts[0].toStdString();
    EXPECT_TRUE(QRegularExpression("\n(1 error|エラー1個)\n【終了しました（終了コード 1、").match(texts[0]).hasMatch())
        << texts[0].toStdString();
    EXPECT_TRUE(texts[1].contains("\tat Boom.main(Boom.java:4)\n")) << texts[1].toStdString();
    EXPECT_EQ(commands.started, (QList<QStringList>{{src, bin.Path("kate"), "-l", "3", "-c", "10", src + "Broken.java"},
                                                    {src, bin.Path("gedit"), "+4", src + "Boom.java"}}));
}

}  // namespace
