#pragma once
// The small window shown while a captured tool runs for more than a moment:
// the command line and a button that ends the tool.
#include <QDialog>

class QPushButton;

class CRunningDialog : public QDialog {
    Q_OBJECT
public:
    CRunningDialog(const QString& commandLine, QWidget* parent);

    QPushButton* AbortButton() const { return m_abort; }

signals:
    // The user asked to end the tool; the window stays until it has ended.
    void Aborted();

public slots:
    void reject() override;

private:
    QPushButton* m_abort = nullptr;
};
