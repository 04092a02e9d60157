// Cards are read back as a crew member would read them: the PDF through
// pdftotext, the PNG by its size in pixels.
#include "MenuCardFile.h"
#include "TestFiles.h"

#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

MenuItems SampleMenu()
{
    MenuItems items{};
    items[0] = {"FRIES", "3:00", "0:30", "7:00", 1};
    items[1] = {"FISH & CO", "4:30", "0:00", "5:00", 0};
    items[3] = {"WWWWWWWWWW", "12:00", "1:15", "15:00", 1};
    items[6] = {"\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86\xC3\x86",
                "99:59", "99:59", "0:00", 0};
    items[9] = {"CH\xC3\x9C"
                "CKEN",
                "1092:15", "0:00", "0:00", 2};
    return items;
}

class MenuCard : public testing_support::InTemporaryFolder
{
};

} // namespace

TEST_F(MenuCard, PdfReadsBackEveryItemInButtonOrder)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const MenuItems items = SampleMenu();
    const Result<> r =
        WriteMenuCard(Path("card.pdf"), "Store 12", items, CardFormat::Pdf, CardPage::A4);
    ASSERT_TRUE(r.ok()) << r.failure().reason;

    const QString text = testing_support::PdfText(Path("card.pdf"), {"-layout"});
    ASSERT_TRUE(text.contains("Store 12")) << text.toStdString();
    // Each numbered line carries its own item, lines in order 1 to 10.
    QStringList lines;
    for (const QString& line : text.split('\n'))
        if (line.contains(QRegularExpression("^\\s*(10|[1-9])\\b"))) {
            lines << line.simplified();
        }
    ASSERT_EQ(lines.size(), MenuItemCount) << text.toStdString();
    for (int i = 0; i < MenuItemCount; ++i) {
        const MenuItem& item = items[static_cast<std::size_t>(i)];
        QString expected = QString::number(i + 1);
        if (!item.Name.empty())
            expected += " " + QString::fromStdString(item.Name) + " " +
                        QString::fromStdString(item.Cook + " " + item.Duty + " " + item.Hold);
        EXPECT_TRUE(lines[i].startsWith(expected))
            << "line " << i + 1 << ": " << lines[i].toStdString();
        if (item.Name.empty()) {
            EXPECT_EQ(lines[i], expected);
        }
    }
    EXPECT_TRUE(lines[0].endsWith(" Yes"));
    EXPECT_TRUE(lines[1].endsWith(" No"));
    EXPECT_TRUE(lines[9].endsWith(" 2"));
}

TEST_F(MenuCard, TenWideLettersStayInsideTheNameCell)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    ASSERT_TRUE(
        WriteMenuCard(Path("wide.pdf"), "Wide", SampleMenu(), CardFormat::Pdf, CardPage::Letter)
            .ok());
    const QString boxes = testing_support::PdfText(Path("wide.pdf"), {"-bbox"});
    const QRegularExpression word(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>");
    // The word after each wide name on its line is its cook time.
    for (const QString& name : {QString("WWWWWWWWWW"), QString(10, QChar(0xC6))}) {
        double nameRight = -1, nameTop = -1, cookLeft = -1;
        for (auto it = word.globalMatch(boxes); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(4) == name) {
                nameRight = m.captured(3).toDouble();
                nameTop = m.captured(2).toDouble();
            } else if (nameRight >= 0 && cookLeft < 0 &&
                       std::abs(m.captured(2).toDouble() - nameTop) < 8) {
                cookLeft = m.captured(1).toDouble();
            }
        }
        ASSERT_GE(nameRight, 0) << name.toStdString() << " not found whole:\n"
                                << boxes.toStdString();
        EXPECT_LT(nameRight, cookLeft) << name.toStdString();
    }
}

TEST_F(MenuCard, PngHasThePixelsOfItsPageAtTheDpiAsked)
{
    struct Case {
        CardPage page;
        int dpi;
        QSize pixels;
    };
    for (const Case c :
         {Case{CardPage::A4, 100, {827, 1169}}, Case{CardPage::Letter, 200, {1700, 2200}}}) {
        ASSERT_TRUE(
            WriteMenuCard(Path("card.png"), "T", SampleMenu(), CardFormat::Png, c.page, c.dpi)
                .ok());
        const QImage image(Path("card.png"));
        EXPECT_EQ(image.size(), c.pixels);
        EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, c.dpi, 0.5);
        int dark = 0;
        for (int y = 0; y < image.height(); y += 2)
            for (int x = 0; x < image.width(); x += 2)
                dark += qGray(image.pixel(x, y)) < 100;
        EXPECT_GT(dark, 2000) << "the card is blank";
    }
}

TEST_F(MenuCard, SvgCarriesTheNamesAndAFailedWriteKeepsTheOldFile)
{
    if (CardFormatAvailable(CardFormat::Svg)) {
        ASSERT_TRUE(
            WriteMenuCard(Path("card.svg"), "T", SampleMenu(), CardFormat::Svg, CardPage::A4).ok());
        const QString text = QString::fromUtf8(testing_support::Contents(Path("card.svg")));
        EXPECT_TRUE(text.contains("<svg") && text.contains("FRIES") && text.contains("1092:15"));
    }
    const Result<> r =
        WriteMenuCard(Path("missing/card.pdf"), "T", SampleMenu(), CardFormat::Pdf, CardPage::A4);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.failure().reason.empty());
}
