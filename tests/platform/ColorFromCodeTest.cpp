#include "platform/QtCanvas.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(ColorFromCode, PlainCodesAreBlueGreenRed) {
    EXPECT_EQ(ColorFromCode(0x000000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromCode(0x0000FF00), QColor(0, 255, 0));
    EXPECT_EQ(ColorFromCode(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromCode(0x00123456), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(CodeFromColor(QColor(0x56, 0x34, 0x12)), 0x00123456);
    EXPECT_EQ(CodeFromColor(ColorFromCode(0x00FFFFFF)), 0x00FFFFFF);
}

TEST(ColorFromCode, SystemColoursComeFromThePalette) {
    const QPalette palette = QGuiApplication::palette();
    EXPECT_EQ(ColorFromCode(clBtnFace), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(ColorFromCode(clWindowText), palette.color(QPalette::Active, QPalette::WindowText));
    EXPECT_EQ(ColorFromCode(clGrayText), palette.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(ColorFromCode(static_cast<TColor>(0xFF0000FF)), QColor(Qt::black));
}

} // namespace
} // namespace kvx
