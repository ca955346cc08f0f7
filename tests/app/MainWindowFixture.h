// The main window's test fixture: a JDK of scripts found or not, a settings sandbox, scripted dialogs.
#pragma once
#include "app/AboutDialog.h"
#include "app/MainDialog.h"
#include "app/NoticeBar.h"
#include "app/SettingsWriteReport.h"
#include "commands/CommandIds.h"
#include "platform/JdkLocator.h"
#include "resources/FormIds.h"
#include "settings/IniDocument.h"
#include "tests/support/FakeTool.h"
#include "tests/support/FakeUserDialogs.h"
#include "tests/support/TempFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

using namespace app;
using namespace cmd;
using namespace platform;
using namespace resources;
using namespace settings;

template <class Window>
QString Text(const Window& w, int id)
{
    return w.Control(id)->property("text").toString();
}

const QString kNoJdk =
    QStringLiteral("JDK がないため使えません。「JDK選択」(Ctrl+D) で JDK のフォルダを選択してください。");

struct Started : MainDialog {
    explicit Started(bool shown = false)
    {
        Start();
        if (shown)
            show();
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_previousFolder = QDir::currentPath();
        for (const char* tool : {"java", "javac"}) {
            const QString path =
                m_jdk.Write(QStringLiteral("jdk/bin/") + QString::fromUtf8(tool) + kExe, "#!/bin/sh\n");
            QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        m_jdk.Write(QStringLiteral("jdk/release"), "JAVA_VERSION=\"17.0.15\"\n");
        for (const QString& tool : {m_jdk.Write(QStringLiteral("jre/bin/java")), m_apt})
            QFile(tool).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        m_jdk.Write(QStringLiteral("nojdk/readme"));
        UseDetectableJdk(true);
    }
    void TearDown() override
    {
        OverrideJdkSearchPlaces(std::nullopt);
        QDir::setCurrent(m_previousFolder);
    }
    // Without a JDK, PATH holds apt.
    void UseDetectableJdk(bool detectable)
    {
        JdkSearchPlaces places;
        places.javaHome = detectable ? m_jdk.Path(QStringLiteral("jdk")) : QString();
        places.path = detectable ? QString() : QFileInfo(m_apt).path();
        places.jvmRoot = m_jdk.Path(QStringLiteral("none"));
        OverrideJdkSearchPlaces(places);
    }
    QString JdkBin() const { return m_jdk.Path(QStringLiteral("jdk/bin/")); }
    QString Ini(const char* section, const char* key) const
    {
        return IniDocument::FromBytes(m_settings.IniBytes())
            .Value(QString::fromUtf8(section), QString::fromUtf8(key))
            .value_or(QStringLiteral("<missing>"));
    }
    bool ItemEnabled(const MainDialog& w, int id) const { return w.CommandAction(id)->isEnabled(); }

    SettingsSandbox m_settings;
    FakeUserDialogs m_dialogs;
    TempFolder m_jdk;
    TempFolder m_work;
    const QString m_apt = m_jdk.Write(QStringLiteral("sbin/apt"));
    QString m_previousFolder;
};
