// CQtHost: the core's messages, questions and progress as dialogs.
#pragma once

#include <QPointer>
#include <QProgressDialog>
#include <QWidget>

#include "base/host.h"

class CQtHost : public CHost {
public:
    explicit CQtHost(QWidget* parent = nullptr) : m_parent(parent) {}
    void SetParent(QWidget* parent) { m_parent = parent; }

    void Message(const CString& text, Severity severity) override;
    int Ask(const CString& text, Buttons buttons, int defaultAnswer = 0) override;
    bool IsShiftDown() override;

    void ProgressBegin(const CString& title, int steps) override;
    void ProgressStep(int step) override;
    bool IsCancelled() override;
    void ProgressEnd() override;
    // A progress dialog is open (the autosave waits for it).
    bool InProgress() const { return !m_progress.isNull(); }

private:
    QPointer<QWidget> m_parent;
    QPointer<QProgressDialog> m_progress;
};
