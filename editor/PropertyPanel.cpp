#include "editor/PropertyPanel.h"

#include "editor/EditorIcons.h"
#include "platform/QtCanvas.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kvx {

namespace {

constexpr const char* TagProperty = "Tag";
constexpr const char* AreaIdProperty = "AreaId";

QString FromText(const std::string& text) {
    return QString::fromStdString(text);
}
std::string ToText(const QLineEdit* box) {
    return box->text().toStdString();
}

QLineEdit* AddLabelledBox(QVBoxLayout* layout, QWidget* page, const QString& caption,
                          const char* objectName) {
    auto* label = new QLabel(caption, page);
    auto* box = new QLineEdit(page);
    box->setObjectName(QString::fromLatin1(objectName));
    label->setBuddy(box);
    layout->addWidget(label);
    layout->addWidget(box);
    return box;
}

QVBoxLayout* PageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    return layout;
}

QPushButton* AddActionButton(QVBoxLayout* layout, QWidget* page, const QString& icon,
                             const QString& caption, const char* objectName) {
    auto* button = new QPushButton(EditorIcon(icon), caption, page);
    button->setObjectName(QString::fromLatin1(objectName));
    layout->addWidget(button);
    return button;
}

QToolButton* NewPictureButton(QWidget* page, const QString& icon, const QString& hint,
                              const char* objectName) {
    auto* button = new QToolButton(page);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setIcon(EditorIcon(icon));
    button->setToolTip(hint);
    return button;
}

} // namespace

TPropertyPanel::TPropertyPanel(QWidget* parent) : QTabWidget(parent) {
    setObjectName(QStringLiteral("pclProperties"));
    BuildLinkPage();
    BuildJavaScriptPage();
    BuildCoordinatesPage();
    BuildLinkAreaPage();
    setCurrentIndex(0);
}

void TPropertyPanel::BuildLinkPage() {
    tbsLink = new QWidget(this);
    tbsLink->setObjectName(QStringLiteral("tbsLink"));
    QVBoxLayout* layout = PageLayout(tbsLink);
    inpLink = AddLabelledBox(layout, tbsLink, QStringLiteral("Zieladresse / Link (\"href\"):"),
                             "inpLink");
    inpAlt = AddLabelledBox(layout, tbsLink, QStringLiteral("Beschreibungstext (\"alt,title\"):"),
                            "inpAlt");
    inpTarget =
        AddLabelledBox(layout, tbsLink, QStringLiteral("Zielframe (\"target\"):"), "inpTarget");
    lblModel = new QLabel(tbsLink);
    lblModel->setObjectName(QStringLiteral("lblModel"));
    lblModel->setProperty(TagProperty, 0);
    lblModel->hide();
    layout->addStretch();
    addTab(tbsLink, EditorIcon(QStringLiteral("tab-link")), QStringLiteral("&Zieladresse"));
}

void TPropertyPanel::BuildJavaScriptPage() {
    tbsJavaScript = new QWidget(this);
    tbsJavaScript->setObjectName(QStringLiteral("tbsJavaScript"));
    QVBoxLayout* layout = PageLayout(tbsJavaScript);
    inpMouseOver =
        AddLabelledBox(layout, tbsJavaScript, QStringLiteral("onMouseOver:"), "inpMouseOver");
    inpMouseOut =
        AddLabelledBox(layout, tbsJavaScript, QStringLiteral("onMouseOut:"), "inpMouseOut");
    inpMouseClick =
        AddLabelledBox(layout, tbsJavaScript, QStringLiteral("onClick:"), "inpMouseClick");
    layout->addStretch();
    addTab(tbsJavaScript, EditorIcon(QStringLiteral("tab-script")), QStringLiteral("&JavaScript"));
}

void TPropertyPanel::BuildCoordinatesPage() {
    tbsCoordinates = new QWidget(this);
    tbsCoordinates->setObjectName(QStringLiteral("tbsCoordinates"));
    QVBoxLayout* layout = PageLayout(tbsCoordinates);
    strgrCoords = new TCoordinatesGrid(tbsCoordinates);
    layout->addWidget(strgrCoords, 1);
    auto* buttons = new QHBoxLayout;
    btnCopyCoords =
        NewPictureButton(tbsCoordinates, QStringLiteral("copy"),
                         QStringLiteral("Koordinaten kopieren (Strg+C)"), "btnCopyCoords");
    btnPasteCoords =
        NewPictureButton(tbsCoordinates, QStringLiteral("paste"),
                         QStringLiteral("Koordinaten einfügen (Strg+V)"), "btnPasteCoords");
    buttons->addWidget(btnCopyCoords);
    buttons->addWidget(btnPasteCoords);
    buttons->addStretch();
    layout->addLayout(buttons);
    addTab(tbsCoordinates, EditorIcon(QStringLiteral("tab-coords")),
           QStringLiteral("&Koordinaten"));
}

void TPropertyPanel::BuildLinkAreaPage() {
    tbsLinkArea = new QWidget(this);
    tbsLinkArea->setObjectName(QStringLiteral("tbsLinkArea"));
    QVBoxLayout* layout = PageLayout(tbsLinkArea);
    btnLinkAreaToFront =
        AddActionButton(layout, tbsLinkArea, QStringLiteral("to-front"),
                        QStringLiteral("Verweisfläche in den Vordergrund"), "btnLinkAreaToFront");
    btnCloneLinkArea =
        AddActionButton(layout, tbsLinkArea, QStringLiteral("duplicate"),
                        QStringLiteral("Verweisfläche duplizieren"), "btnCloneLinkArea");
    btnDelLinkArea = AddActionButton(layout, tbsLinkArea, QStringLiteral("delete"),
                                     QStringLiteral("Verweisfläche löschen"), "btnDelLinkArea");
    auto* line = new QFrame(tbsLinkArea);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);

    auto* colourRow = new QHBoxLayout;
    auto* colourLabel = new QLabel(QStringLiteral("Farbe:"), tbsLinkArea);
    lblShowColor = new QLabel(tbsLinkArea);
    lblShowColor->setObjectName(QStringLiteral("lblShowColor"));
    lblShowColor->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblShowColor->setFixedSize(40, 21);
    lblShowColor->setAutoFillBackground(true);
    btnSelectColor = NewPictureButton(tbsLinkArea, QStringLiteral("palette"),
                                      QStringLiteral("Farbe auswählen"), "btnSelectColor");
    chkContrast = new QCheckBox(QStringLiteral("Kontrast"), tbsLinkArea);
    chkContrast->setObjectName(QStringLiteral("chkContrast"));
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(lblShowColor);
    colourRow->addWidget(btnSelectColor);
    colourRow->addStretch();
    layout->addLayout(colourRow);
    layout->addWidget(chkContrast);
    layout->addStretch();
    SetSwatchColor(clBlack);
    addTab(tbsLinkArea, EditorIcon(QStringLiteral("tab-area")), QStringLiteral("&Verweisfläche"));
}

std::array<QLineEdit*, 6> TPropertyPanel::EditBoxes() const {
    return {inpLink, inpAlt, inpTarget, inpMouseOver, inpMouseOut, inpMouseClick};
}

std::uint8_t TPropertyPanel::ShownKind() const {
    return static_cast<std::uint8_t>(lblModel->property(TagProperty).toInt());
}

std::int32_t TPropertyPanel::ShownId() const {
    return lblModel->property(AreaIdProperty).toInt();
}

void TPropertyPanel::SetSwatchColor(TColor color) {
    FSwatchColor = color;
    QPalette colours = lblShowColor->palette();
    const QColor shown = ColorFromCode(color);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Window, shown);
    }
    lblShowColor->setPalette(colours);
}

void TPropertyPanel::ShowProperties(const TLinkAreaProperties& props) {
    lblModel->setProperty(TagProperty, props.Kind);
    lblModel->setProperty(AreaIdProperty, props.Id);
    inpLink->setText(FromText(props.Href));
    inpAlt->setText(FromText(props.Alt));
    inpTarget->setText(FromText(props.Target));
    inpMouseOver->setText(FromText(props.OnMouseOver));
    inpMouseOut->setText(FromText(props.OnMouseOut));
    inpMouseClick->setText(FromText(props.OnClick));
    chkContrast->setChecked(props.Contrast);
    SetSwatchColor(props.Contrast ? clBtnFace : props.Color);
    strgrCoords->SetCoords(props.Coords);
}

void TPropertyPanel::ClearProperties() {
    ShowProperties(TLinkAreaProperties());
}

TLinkAreaProperties TPropertyPanel::ReadProperties() {
    TLinkAreaProperties props;
    props.Href = ToText(inpLink);
    props.Alt = ToText(inpAlt);
    props.Target = ToText(inpTarget);
    props.OnMouseOver = ToText(inpMouseOver);
    props.OnMouseOut = ToText(inpMouseOut);
    props.OnClick = ToText(inpMouseClick);
    props.Contrast = chkContrast->isChecked();
    props.Color = props.Contrast ? 0 : FSwatchColor;
    for (int row = 0; row < strgrCoords->rowCount(); ++row) {
        const std::string cleaned = CleanCoordinateValue(strgrCoords->ValueText(row).toStdString());
        strgrCoords->SetValueText(row, FromText(cleaned));
        props.Coords.push_back(strgrCoords->LabelText(row).toStdString());
        props.Coords.push_back(cleaned);
    }
    return props;
}

void TPropertyPanel::SetFontColor(TColor code) {
    QPalette colours = palette();
    const QColor shown = ColorFromCode(code);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::WindowText, shown);
    }
    setPalette(colours);
}

void TPropertyPanel::SetEnabledLook(bool pasteEnabled) {
    setEnabled(true);
    SetFontColor(clWindowText);
    btnCopyCoords->setEnabled(true);
    btnPasteCoords->setEnabled(pasteEnabled);
}

void TPropertyPanel::SetDisabledLook() {
    setEnabled(false);
    SetFontColor(clGrayText);
    btnCopyCoords->setEnabled(false);
    btnPasteCoords->setEnabled(false);
}

} // namespace kvx
