#include "Twips.h"
#include "VbColor.h"

#include <QApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(Twips, FifteenToAPixel)
{
    EXPECT_EQ(TwipsToPixels(10395), 693);
    EXPECT_EQ(TwipsToPixels(5370), 358);
    EXPECT_EQ(TwipsToPixels(7), 0);
    EXPECT_EQ(TwipsToPixels(8), 1);
    EXPECT_EQ(PixelsToTwips(12), 180);
    EXPECT_EQ(TwipsRect(180, 1440, 2595, 3660), QRect(12, 96, 173, 244));
}

TEST(Twips, RoundHalfEven)
{
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(7.4999), 7);
}

TEST(VbColor, BgrOrderAndSystemBackground)
{
    EXPECT_EQ(ToQColor(ColorRed, nullptr), QColor(255, 0, 0));
    EXPECT_EQ(ToQColor(ColorYellow, nullptr), QColor(255, 255, 0));
    EXPECT_EQ(ToQColor(0x00FF0000, nullptr), QColor(0, 0, 255));
    QLineEdit edit;
    SetBackColor(&edit, ColorRed);
    EXPECT_EQ(BackColor(&edit), ColorRed);
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(255, 0, 0));
    SetBackColor(&edit, ColorWindowBackground);
    EXPECT_EQ(BackColor(&edit), ColorWindowBackground);
    EXPECT_EQ(edit.palette().color(QPalette::Base),
              QApplication::palette(&edit).color(QPalette::Base));
}
