#include "publish/FrmHtmlFile.h"

#include "platform/FileError.h"
#include "platform/FilePaths.h"
#include "platform/TextFile.h"
#include "platform/widgets/DialogService.h"
#include "platform/widgets/HelpSystem.h"
#include "publish/HtmlFileText.h"
#include "publish/ToolWindowLook.h"

#include <QFontDatabase>
#include <QLabel>
#include <QStatusBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kvx {

namespace {

const QString SaveFilter = QStringLiteral("HTML-Dateien (*.htm;*.html)|*.htm;*.html");

// No file chosen yet: the path is the folder proposed for a new file.
bool IsFolderOnly(const QString& path) {
    return path.endsWith(QLatin1Char('/')) || path.endsWith(QLatin1Char('\\'));
}

// The colour that marks the definition just inserted.
QTextCharFormat DefinitionFormat() {
    QTextCharFormat blue;
    blue.setForeground(QColor(0, 0, 255));
    return blue;
}

} // namespace

TfrmHtmlFile::TfrmHtmlFile(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHtmlFile"));
    SetUpToolWindow(*this, hcHtmlFile);

    tlbHtmlFile = new QToolBar(this);
    tlbHtmlFile->setObjectName(QStringLiteral("tlbHtmlFile"));
    tbtInsertDefinition = AddToolButton(*tlbHtmlFile, QStringLiteral("Defintion &einfügen"),
                                        QStringLiteral("tbtInsertDefinition"));
    tlbHtmlFile->addSeparator();
    tbtSave = AddToolButton(*tlbHtmlFile, QStringLiteral("&Speichern"), QStringLiteral("tbtSave"));
    tbtSaveAs = AddToolButton(*tlbHtmlFile, QStringLiteral("Speichern &unter..."),
                              QStringLiteral("tbtSaveAs"));
    tlbHtmlFile->addSeparator();
    tbtClose = AddToolButton(*tlbHtmlFile, QStringLiteral("Fenster s&chließen"),
                             QStringLiteral("tbtClose"));
    tlbHtmlFile->addSeparator();
    tbtHelp = AddToolButton(*tlbHtmlFile, QStringLiteral("&Hilfe"), QStringLiteral("tbtHelp"));
    connect(tbtInsertDefinition, &QToolButton::clicked, this,
            &TfrmHtmlFile::tbtInsertDefinitionClick);
    connect(tbtSave, &QToolButton::clicked, this, &TfrmHtmlFile::tbtSaveClick);
    connect(tbtSaveAs, &QToolButton::clicked, this, &TfrmHtmlFile::tbtSaveAsClick);
    connect(tbtClose, &QToolButton::clicked, this, &TfrmHtmlFile::tbtCloseClick);
    connect(tbtHelp, &QToolButton::clicked, this, &TfrmHtmlFile::tbtHelpClick);

    reditHtml = new QTextEdit(this);
    reditHtml->setObjectName(QStringLiteral("reditHtml"));
    reditHtml->setAcceptRichText(false);
    reditHtml->setLineWrapMode(QTextEdit::NoWrap);
    reditHtml->setTabChangesFocus(false);
    reditHtml->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    reditHtml->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    reditHtml->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The inserted definition stays visibly selected while the tool bar has the focus.
    QPalette palette = reditHtml->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    reditHtml->setPalette(palette);
    connect(reditHtml, &QTextEdit::textChanged, this, &TfrmHtmlFile::reditHtmlChange);

    stbHtmlFile = new QStatusBar(this);
    stbHtmlFile->setObjectName(QStringLiteral("stbHtmlFile"));
    lblFileFormat = new QLabel(stbHtmlFile);
    lblFileFormat->setObjectName(QStringLiteral("lblFileFormat"));
    stbHtmlFile->addWidget(lblFileFormat, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlbHtmlFile);
    layout->addWidget(reditHtml, 1);
    layout->addWidget(stbHtmlFile);
    SetPage(TPageText());
    Changed = false;
}

void TfrmHtmlFile::SetPage(const TPageText& page) {
    FPage = page;
    reditHtml->setExtraSelections({}); // a definition marked in the text before goes with it
    reditHtml->setPlainText(EditorPageText(page));
    // What the editor made of the text, which is not always exactly what it was given.
    FShown = Text();
    lblFileFormat->setText(PageFormatText(page));
}

void TfrmHtmlFile::SetText(const QString& text) {
    reditHtml->setExtraSelections({}); // a definition marked in the text before goes with it
    reditHtml->setPlainText(text);
}

QString TfrmHtmlFile::Text() const {
    return EditorText(*reditHtml->document());
}

void TfrmHtmlFile::MarkDefinition(qsizetype start, qsizetype length) {
    ShowDefinitionMark(int(start), int(length));
    QTextCursor cursor(reditHtml->document());
    cursor.setPosition(int(start));
    cursor.setPosition(int(start + length), QTextCursor::KeepAnchor);
    reditHtml->setTextCursor(cursor);
}

void TfrmHtmlFile::ShowDefinitionMark(int start, int length) {
    // The blue is drawn over the text rather than stored in it, so neither a page loaded
    // later nor text typed beside the definition takes it on; text typed right behind the
    // definition stays outside the mark.
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(reditHtml->document());
    mark.cursor.setPosition(start);
    mark.cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    mark.cursor.setKeepPositionOnInsert(true);
    mark.format = DefinitionFormat();
    reditHtml->setExtraSelections({mark});
}

void TfrmHtmlFile::reditHtmlChange() {
    Changed = true;
}

void TfrmHtmlFile::tbtInsertDefinitionClick() {
    const QString definition = ToEditorLineEnds(Definition);
    QTextCursor cursor = reditHtml->textCursor();
    // Replacing a selection that already is the definition would change nothing: a second
    // click means a second copy, which goes right behind the first.
    QString selected = cursor.selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (cursor.hasSelection() && selected == definition) {
        cursor.setPosition(cursor.selectionEnd());
    }
    const int start = cursor.selectionStart();
    cursor.insertText(definition);
    cursor.setPosition(start);
    cursor.setPosition(start + int(definition.size()), QTextCursor::KeepAnchor);
    reditHtml->setTextCursor(cursor);
    // Only the definition just inserted is blue.
    ShowDefinitionMark(start, int(definition.size()));
}

std::optional<QString> TfrmHtmlFile::AskForFilePath(const QString& initialFolder) {
    TFileDialogRequest request;
    request.InitialFolder = QString::fromStdString(ToNativeSeparators(initialFolder.toStdString()));
    request.Filter = SaveFilter;
    request.DefaultSuffix = QStringLiteral("htm");
    request.ConfirmOverwrite = true;
    return Dialogs().SaveFile(this, request);
}

bool TfrmHtmlFile::tbtSaveClick() {
    if (IsFolderOnly(FilePath)) {
        const std::optional<QString> chosen = AskForFilePath(FilePath);
        if (!chosen) {
            return false;
        }
        FilePath = *chosen;
    }
    return WriteFile();
}

bool TfrmHtmlFile::tbtSaveAsClick() {
    const std::optional<QString> chosen =
        AskForFilePath(QString::fromStdString(FolderPart(FilePath.toStdString())));
    if (!chosen) {
        return false;
    }
    FilePath = *chosen;
    return WriteFile();
}

void TfrmHtmlFile::FollowFilePath() {
    if (!DefinitionForPage) {
        return;
    }
    const QString updated = DefinitionForPage(FilePath);
    if (updated == Definition) {
        return;
    }
    // Definitions inserted for another place and left as they were now name the image from
    // the file's own folder.
    const QString before = ToEditorLineEnds(Definition);
    const QString after = ToEditorLineEnds(updated);
    const QString text = Text();
    QTextCursor cursor(reditHtml->document());
    cursor.beginEditBlock();
    for (qsizetype at = text.lastIndexOf(before); at >= 0;
         at = at < before.size() ? -1 : text.lastIndexOf(before, at - before.size())) {
        cursor.setPosition(int(at));
        cursor.setPosition(int(at + before.size()), QTextCursor::KeepAnchor);
        cursor.insertText(after);
    }
    cursor.endEditBlock();
    Definition = updated;
}

bool TfrmHtmlFile::WriteFile() {
    FollowFilePath();
    const QString edited = Text();
    QByteArray bytes;
    try {
        bytes = PageBytesForEditorText(FPage, FShown, edited);
        WriteFileSafely(FilePath.toStdString(), bytes);
    } catch (const TFileError& error) {
        Dialogs().Message(this, TMsgKind::Error,
                          QStringLiteral("Fehler beim Speichern der Datei! Bitte drücken Sie F1 "
                                         "für weitere Informationen!\r\nGenauer Fehler: ") +
                              QString::fromStdString(error.Detail()),
                          TMsgButtons::Ok, hcHtmlFile);
        return false;
    }
    FPage = TPageText::FromBytes(bytes, FPage.Encoding());
    FShown = edited;
    lblFileFormat->setText(PageFormatText(FPage));
    // The path as it is: another letter case names another file here.
    setWindowTitle(FilePath);
    Changed = false;
    return true;
}

bool TfrmHtmlFile::CloseQuery() {
    if (!Changed) {
        return true;
    }
    switch (Dialogs().Message(this, TMsgKind::Confirmation,
                              QStringLiteral("Die HTML-Datei wurde geändert! Sollen die "
                                             "Änderungen gespeichert werden?"),
                              TMsgButtons::YesNoCancel)) {
    case TMsgResult::Yes:
        // A cancelled or failed save keeps the window, and with it the user's text.
        return tbtSaveClick();
    case TMsgResult::No:
        return true;
    default:
        return false;
    }
}

void TfrmHtmlFile::reject() {
    if (CloseQuery()) {
        QDialog::reject();
    }
}

void TfrmHtmlFile::tbtCloseClick() {
    reject();
}

void TfrmHtmlFile::tbtHelpClick() {
    Help().ShowContext(hcHtmlFile);
}

} // namespace kvx
