#include "editor/project/jobprogress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "editor/view/qtstring.h"

namespace {
CJobProgress::StepObserver& Observer()
{
    static CJobProgress::StepObserver observer;
    return observer;
}
// A job that ends sooner than this shows no window at all.
constexpr int kShowAfterMs = 400;
} // namespace

CJobProgressDialog::CJobProgressDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), m_text(new QLabel(this)), m_bar(new QProgressBar(this)),
      m_cancel(new QPushButton(tr("Cancel"), this))
{
    setObjectName("JobProgress");
    setWindowTitle(caption);
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    m_text->setMinimumWidth(320);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel, 0, Qt::AlignHCenter);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_cancelled = true; });
}

void CJobProgressDialog::SetPhase(const QString& text, int steps)
{
    m_text->setText(text);
    m_bar->setRange(0, std::max(steps, 1));
    m_bar->setValue(0);
}

void CJobProgressDialog::SetStep(int step)
{
    m_bar->setValue(std::clamp(step, 0, m_bar->maximum()));
}

void CJobProgressDialog::reject()
{
    m_cancelled = true;
}

class CJobProgress::Host : public CHost {
public:
    Host(const QString& caption, QWidget* parent) : dialog(caption, parent) { clock.start(); }

    void Message(const CString& text, Severity severity) override
    {
        inner->Message(text, severity);
    }
    int Ask(const CString& text, Buttons buttons, int defaultAnswer) override
    {
        return inner->Ask(text, buttons, defaultAnswer);
    }
    bool IsShiftDown() override { return inner->IsShiftDown(); }

    void ProgressBegin(const CString& title, int steps) override
    {
        dialog.SetPhase(ToQString(title), steps);
        Pump();
    }
    void ProgressStep(int step) override
    {
        dialog.SetStep(step);
        ++steps;
        // Drawing the window for every step would cost more than the job.
        if (steps % 16 == 0 || Observer())
            Pump();
        if (Observer())
            Observer()(dialog, steps);
    }
    bool IsCancelled() override { return dialog.WasCancelled(); }
    void ProgressEnd() override {}

    void Pump()
    {
        if (!dialog.isVisible() && clock.elapsed() >= kShowAfterMs)
            dialog.show();
        QApplication::processEvents();
    }

    std::unique_ptr<CHost> inner;
    CJobProgressDialog dialog;
    QElapsedTimer clock;
    int steps = 0;
};

CJobProgress::CJobProgress(const QString& caption, QWidget* parent)
{
    auto host = std::make_unique<Host>(caption, parent);
    m_host = host.get();
    m_host->inner = SetHost(std::move(host));
    m_hadNoHost = !m_host->inner;
    if (m_hadNoHost)
        m_host->inner = std::make_unique<CSilentHost>();
    if (Observer())
        m_host->dialog.show();
}

CJobProgress::~CJobProgress()
{
    std::unique_ptr<CHost> inner = std::move(m_host->inner);
    if (m_hadNoHost)
        inner.reset();
    SetHost(std::move(inner)); // destroys our host and its window
}

bool CJobProgress::WasCancelled() const
{
    return m_host->dialog.WasCancelled();
}

CJobProgressDialog& CJobProgress::Dialog() const
{
    return m_host->dialog;
}

void CJobProgress::SetStepObserver(StepObserver observer)
{
    Observer() = std::move(observer);
}
