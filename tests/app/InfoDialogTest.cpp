// The info dialog: what it tells about the program and its link to the maker's web page.
#include "app/FrmInfo.h"
#include "app/HomePage.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kvx {
namespace {

// Records the addresses that would have been opened, for the life of the guard.
class TRecordedUrls {
public:
    TRecordedUrls() {
        m_previous = SetUrlOpener([this](const QUrl& url) { m_urls.append(url); });
    }
    ~TRecordedUrls() { SetUrlOpener(m_previous); }
    const QList<QUrl>& Urls() const { return m_urls; }

private:
    QList<QUrl> m_urls;
    TUrlOpener m_previous;
};

void Click(QWidget* widget, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

TEST(InfoDialog, ShowsNameVersionAndReleaseDate) {
    TfrmInfo dialog;
    EXPECT_EQ(dialog.windowTitle(), "Info");
    EXPECT_EQ(dialog.lblProgram->text(), "Korvane 2 2.0.0");
    EXPECT_TRUE(dialog.lblProgram->font().bold());
    EXPECT_EQ(dialog.lblReleaseDate->text(), "(08.12.2026)");
    EXPECT_FALSE(dialog.imgProgram->pixmap().isNull()) << "the program picture is built in";
}

TEST(InfoDialog, NamesTheSupportAddresses) {
    TfrmInfo dialog;
    EXPECT_EQ(dialog.lblEmailCaption->text(), "eMail:");
    EXPECT_EQ(dialog.lblEmail->text(), "support@velmora.example");
    EXPECT_EQ(dialog.lblHomePageCaption->text(), "HomePage:");
    EXPECT_EQ(dialog.lblHomePage->text(), "https://www.velmora.example/");
    EXPECT_TRUE(dialog.lblHomePage->font().underline());
    EXPECT_EQ(dialog.lblHomePage->cursor().shape(), Qt::PointingHandCursor);
}

TEST(InfoDialog, ClickingTheHomePageOpensItLikeTheMenuCommand) {
    TRecordedUrls opened;
    TfrmInfo dialog;
    dialog.show();
    Click(dialog.lblHomePage, dialog.lblHomePage->rect().center());
    OpenHomePage();
    ASSERT_EQ(opened.Urls().size(), 2);
    EXPECT_EQ(opened.Urls()[0], QUrl("https://www.velmora.example/"));
    EXPECT_EQ(opened.Urls()[1], opened.Urls()[0]);
}

TEST(InfoDialog, OnlyTheHomePageIsALink) {
    TRecordedUrls opened;
    TfrmInfo dialog;
    dialog.show();
    Click(dialog.lblEmail, dialog.lblEmail->rect().center());
    Click(dialog.lblHomePageCaption, dialog.lblHomePageCaption->rect().center());
    // A press on the link that is released beside it opens nothing, as with any button.
    Click(dialog.lblHomePage, dialog.lblHomePage->rect().bottomRight() + QPoint(5, 5));
    EXPECT_TRUE(opened.Urls().isEmpty());
}

} // namespace
} // namespace kvx
