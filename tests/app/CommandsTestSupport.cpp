#include "CommandsTestSupport.h"

#include "editor/MapEdits.h"
#include "editor/OverviewTree.h"
#include "editor/PropertyPanel.h"
#include "model/AreaFromCoordinates.h"

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

namespace kvx::test {

void TCommandsTest::SetUp() {
    ASSERT_TRUE(Folder.isValid());
    FMain = std::make_unique<TfrmMain>();
    MapProps = std::make_unique<TfrmMapProps>();
    MapChoice = std::make_unique<TfrmMapChoice>();
    Info = std::make_unique<TfrmInfo>();
    Preview = std::make_unique<TFrmPreview>();
    HtmlFile = std::make_unique<TfrmHtmlFile>();
    FCommands = new TShellCommands(*FMain, *MapProps, *MapChoice, *Info, *Preview, *HtmlFile);
}

void TCommandsTest::TearDown() {
    // The commands are a child of the main window and go with it.
    FMain.reset();
    FCommands = nullptr;
}

TImageMap& TCommandsTest::Map() {
    if (!HasMap()) {
        throw std::logic_error("no map is open");
    }
    return *FMain->Document().CurrentMap;
}

QString TCommandsTest::PathOf(const QString& name) const {
    return Folder.filePath(name);
}

QString TCommandsTest::WriteImage(const QString& name, QSize size) {
    const QString path = PathOf(name);
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 140, 200));
    EXPECT_TRUE(image.save(path, "PNG")) << path.toStdString();
    return path;
}

QString TCommandsTest::WriteFile(const QString& name, const QByteArray& bytes) {
    const QString path = PathOf(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    EXPECT_EQ(file.write(bytes), bytes.size());
    return path;
}

QByteArray TCommandsTest::ReadFile(const QString& path) const {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void TCommandsTest::AnswerMapProps(TScriptedDialogs& dialogs, const QString& name,
                                   const QString& imageFile, const QString& altText,
                                   const QString& border) {
    dialogs.AnswerExec([=](QDialog& shown) {
        auto* dialog = qobject_cast<TfrmMapProps*>(&shown);
        EXPECT_NE(dialog, nullptr) << "the map properties dialog is shown";
        if (!dialog) {
            return int(QDialog::Rejected);
        }
        dialog->SetFields({name, imageFile, altText, border});
        dialog->btnOk->click();
        return shown.result();
    });
}

void TCommandsTest::CreateMap(QSize size, const QString& name) {
    const QString image = WriteImage(QStringLiteral("bild.png"), size);
    TScriptedDialogs dialogs;
    if (HasMap() && Main().Modified()) {
        dialogs.AnswerMessage(TMsgResult::No);
    }
    AnswerMapProps(dialogs, name, image);
    Main().mniNew->trigger();
    ASSERT_TRUE(HasMap());
}

void TCommandsTest::AddRectangle(int x1, int y1, int x2, int y2, const std::string& href) {
    AddAreaFromCoordinates(Map(), akRectangle, {x1, y1, x2, y2});
    TLinkAreaProperties props;
    Map().GetSelectedProperties(props);
    props.Href = href;
    Map().SetSelectedProperties(props);
    Main().AddAreaTreeNode();
    Map().ClearSelection();
}

void TCommandsTest::DrawRectangle(int x1, int y1, int x2, int y2, const std::string& href) {
    TMapEdits& edits = Main().Edits();
    std::string status;
    edits.BeginDrawing(akRectangle, {x1, y1}, status);
    edits.DragDrawing({x2, y2}, status);
    edits.FinishGesture();
    TLinkAreaProperties props;
    Map().GetSelectedProperties(props);
    props.Href = href;
    edits.StoreArea(props);
    edits.Select(0);
}

void TCommandsTest::SelectArea(std::int32_t id) {
    Map().SelectById(id);
    Main().ShowSelectedArea();
}

TLinkAreaProperties TCommandsTest::PropertiesOf(std::int32_t id) {
    const std::int32_t selected = Map().SelectedId();
    Map().SelectById(id);
    TLinkAreaProperties props;
    Map().GetSelectedProperties(props);
    if (selected != 0) {
        Map().SelectById(selected);
    } else {
        Map().ClearSelection();
    }
    return props;
}

void TCommandsTest::TypeLinkInPanel(const QString& href) {
    Main().pclProperties->inpLink->setText(href);
}

QString TCommandsTest::MapNodeText() {
    QTreeWidgetItem* node = Main().trvOverview->MapNode();
    return node ? node->text(0) : QString();
}

} // namespace kvx::test
