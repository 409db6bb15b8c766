#include "bench/BenchWindow.h"

#include "app/FileCommands.h"
#include "bench/LargeImages.h"
#include "editor/DisplayView.h"
#include "formats/ProjectFile.h"
#include "model/AreaFromCoordinates.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QRect>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtMath>
#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <vector>

namespace kvx::bench {

namespace {

const QTemporaryDir& Folder() {
    static const QTemporaryDir folder;
    return folder;
}

// The area just added (and selected) gets a link of its own; every second one is drawn in
// contrast mode, the others in colour.
void SetLink(TImageMap& map, int index) {
    TLinkAreaProperties props;
    map.GetSelectedProperties(props);
    props.Href = "seite" + std::to_string(index) + ".htm";
    props.Contrast = index % 2 == 0;
    props.Color = 0x0000FF;
    map.SetSelectedProperties(props);
}

// count areas of all three shapes, 20 to 200 pixels across, none touching avoid. The
// generator's raw numbers keep the map the same on every standard library.
void AddScatteredAreas(TImageMap& map, std::mt19937& random, int count, QSize image, QRect avoid) {
    const auto pick = [&random](int n) {
        return static_cast<int>(random() % static_cast<std::uint32_t>(std::max(1, n)));
    };
    for (int added = 0; added < count;) {
        const int kind = 1 + added % 3;
        const int w = 20 + pick(181);
        const int h = 20 + pick(181);
        const int left = pick(image.width() - w);
        const int top = pick(image.height() - h);
        if (QRect(left, top, w, h).intersects(avoid)) {
            continue;
        }
        const int r = std::min(w, h) / 2;
        const std::vector<std::int32_t> coords[] = {
            {left, top, left + w, top + h},
            {left + r, top + r, r},
            {left, top, left + w, top + h / 3, left + w / 2, top + h, left, top + 2 * h / 3}};
        AddAreaFromCoordinates(map, static_cast<std::uint8_t>(kind), coords[kind - 1]);
        SetLink(map, static_cast<int>(map.Entries().size()));
        ++added;
    }
}

std::string SaveMap(TImageMap& map, const std::string& name, QSize image) {
    map.ClearSelection();
    const std::string path = Folder().filePath(QString::fromStdString(name)).toStdString();
    SaveProjectFile(path, map, image.width(), image.height(), true);
    return path;
}

void NameMap(TImageMap& map, const std::string& imagePath) {
    map.Name = "karte";
    map.ImageFile = imagePath;
}

const std::string& EditingImage() {
    static const std::string path = [] {
        const std::string file = Folder().filePath("bearbeiten.png").toStdString();
        return WritePngFile(file, TEditingMap::Width, TEditingMap::Height) ? file : std::string();
    }();
    return path;
}

void SendMouse(QWidget* view, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(view->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(view, &event);
}

} // namespace

const std::string& EditingProject(int areas) {
    static std::map<int, std::string> projects;
    std::string& path = projects[areas];
    if (!path.empty() || EditingImage().empty()) {
        return path;
    }
    const QSize image(TEditingMap::Width, TEditingMap::Height);
    // Room around both targets and the handle's drag, so that every press finds its target.
    const QRect targets(QPoint(1800, 1400), QPoint(2250, 1600));
    TImageMap map;
    NameMap(map, EditingImage());
    std::mt19937 random(42);
    const int others = std::max(0, areas - 2);
    AddScatteredAreas(map, random, others / 2, image, targets);
    const QPoint a = TEditingMap::RectangleCentre;
    const QPoint corner = TEditingMap::RectangleCorner;
    AddAreaFromCoordinates(
        map, 1, {2 * a.x() - corner.x(), 2 * a.y() - corner.y(), corner.x(), corner.y()});
    SetLink(map, static_cast<int>(map.Entries().size()));
    const QPoint b = TEditingMap::CircleCentre;
    AddAreaFromCoordinates(map, 2, {b.x(), b.y(), 50});
    SetLink(map, static_cast<int>(map.Entries().size()));
    AddScatteredAreas(map, random, others - others / 2, image, targets);
    path = SaveMap(map, "bearbeiten" + std::to_string(areas) + ".kvx", image);
    return path;
}

std::string WriteProject(const std::string& name, const std::string& imagePath, int width,
                         int height, int areas) {
    TImageMap map;
    NameMap(map, imagePath);
    std::mt19937 random(7);
    AddScatteredAreas(map, random, areas, QSize(width, height), QRect());
    return SaveMap(map, name, QSize(width, height));
}

std::string CachedPng(int width, int height) {
    const QDir folder(QDir::tempPath() + QStringLiteral("/kvxbench"));
    if (!folder.mkpath(QStringLiteral("."))) {
        return {};
    }
    const QString path = folder.filePath(QStringLiteral("foto-%1x%2.png").arg(width).arg(height));
    if (QFile::exists(path)) {
        return path.toStdString();
    }
    // Written aside and renamed, so that an interrupted run never leaves half a file behind.
    const QString part = path + QStringLiteral(".teil");
    if (!WritePngFile(part.toStdString(), width, height, true) || !QFile::rename(part, path)) {
        QFile::remove(part);
        return {};
    }
    return path.toStdString();
}

struct TBenchWindow::TImpl : QObject {
    explicit TImpl(TfrmMain& main) : Main(main), Files(main) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && Main.HasMap()) {
            ++Frames;
        }
        return QObject::eventFilter(watched, event);
    }
    TfrmMain& Main;
    TFileCommands Files;
    int Frames = 0;
};

TBenchWindow::TBenchWindow() : FMain(std::make_unique<TfrmMain>()) {
    FMain->resize(kWindowWidth, kWindowHeight);
    FMain->show();
    QApplication::processEvents();
    FImpl = std::make_unique<TImpl>(*FMain);
    FMain->pbxDisplay->installEventFilter(FImpl.get());
}

TBenchWindow::~TBenchWindow() = default;

void TBenchWindow::Open(const std::string& projectPath) {
    FImpl->Files.OpenProjectFileCommand(QString::fromStdString(projectPath));
}

bool TBenchWindow::WaitForFrame(int framesBefore, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (FImpl->Frames <= framesBefore) {
        if (timer.elapsed() > timeoutMs) {
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

void TBenchWindow::ScrollToMiddle() {
    for (QScrollBar* bar : {FMain->scbHorizontal, FMain->scbVertical}) {
        bar->setValue((bar->minimum() + bar->maximum()) / 2);
    }
}

QPoint TBenchWindow::ViewPoint(QPoint imagePoint) const {
    const TEditorState& state = FMain->State();
    const QPointF view =
        QPointF(imagePoint - state.ViewOrigin) * static_cast<double>(state.ZoomFactor);
    return {qFloor(view.x()), qFloor(view.y())};
}

void TBenchWindow::Press(QPoint imagePoint) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseButtonPress, ViewPoint(imagePoint), Qt::LeftButton,
              Qt::LeftButton);
}

void TBenchWindow::MoveTo(QPoint imagePoint, bool leftHeld) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseMove, ViewPoint(imagePoint), Qt::NoButton,
              leftHeld ? Qt::LeftButton : Qt::NoButton);
}

void TBenchWindow::Release(QPoint imagePoint) {
    SendMouse(FMain->pbxDisplay, QEvent::MouseButtonRelease, ViewPoint(imagePoint), Qt::LeftButton,
              Qt::NoButton);
}

void TBenchWindow::Repaint() {
    FMain->pbxDisplay->repaint();
}

int TBenchWindow::Frames() const {
    return FImpl->Frames;
}

} // namespace kvx::bench
