#include "settings/OptionDialog.h"
#include "resources/FormIds.h"
#include "tests/commands/CommandsTestSupport.h"
#include "tests/settings/OptionValues.h"
#include "tests/support/Gallery.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace cmd;
using namespace resources;
using namespace settings;

namespace {

using namespace resources::OptionsForm;

class OptionDialogTest : public ::testing::Test {
protected:
    template <class T = QWidget>
    T* W(int id) const
    {
        return dialog.findChild<T*>(ControlObjectName(id));
    }
    QLineEdit* Edit(int id) const { return W<QLineEdit>(id); }
    void Click(std::initializer_list<int> ids) const
    {
        for (int id : ids)
            W<QAbstractButton>(id)->click();
    }
    // One character per control: '1' where it is checked (or enabled).
    QString Flags(std::initializer_list<int> ids, bool enabled = false) const
    {
        QString flags;
        for (int id : ids)
            flags += (enabled ? W(id)->isEnabled() : W<QAbstractButton>(id)->isChecked()) ? u'1' : u'0';
        return flags;
    }

    SettingsSandbox sandbox;
    FakeUserDialogs dialogs;
    OptionModel model;
    OptionDialog dialog{model};
    QTabWidget* tab = W<QTabWidget>(Tab);
};

TEST_F(OptionDialogTest, EachShowingLaysOutFourPagesRefilledFromTheSettingsFile)
{
    sandbox.WriteIni("[JavaOption]\r\nOption=true\r\nStrOption=-v\r\nShowDos=true\r\n");
    dialog.show();
    // Every page control is a sibling of the tab over its display area, shown on exactly one page.
    QList<QWidget*> controls = dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (int id : {Tab, Ok, Cancel, JavahOptionCheck, JavahOptionEdit})
        controls.removeOne(W(id));
    QMap<QWidget*, int> pageOf;
    for (int selected : {1, 2, 3, 0}) {
        tab->setCurrentIndex(selected);
        for (QWidget* control : controls) {
            if (control->isVisible()) {
                EXPECT_FALSE(pageOf.contains(control)) << control->objectName().toStdString();
                EXPECT_TRUE(tab->geometry().contains(control->geometry())) << control->objectName().toStdString();
                pageOf[control] = selected;
            }
        }
        EXPECT_TRUE(pageOf.values().contains(selected)) << selected;
        EXPECT_FALSE(W(JavahOptionCheck)->isVisible() || W(JavahOptionEdit)->isVisible());
        SaveToGallery(&dialog, QStringLiteral("options_page%1").arg(selected));
    }
    EXPECT_EQ(pageOf.size(), controls.size());
    EXPECT_TRUE(pageOf[W(JavahClassPathEdit)] == 2 && pageOf[W(JavaDocumentBrowse)] == 3);
    tab->setCurrentIndex(2);
    dialog.hide();
    sandbox.WriteIni("[JavaOption]\r\nStrOption=-Xmx1g\r\n");
    dialog.show();
    EXPECT_EQ(Flags({JavaOptionCheck, HtmlEditorCheck, ClosePrompt}) + Flags({Capture}, true), QStringLiteral("0011"));
    EXPECT_TRUE(Edit(JavaOptionEdit)->text() == QStringLiteral("-Xmx1g") && tab->currentIndex() == 0
                && W(JavaOptionCheck)->isVisible());
}

// Ctrl+Tab and Ctrl+PgDn turn to the next page, with Shift or PgUp to the one before, from any control.
TEST_F(OptionDialogTest, KeysTurnThePages)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    Edit(JavaOptionEdit)->setEnabled(true);
    Edit(JavaOptionEdit)->setFocus();
    QList<int> pages;
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_Tab, ctrl},
                                         {Qt::Key_PageDown, ctrl},
                                         {Qt::Key_Backtab, ctrl | Qt::ShiftModifier},
                                         {Qt::Key_PageUp, ctrl},
                                         {Qt::Key_PageUp, ctrl}}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        pages << tab->currentIndex();
    }
    EXPECT_EQ(pages, QList<int>({1, 2, 1, 0, 3}));
    EXPECT_TRUE(W(JavaDocumentEdit)->isVisible());
}

TEST_F(OptionDialogTest, CheckBoxesEnableTheirEdits)
{
    dialog.show();
    for (const auto& [check, edit] : {std::pair{JavaOptionCheck, JavaOptionEdit},
                                      {JavaArgCheck, JavaArgEdit},
                                      {JavaClassPathCheck, JavaClassPathEdit},
                                      {JavacClassPathCheck, JavacClassPathEdit},
                                      {JavacOtherCheck, JavacOtherEdit},
                                      {JavahClassPathCheck, JavahClassPathEdit}}) {
        Click({check});
        const bool enabled = Edit(edit)->isEnabled();
        Click({check});
        EXPECT_TRUE(enabled && !Edit(edit)->isEnabled()) << edit;
    }
    Click({KeepPrompt});  // keeping the prompt open greys the capture box (on at first) but keeps its state
    EXPECT_EQ(Flags({Capture}, true) + Flags({Capture}), QStringLiteral("01"));
    Click({ClosePrompt});
    EXPECT_TRUE(W(Capture)->isEnabled());
    Click({JavaEditorCheck, HtmlEditorCheck, BrowserCheck, JavaDocumentCheck,
           JavaEditorCheck});  // page 3's boxes switch nothing
    EXPECT_EQ(Flags({JavaEditorEdit, JavaEditorBrowse, HtmlEditorEdit, HtmlEditorBrowse, BrowserEdit, BrowserBrowse,
                     JavaDocumentEdit, JavaDocumentBrowse},
                    true),
              QStringLiteral("11111111"));
}

// OK keeps the dialog open on a missing application; new keys go to the end of their sections, in file order.
TEST_F(OptionDialogTest, OkClosesOnlyWhenSaveSucceedsAndWritesEveryKeyInOrder)
{
    sandbox.WriteIni("[JavahOption]\r\nOption=true\r\nStrOption=-jni\r\n");  // the hidden controls carry it
    const QString browser = sandbox.Folder().Write(QStringLiteral("browser"));
    dialog.show();
    Click({BrowserCheck});
    Edit(BrowserEdit)->setText(browser + QStringLiteral("-gone"));
    tab->setCurrentIndex(3);
    Click({Ok});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].owner == &dialog && dialog.isVisible() && tab->currentIndex() == 3);
    Edit(BrowserEdit)->setText(browser);
    Click({Ok});
    EXPECT_TRUE(dialogs.messages.size() == 1 && dialog.result() == QDialog::Accepted && !dialog.isVisible());
    EXPECT_EQ(QString::fromUtf8(sandbox.IniBytes()),
              QStringLiteral("[JavahOption]\r\nOption=true\r\nStrOption=-jni\r\nClassPath=false\r\nStrClassPath=\r\n"
                             "[JavaOption]\r\nOption=false\r\nStrOption=\r\nArg=false\r\nStrArg=\r\nClassPath=false\r\n"
                             "StrClassPath=\r\nMsg=true\r\nShowDos=false\r\n"
                             "[JavacOption]\r\nO=false\r\nNowarn=false\r\nDeprecation=false\r\nClassPath=false\r\n"
                             "StrClassPath=\r\nOther=false\r\nStrOther=\r\nKeepWarm=true\r\n"
                             "[AppOption]\r\nUseJava=false\r\nAppJava=\r\nUseHTML=false\r\nAppHTML=\r\n"
                             "UseIE=true\r\nAppIE=%1\r\nUseLink=false\r\nAppLink=\r\n")
                  .arg(browser));
}

// Each control shows its option from the file, and OK stores what it holds then.
TEST_F(OptionDialogTest, EveryOptionGoesFromTheFileToItsControlAndBack)
{
    const QString application = sandbox.Folder().Write(QStringLiteral("app"));
    const StoredOptions hand = EveryOption(QStringLiteral("hand"), false, application);
    const StoredOptions typed = EveryOption(QStringLiteral("値"), true, application);
    WriteEveryOption(hand);
    dialog.show();
    for (const OptionRow& row : OptionRows()) {
        if (row.control == 0)
            continue;
        auto* box = W<QAbstractButton>(row.control);
        QLineEdit* edit = Edit(row.control);
        EXPECT_EQ(box ? SettingFile::BoolText(box->isChecked()) : edit->text(), OptionText(hand, row)) << row.control;
        if (box)
            box->setChecked(OptionText(typed, row) == QLatin1String("true"));
        else
            edit->setText(OptionText(typed, row));
    }
    Click({Ok});
    EXPECT_TRUE(dialog.result() == QDialog::Accepted && dialogs.messages.empty());
    EXPECT_EQ(OptionTexts(OptionModel().Stored()), SavedTexts(typed, hand));
}

TEST_F(OptionDialogTest, BrowseButtonsAskForAnExistingFileAndCancelKeepsTheEdit)
{
    dialog.show();
    for (const auto& [button, edit] : {std::pair{JavaEditorBrowse, JavaEditorEdit},
                                       {HtmlEditorBrowse, HtmlEditorEdit},
                                       {BrowserBrowse, BrowserEdit},
                                       {JavaDocumentBrowse, JavaDocumentEdit}}) {
        Edit(edit)->setText(QStringLiteral("/usr/bin/"));
        dialogs.files = {QStringLiteral("/usr/bin/chosen")};
        Click({button});
        const platform::FileDialogSpec& request = dialogs.fileRequests.back();
        EXPECT_TRUE(request.mode == platform::FileDialogSpec::Mode::Open && request.mustExist) << button;
        EXPECT_EQ(request.initialFolder + Edit(edit)->text(), QStringLiteral("/usr/bin//usr/bin/chosen"));
    }
    Edit(JavaDocumentEdit)->setText(QStringLiteral("kept"));
    Click({JavaDocumentBrowse});  // cancelled
    EXPECT_EQ(Edit(JavaDocumentEdit)->text()
                  + Flags({JavaEditorCheck, HtmlEditorCheck, BrowserCheck, JavaDocumentCheck}),
              QStringLiteral("kept0000"));
}

TEST_F(OptionDialogTest, TheCommandWritesNothingOnCancelAndRefreshesTheJavaDocumentCommandOnOk)
{
    FakeMainContext main;
    for (int button : {Cancel, Ok}) {  // -O, then Cancel or OK
        QTimer::singleShot(0, [button] {
            for (int id : {JavacOptimize, button})
                QApplication::activeModalWidget()->findChild<QAbstractButton*>(ControlObjectName(id))->click();
        });
        ToolCommands(main).OnOptions();
        EXPECT_EQ(main.refreshes, button == Ok ? 1 : 0);
        EXPECT_EQ(sandbox.Folder().Exists(QStringLiteral("Setting.ini")), button == Ok);  // Cancel writes nothing
    }
    EXPECT_EQ(main.options.JavacOptions(), QStringLiteral("-classpath . -O "));
}

}  // namespace
