#pragma once
// The HTML file window: a small plain-text editor for a web page into which the map
// definition is put, saved from here. Created once; the file commands fill it before each use.

#include "formats/PageText.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QStatusBar;
class QTextEdit;
class QToolBar;
class QToolButton;

namespace kvx {

class TfrmHtmlFile : public QDialog {
    Q_OBJECT
public:
    explicit TfrmHtmlFile(QWidget* parent = nullptr);

    // The file Save writes; for a new file the folder proposed for it, ending in a separator.
    QString FilePath;
    // The map definition that "Defintion &einfügen" inserts.
    QString Definition;
    // The editor's text differs from what was loaded or last saved.
    bool Changed = false;
    // The definition for a page at the given path, whose img names the image from the page's
    // folder; set by the commands, so that the file chosen on saving is the one the image is
    // named from.
    std::function<QString(const QString& pagePath)> DefinitionForPage;

    // The file as read or last saved. Saving writes its bytes back wherever the user left the
    // text alone, in its encoding and with its line ends.
    const TPageText& Page() const { return FPage; }
    // Puts page into the editor in place of what it held; the undo history goes.
    void SetPage(const TPageText& page);
    // The editor's text ("\n" line ends) in place of what it held, as a change to the page;
    // the undo history goes.
    void SetText(const QString& text);
    // The editor's text with "\n" line ends.
    QString Text() const;
    // Selects the text in [start, start + length) and shows it blue, as the definition just
    // inserted; the mark is no part of the text and no undo step.
    void MarkDefinition(qsizetype start, qsizetype length);

    // True when the window may close: nothing changed, or the user answered the question
    // and, when the answer was Yes, the file was saved.
    bool CloseQuery();

    QToolBar* tlbHtmlFile = nullptr;
    QToolButton* tbtInsertDefinition = nullptr;
    QToolButton* tbtSave = nullptr;
    QToolButton* tbtSaveAs = nullptr;
    QToolButton* tbtClose = nullptr;
    QToolButton* tbtHelp = nullptr;
    QTextEdit* reditHtml = nullptr;
    QStatusBar* stbHtmlFile = nullptr;
    // The status line: the file's encoding and line end.
    QLabel* lblFileFormat = nullptr;

    // The button handlers; the two saves return whether the file was written.
    void tbtInsertDefinitionClick();
    bool tbtSaveClick();
    bool tbtSaveAsClick();
    void tbtCloseClick();
    void tbtHelpClick();

public slots:
    // Esc and the window manager's close come here: both go through the closing check.
    void reject() override;

private:
    void reditHtmlChange();
    // Blue over [start, start + length) in place of any earlier mark.
    void ShowDefinitionMark(int start, int length);
    std::optional<QString> AskForFilePath(const QString& initialFolder);
    void FollowFilePath();
    bool WriteFile();

    TPageText FPage;
    // The editor's text right after the page was put in or saved.
    QString FShown;
};

} // namespace kvx
