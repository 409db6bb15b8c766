#include "editor/LoadIndicator.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <exception>
#include <optional>
#include <system_error>
#include <thread>

namespace kvx {

namespace {

// Often enough for a bar to move smoothly, rarely enough to cost nothing.
constexpr std::chrono::milliseconds RefreshInterval{100};

class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

} // namespace

// The time of one load: the bar hidden again and a deferred close requested at its end.
class TLoadIndicator::TLoadingScope {
public:
    TLoadingScope(TLoadIndicator& owner, const TLoadProgress& progress) : FOwner(owner) {
        FOwner.FLoading = true;
        FOwner.FProgress = &progress;
    }
    ~TLoadingScope() {
        FOwner.FBar->hide();
        FOwner.FLoading = false;
        FOwner.FProgress = nullptr;
        FOwner.CloseWhenIdle();
    }
    TLoadingScope(const TLoadingScope&) = delete;
    TLoadingScope& operator=(const TLoadingScope&) = delete;

private:
    TLoadIndicator& FOwner;
};

TLoadIndicator::TLoadIndicator(QWidget& window, QStatusBar& statusBar)
    : QObject(&window), FWindow(window), FBar(new QProgressBar(&statusBar)) {
    FBar->setObjectName(QStringLiteral("prbLoading"));
    FBar->setMaximumWidth(150);
    FBar->setMaximumHeight(statusBar.maximumHeight() - 4);
    FBar->setTextVisible(false);
    statusBar.addPermanentWidget(FBar);
    FBar->hide();
    FWindow.installEventFilter(this);
}

void TLoadIndicator::Run(const TLoadStep& step) {
    if (FLoading) {
        ImmediateLoading().Run(step);
        return;
    }
    TLoadProgress progress;
    const TLoadingScope loading(*this, progress);
    std::exception_ptr failure;
    std::optional<TWaitCursor> cursor;
    QEventLoop wait;
    QTimer showTimer;
    showTimer.setSingleShot(true);
    QTimer refresh;
    refresh.setInterval(RefreshInterval);
    const auto show = [&] {
        cursor.emplace();
        RefreshBar();
        FBar->show();
        refresh.start();
    };
    connect(&showTimer, &QTimer::timeout, this, show);
    connect(&refresh, &QTimer::timeout, this, &TLoadIndicator::RefreshBar);
    {
        std::optional<std::jthread> worker;
        try {
            worker.emplace([&] {
                try {
                    if (WorkerHook) {
                        WorkerHook();
                    }
                    step(progress);
                } catch (...) {
                    failure = std::current_exception();
                }
                QMetaObject::invokeMethod(&wait, &QEventLoop::quit, Qt::QueuedConnection);
            });
        } catch (const std::system_error&) {
            step(progress); // no thread to be had: the load still happens, unpainted
            return;
        }
        if (FShowDelay <= std::chrono::milliseconds::zero()) {
            show();
        } else {
            showTimer.start(FShowDelay);
        }
        // Paint, timer and window events go on; the user's input waits for the load's end.
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    } // joins the worker, also when the loop was ended from elsewhere
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TLoadIndicator::RefreshBar() {
    const int permille = FProgress != nullptr ? FProgress->Permille() : -1;
    if (permille < 0) {
        FBar->setRange(0, 0); // busy: no count reported
        return;
    }
    FBar->setRange(0, 1000);
    FBar->setValue(permille);
}

bool TLoadIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &FWindow && event->type() == QEvent::Close && FLoading) {
        event->ignore();
        FCloseRequested = true;
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TLoadIndicator::CloseWhenIdle() {
    if (!FCloseRequested) {
        return;
    }
    FCloseRequested = false;
    // Queued: the command that loaded finishes with its map before the window closes.
    QMetaObject::invokeMethod(
        &FWindow, [window = &FWindow] { window->close(); }, Qt::QueuedConnection);
}

} // namespace kvx
