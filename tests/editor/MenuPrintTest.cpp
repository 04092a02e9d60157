// Ctrl+P in the real editor window, through Qt's print preview to a PDF
// printer, read back with pdftotext.
#include "EditorTestSupport.h"

#include "ModalDriver.h"
#include "QuenmarkEdition.h"
#include "TestFiles.h"
#include "VessquenEdition.h"

#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>
#include <QTest>

using namespace editor_testing;
using namespace testing_support;

namespace {

class MenuPrintTest : public EditorTest, public ::testing::WithParamInterface<const Edition*>
{
protected:
    // Presses Ctrl+P and prints from the preview to a PDF file; the text
    // pdftotext finds there.
    QString PrintThroughPreview()
    {
        const QString pdf = home.filePath("card.pdf");
        bool previewShown = false;
        OnNextModal([&](QWidget* dialog) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(dialog);
            if (!preview)
                return;
            previewShown = true;
            preview->printer()->setOutputFormat(QPrinter::PdfFormat);
            preview->printer()->setOutputFileName(pdf);
            preview->findChild<QPrintPreviewWidget*>()->print();
            preview->reject();
        });
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
        EXPECT_TRUE(previewShown) << "Ctrl+P showed no print preview";
        return PdfText(pdf, {"-layout"}).simplified();
    }
};

} // namespace

TEST_P(MenuPrintTest, PrintsTheStoreNotTheItemStillBeingTyped)
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    Start(*GetParam());
    const QSize before = window->size();
    ChooseLine(1);
    TypeItem("fries", "3:00", "0:30", "7:00");
    Press(3);
    ChooseLine(4);
    TypeItem("PENDING", "1:00", "0:00", "0:00");

    const QString text = PrintThroughPreview();
    EXPECT_TRUE(text.contains("1 2 FRIES 3:00 0:30 7:00 Yes 3")) << text.toStdString();
    EXPECT_FALSE(text.contains("PENDING")) << text.toStdString();
    EXPECT_EQ(window->size(), before);
    EXPECT_EQ(PendingModalActions(), 0);
}

INSTANTIATE_TEST_SUITE_P(BothEditions, MenuPrintTest,
                         ::testing::Values(&QuenmarkEdition, &VessquenEdition));
