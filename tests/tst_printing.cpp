// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the game reference: on a real PDF print queue that the test run
// sets up, and with no print system to reach.

#include "ScriptedToolkit.h"
#include "Toolkit.h"
#include "frmHelpGame.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

namespace {

// The first PDF that the queue has finished writing into the folder, or
// empty: one that cannot be rendered yet is still being written.
QString finishedPdf(const QString& folder, const QString& pageImageStem)
{
    for (const QString& name : QDir(folder).entryList({"*.pdf"}, QDir::Files)) {
        QProcess render;
        render.start("pdftoppm", {"-r", "40", "-png", "-singlefile", QDir(folder).filePath(name), pageImageStem});
        if (render.waitForFinished(30000) && render.exitStatus() == QProcess::NormalExit && render.exitCode() == 0)
            return name;
    }
    return QString();
}

bool showsColour(const QImage& page, QRgb wanted)
{
    const QImage image = page.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(), [wanted](QRgb pixel) {
        return qAbs(qRed(pixel) - qRed(wanted)) < 40 && qAbs(qGreen(pixel) - qGreen(wanted)) < 40
            && qAbs(qBlue(pixel) - qBlue(wanted)) < 40;
    });
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { delete frmHelpGame::instance(); }

    // Run with PRINTER naming a PDF queue that writes into OSSARIA_PRINT_OUT.
    void printsTheWindowOnTheDefaultPrinter()
    {
        const QString out = qEnvironmentVariable("OSSARIA_PRINT_OUT");
        if (out.isEmpty())
            QSKIP("needs the PDF print queue that CTest sets up (tst_printing_queue)");
        ScriptedToolkit toolkit;
        QTemporaryDir work;
        const QString pageStem = work.filePath("page");
        frmHelpGame* help = frmHelpGame::showInstance(nullptr);
        QTest::mouseClick(help->butPrint, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!finishedPdf(out, pageStem).isEmpty(), 60000);

        const QImage page(pageStem + ".png");
        // The legend's samples are the window's only yellow, pure blue and
        // dark red: finding all three shows the window on the page.
        for (const QRgb legendColour : {qRgb(255, 255, 0), qRgb(0, 0, 255), qRgb(192, 0, 0)})
            QVERIFY(showsColour(page, legendColour));
        QVERIFY(toolkit.prompts.isEmpty() && help->isVisible());
    }

    // Run with CUPS_SERVER naming a socket where no print system listens.
    void doesNothingWithoutAPrinter()
    {
        ScriptedToolkit toolkit;
        frmHelpGame* help = frmHelpGame::showInstance(nullptr);
        QTest::mouseClick(help->butPrint, Qt::LeftButton);
        QVERIFY(!Toolkit::PrintWindow(help) && !Toolkit::PrintWindow(nullptr));
        QVERIFY(toolkit.prompts.isEmpty() && toolkit.beeps == 0 && help->isVisible());
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
