#pragma once
// One small Java program, compiled once by the real JDK 17, that behaves as
// its argument says: the programs the cases are run against.
#include "platform/Processes.h"
#include "tests/support/TempFolder.h"

#include <QFile>
#include <QProcess>

inline const QString kJdk17 = QStringLiteral("/usr/lib/jvm/java-17-openjdk-amd64/bin/");

inline constexpr char kJudgeProgram[] = R"(import java.util.*;
public class Judged {
    public static void main(String[] args) throws Exception {
        switch (args[0]) {
        case "sum": case "sum-no-newline": case "sum-full-width": {
            Scanner in = new Scanner(System.in);
            long sum = 0;
            while (in.hasNextLong()) sum += in.nextLong();
            String text = Long.toString(sum);
            if (args[0].equals("sum-full-width")) {
                StringBuilder wide = new StringBuilder();
                for (char c : text.toCharArray()) wide.append((char) (c - '0' + '\uFF10'));
                text = wide.toString();
            }
            if (args[0].equals("sum-no-newline")) System.out.print(text); else System.out.println(text);
            break;
        }
        case "three": {
            Scanner in = new Scanner(System.in);
            System.out.println(in.nextInt() + in.nextInt() + in.nextInt());
            break;
        }
        case "read-then-spin": {
            while (System.in.read() >= 0) { }
            while (true) { }
        }
        case "spin-with-child": case "exit-leaving-child": {
            Process child = new ProcessBuilder("sleep", "30").start();
            java.nio.file.Files.writeString(java.nio.file.Path.of(args[1]),
                ProcessHandle.current().pid() + " " + child.pid());
            if (args[0].equals("exit-leaving-child")) break;
            while (true) { }
        }
        case "ignore-input":
            System.out.println("ok");
            break;
        case "flood": {
            byte[] line = "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\n".repeat(1000).getBytes();
            for (int i = 0; i < 2600; i++) System.out.write(line);
            break;
        }
        case "thread-throws": {
            Thread t = new Thread(() -> { throw new IllegalStateException("boom"); });
            t.start();
            t.join();
            System.out.println("0");
            break;
        }
        }
    }
}
)";

// The compiled program's folder; the process fails the test when javac does.
class JudgeProgram {
public:
    JudgeProgram()
    {
        m_folder.Write(QStringLiteral("Judged.java"), kJudgeProgram);
        QProcess javac;
        javac.setWorkingDirectory(m_folder.Path());
        javac.start(kJdk17 + QStringLiteral("javac"), {QStringLiteral("Judged.java")});
        m_compiled = javac.waitForFinished(60000) && javac.exitCode() == 0;
    }
    bool Compiled() const { return m_compiled; }
    platform::ProcessSpec Program(const QStringList& arguments) const
    {
        return {kJdk17 + QStringLiteral("java"),
                QStringList{QStringLiteral("-cp"), m_folder.Path(), QStringLiteral("Judged")} + arguments,
                m_folder.Path(), true};
    }

private:
    TempFolder m_folder;
    bool m_compiled = false;
};
