#pragma once
// The map properties dialog: name, image file, description text and border of a map, for
// a new map and for changing an open one. The caller sets the caption and runs it through
// Dialogs().Exec; OK is given only to fields that pass the checks.

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvx {

class TBorderSpinBox;

struct TMapPropsFields {
    QString name;
    QString imageFile;
    QString altText;
    QString border; // the border width as text, "0" for a new map
};

class TfrmMapProps : public QDialog {
    Q_OBJECT
public:
    explicit TfrmMapProps(QWidget* parent = nullptr);

    void SetFields(const TMapPropsFields& fields);
    TMapPropsFields Fields() const;

    // True when the name follows the HTML rule for names: an ASCII letter first, then
    // ASCII letters, digits and ".", ":", "_", "-".
    static bool IsConventionalName(const QString& name);

    QLabel* lblName;
    QLineEdit* inpName;
    QLabel* lblImage;
    QLineEdit* inpImage;
    QPushButton* btnOpenImageDialog;
    QLabel* lblAlt;
    QLineEdit* inpAlt;
    QLabel* lblBorder;
    TBorderSpinBox* inpBorder;
    QPushButton* btnOk;
    QPushButton* btnCancel;
    QPushButton* btnHelp;

private:
    void btnOpenImageDialogClick();
    void btnOkClick();
    void btnHelpClick();
};

} // namespace kvx
