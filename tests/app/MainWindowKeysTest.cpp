// The main window and the keyboard: the keys its menus show, Tab, Enter and Escape.
#include "tests/app/MainWindowFixture.h"

namespace {

TEST_F(MainWindowTest, TabReachesOnlyShownControlsAndShowsTheFocus)
{
    Started w(true);
    w.SetCurrentFile(m_work.Write(QStringLiteral("Hello.java")));  // every button enabled
    QApplication::setActiveWindow(&w);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    w.Control(MainForm::ExtendButton)->setFocus();
    for (int i = 0; i < 12; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus->isVisible() && focus->mapTo(&w, QPoint(0, focus->height())).y() <= w.height())
            << focus->objectName().toStdString();
    }
    w.ToggleExtended();
    QWidget* compile = w.Control(MainForm::CompileButton);  // the first of the group
    const QImage plain = compile->grab().toImage();
    w.Control(MainForm::ExtendButton)->setFocus();
    QTest::keyClick(w.Control(MainForm::ExtendButton), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), compile);
    EXPECT_NE(compile->grab().toImage(), plain);
    EXPECT_TRUE(w.Control(MainForm::MakeJarButton)->isHidden()) << "a hidden button of the form stays hidden";
}

TEST_F(MainWindowTest, EachItemShowsTheKeyBoundToIt)
{
    Started w;
    EXPECT_EQ(w.CommandAction(Compile)->text(), QStringLiteral("Javacでコンパイル(&C)\tCtrl+C"));
    EXPECT_EQ(w.CommandAction(Exit)->text(), QStringLiteral("終了(&X)"));
    const auto claimed = [&w](QKeyCombination key) {
        QKeyEvent event(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
        event.ignore();
        QApplication::sendEvent(w.Control(MainForm::ExtendButton), &event);
        return event.isAccepted();
    };
    const QList<QAction*> items = w.MenuBar()->findChildren<QAction*>();
    for (QAction* item : items)
        item->setEnabled(true);
    QList<QKeyCombination> shown;
    for (QAction* item : items) {
        const QString keyText = item->text().section(QLatin1Char('\t'), 1);
        if (keyText.isEmpty())
            continue;
        const QKeySequence key = QKeySequence::fromString(keyText, QKeySequence::PortableText);
        ASSERT_EQ(key.count(), 1) << keyText.toStdString();
        shown << key[0];
        EXPECT_TRUE(claimed(key[0])) << keyText.toStdString();
        item->setEnabled(false);
        EXPECT_FALSE(claimed(key[0])) << keyText.toStdString() << " is bound to another item";
        item->setEnabled(true);
    }
    const Qt::KeyboardModifiers modifierSets[] = {Qt::ControlModifier, Qt::ControlModifier | Qt::ShiftModifier,
                                                  Qt::AltModifier, Qt::NoModifier};
    for (const Qt::KeyboardModifiers modifiers : modifierSets) {
        for (int key = Qt::Key_0; key <= Qt::Key_Z; ++key) {
            const QKeyCombination combination(modifiers, Qt::Key(key));
            EXPECT_EQ(claimed(combination), shown.contains(combination))
                << QKeySequence(combination).toString().toStdString();
        }
    }
    QSignalSpy spy(&w, &MainDialog::commandExecuted);
    w.Control(MainForm::FileEdit)->setFocus();
    QTest::keyClick(w.Control(MainForm::FileEdit), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), Compile);
}

TEST_F(MainWindowTest, EnterAndEscapeNeitherCloseNorPressAndARunningCommandKeepsTheWindow)
{
    Started w(true);
    QSignalSpy spy(&w, &MainDialog::commandExecuted);
    w.Control(MainForm::OpenFileButton)->setFocus();
    QTest::keyClick(w.Control(MainForm::OpenFileButton), Qt::Key_Return);
    QTest::keyClick(w.Control(MainForm::OpenFileButton), Qt::Key_Enter);
    QTest::keyClick(w.Control(MainForm::JdkEdit), Qt::Key_Escape);
    QTest::keyClick(&w, Qt::Key_Escape);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(spy.count(), 0);
    EXPECT_TRUE(m_dialogs.fileRequests.empty());
    bool closedDuringCommand = true;
    QObject::connect(&w, &MainDialog::commandExecuted, &w, [&](int id) {
        if (id == About)
            closedDuringCommand = w.close();
    });
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    w.ExecuteCommand(About);
    EXPECT_FALSE(closedDuringCommand);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.close());
}

}  // namespace
