#pragma once
// The property panel (pclProperties): four tab pages with the selected area's texts, its
// coordinates and the area actions. This class holds the controls and moves values between
// them and a TLinkAreaProperties record; when that happens is the main window's business.

#include "editor/CoordinatesGrid.h"
#include "model/LinkArea.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <array>

namespace kvx {

class TPropertyPanel : public QTabWidget {
    Q_OBJECT
public:
    explicit TPropertyPanel(QWidget* parent = nullptr);

    // "&Zieladresse"
    QWidget* tbsLink = nullptr;
    QLineEdit* inpLink = nullptr;
    QLineEdit* inpAlt = nullptr;
    QLineEdit* inpTarget = nullptr;
    QLabel* lblModel = nullptr; // invisible; its tag is the kind of the area shown
    // "&JavaScript"
    QWidget* tbsJavaScript = nullptr;
    QLineEdit* inpMouseOver = nullptr;
    QLineEdit* inpMouseOut = nullptr;
    QLineEdit* inpMouseClick = nullptr;
    // "&Koordinaten"
    QWidget* tbsCoordinates = nullptr;
    TCoordinatesGrid* strgrCoords = nullptr;
    QToolButton* btnCopyCoords = nullptr;
    QToolButton* btnPasteCoords = nullptr;
    // "&Verweisfläche"
    QWidget* tbsLinkArea = nullptr;
    QPushButton* btnLinkAreaToFront = nullptr;
    QPushButton* btnCloneLinkArea = nullptr;
    QPushButton* btnDelLinkArea = nullptr;
    QLabel* lblShowColor = nullptr; // the colour swatch
    QToolButton* btnSelectColor = nullptr;
    QCheckBox* chkContrast = nullptr;

    // The six edit boxes in the order Href, Alt, Target, OnMouseOver, OnMouseOut, OnClick.
    std::array<QLineEdit*, 6> EditBoxes() const;

    // Kind of the area shown (the tag of lblModel) and its id.
    std::uint8_t ShownKind() const;
    std::int32_t ShownId() const;
    // The swatch's colour code; system colour codes are shown in the system's colour.
    TColor SwatchColor() const { return FSwatchColor; }
    void SetSwatchColor(TColor color);

    // Fills every control from props: kind, texts, contrast or colour, coordinates.
    void ShowProperties(const TLinkAreaProperties& props);
    // Empties every control, as when no area has been shown yet (kind and id 0).
    void ClearProperties();
    // Reads the texts, contrast and colour, and the coordinates after cleaning each value
    // and writing the cleaned text back into its cell. Kind and Id stay unset.
    TLinkAreaProperties ReadProperties();

    // Enabled look: pages enabled in window-text colour, copy button enabled, paste button
    // as given. Disabled look: pages disabled in grey-text colour, both buttons disabled.
    void SetEnabledLook(bool pasteEnabled);
    void SetDisabledLook();

private:
    void BuildLinkPage();
    void BuildJavaScriptPage();
    void BuildCoordinatesPage();
    void BuildLinkAreaPage();
    void SetFontColor(TColor code);

    TColor FSwatchColor = clBlack;
};

} // namespace kvx
