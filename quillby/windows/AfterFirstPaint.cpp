#include "AfterFirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* window, std::function<void()> task)
        : QObject(window), task_(std::move(task))
    {
        window->installEventFilter(this);
        QTimer::singleShot(kLatestMs, this, [this] { Run(); });
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) // the paint reaches the screen before the next turn
            QTimer::singleShot(0, this, [this] { Run(); });
        return false;
    }

private:
    void Run()
    {
        if (done_)
            return;
        done_ = true;
        parent()->removeEventFilter(this);
        task_();
        deleteLater();
    }
    static constexpr int kLatestMs = 3000;
    std::function<void()> task_;
    bool done_ = false;
};
} // namespace

void RunAfterFirstPaint(QWidget* window, std::function<void()> task)
{
    new AfterFirstPaint(window, std::move(task));
}
