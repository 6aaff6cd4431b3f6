// The progress window of a project command: its caption, the phase text, a
// bar and Cancel, fed by the core's progress calls while the job runs.
//
// CJobProgress installs, for its lifetime, a host that keeps the progress
// calls for this window and hands messages and questions on to the host
// that was installed before (the editor's dialogs, or a test's script).
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "base/host.h"

class QLabel;
class QProgressBar;
class QPushButton;

class CJobProgressDialog : public QDialog {
    Q_OBJECT

public:
    CJobProgressDialog(const QString& caption, QWidget* parent);

    void SetPhase(const QString& text, int steps);
    void SetStep(int step);
    bool WasCancelled() const { return m_cancelled; }
    QPushButton* CancelButton() const { return m_cancel; }
    QLabel* PhaseLabel() const { return m_text; }

protected:
    void reject() override; // Esc and the window's close button cancel too

private:
    QLabel* m_text;
    QProgressBar* m_bar;
    QPushButton* m_cancel;
    bool m_cancelled = false;
};

class CJobProgress {
public:
    CJobProgress(const QString& caption, QWidget* parent);
    ~CJobProgress();
    CJobProgress(const CJobProgress&) = delete;
    CJobProgress& operator=(const CJobProgress&) = delete;

    bool WasCancelled() const;
    CJobProgressDialog& Dialog() const;

    // Called after every step the window shows (tests press Cancel here).
    using StepObserver = std::function<void(CJobProgressDialog&, int stepsSoFar)>;
    static void SetStepObserver(StepObserver observer);

private:
    class Host;
    Host* m_host; // owned by the process-wide host slot while we live
    bool m_hadNoHost = false;
};
