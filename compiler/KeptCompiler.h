#pragma once
// javac, javadoc and jar run in one JVM kept running for a JDK and a working
// folder, so that a compile skips the JVM's start and warm-up. The JVM runs
// at low priority, ends when unused for a while and with this program, and
// a request it cannot answer goes back to the caller, who runs the command.
#include "runner/KeptTools.h"

#include <QObject>
#include <QProcess>
#include <QTimer>
#include <memory>

namespace compiler {

// What the kept JVM may run: javac, javadoc or jar, without -J options (they
// configure a JVM of the tool's own) or argument files (which may hold them).
bool IsEligible(const platform::ProcessSpec& request);

class KeptCompiler : public QObject, public runner::IKeptTools {
    Q_OBJECT
public:
    struct Limits {
        int idleMs = 10 * 60 * 1000;  // unused this long: the JVM ends
        int requestMs = 120 * 1000;   // a request still running then is the command's
        int heapMb = 128;             // a request that needs more is the command's
        int startMs = 60 * 1000;      // a JVM that has not greeted by then is ended
    };

    // jar: the program that serves the requests (platform::KeptToolsJar).
    explicit KeptCompiler(QString jar, QObject* parent = nullptr);
    KeptCompiler(QString jar, Limits limits, QObject* parent = nullptr);
    ~KeptCompiler() override;

    // Starts a JVM of the JDK in the tool folder jdkFolder, working in folder,
    // unless one runs for them; one for another JDK or folder ends first.
    void Prepare(const QString& jdkFolder, const QString& folder);
    // Ends the JVM; a request it holds goes back to the command.
    void End();
    // Off: nothing runs and no request is taken.
    void SetEnabled(bool enabled);

    bool IsReady() const { return m_state == State::Ready; }
    bool IsRunning() const { return m_state != State::Off; }
    qint64 ProcessId() const;

    bool Take(const platform::ProcessSpec& request, runner::KeptDone done) override;
    void Drop() override;

Q_SIGNALS:
    void Ready();

private:
    enum class State { Off, Starting, Ready, Busy };
    void Read();
    bool ReadAnswer();
    void Stopped();
    void GiveBack();

    QString m_jar;
    Limits m_limits;
    bool m_enabled = true;
    std::unique_ptr<QProcess> m_process;
    QString m_jdk;
    QString m_folder;
    State m_state = State::Off;
    QByteArray m_received;
    runner::KeptDone m_done;
    quint64 m_requests = 0;  // requests taken so far
    QTimer m_idle;
    QTimer m_hang;
};

}  // namespace compiler
