#pragma once
// The main window's way of waiting for a slow load. The step runs on a worker thread while
// the window goes on painting (only input is held back, so no second command can start);
// once the load has taken longer than the show delay, the wait cursor and a progress bar in
// the status bar say so, until the load ends. A close request that arrives meanwhile is
// carried out after the load, which may be writing into the window's map.

#include "platform/LoadWaiter.h"

#include <QObject>
#include <chrono>
#include <functional>

class QProgressBar;
class QStatusBar;
class QWidget;

namespace kvx {

class TLoadIndicator final : public QObject, public TLoadWaiter {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds DefaultShowDelay{500};

    // The bar becomes a permanent, normally hidden widget of statusBar; window is the window
    // whose close requests wait for the end of a load.
    TLoadIndicator(QWidget& window, QStatusBar& statusBar);

    // Runs step on a worker thread and returns when it has ended. A step started while
    // another one is waited for runs at once instead.
    void Run(const TLoadStep& step) override;

    bool Loading() const { return FLoading; }
    QProgressBar& Bar() const { return *FBar; }
    // How long a load runs unmarked; zero marks it at once.
    void SetShowDelay(std::chrono::milliseconds delay) { FShowDelay = delay; }
    // Called on the worker thread before each step: the tests hold a load with it.
    std::function<void()> WorkerHook;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class TLoadingScope;

    // Shows the running load's progress on the bar: a share once the step reports one, busy
    // until then. A timer calls it while the bar shows.
    void RefreshBar();

    // A close request of the window that arrived during the load.
    void CloseWhenIdle();

    QWidget& FWindow;
    QProgressBar* FBar;
    const TLoadProgress* FProgress = nullptr; // of the running load
    std::chrono::milliseconds FShowDelay = DefaultShowDelay;
    bool FLoading = false;
    bool FCloseRequested = false;
};

} // namespace kvx
