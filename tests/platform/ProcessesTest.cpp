// Starting processes from their descriptions, and their locale.
#include "platform/Processes.h"

#include "tests/runner/RunnerTestSupport.h"

#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace platform;

namespace {

// A UTF-8 locale is set only where the user's character locale is not an
// installed one.
TEST(WithUtf8Locale, ChangesOnlyLocalesThatAreNotUtf8)
{
    const std::pair<QStringList, bool> cases[] = {{{}, true},
                                                  {{"LC_ALL=C"}, true},
                                                  {{"LC_ALL=ja_JP.eucJP", "LANG=ja_JP.UTF-8"}, true},
                                                  {{"LC_CTYPE=POSIX", "LANG=en_US.UTF-8"}, true},
                                                  {{"LANG=C.UTF-8"}, false},
                                                  {{"LC_ALL=C.utf8"}, false},
                                                  // a UTF-8 name that is not installed gives ASCII
                                                  {{"LANG=xx_XX.UTF-8"}, true},
                                                  {{"LC_ALL=", "LC_CTYPE=C.UTF-8", "LANG=C"}, false}};
    for (const auto& [variables, changes] : cases) {
        QProcessEnvironment env;
        for (const QString& variable : variables)
            env.insert(variable.section('=', 0, 0), variable.section('=', 1));
        const QProcessEnvironment result = WithUtf8Locale(env);
        EXPECT_EQ(result != env, changes) << variables.join(' ').toStdString();
        if (changes) {
            EXPECT_TRUE(result.value("LC_ALL").endsWith("UTF-8")) << result.value("LC_ALL").toStdString();
        }
    }
}

// One description starts a real process: program, arguments, folder, no
// input, and the locale.
TEST(Configure, StartsTheDescribedProcess)
{
    const ScopedEnv locale("LC_ALL", "C");
    TempFolder folder;
    for (const bool utf8 : {false, true}) {
        QProcess process;
        Configure(process, {"/bin/sh",
                            {"-c", "pwd; printf '%s|' \"$@\"; read x || echo no-input; echo \"$LC_ALL\"", "sh", "-x",
                             "two words"},
                            folder.Path(),
                            utf8});
        process.start();
        ASSERT_TRUE(process.waitForFinished());
        const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        EXPECT_EQ(lines.mid(0, 2), QStringList({QFileInfo(folder.Path()).canonicalFilePath(), "-x|two words|no-input"}))
            << lines.join('\n').toStdString();
        EXPECT_EQ(lines.value(2) != "C", utf8) << lines.value(2).toStdString();
    }
}

}  // namespace
