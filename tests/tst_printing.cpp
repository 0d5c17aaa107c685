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

namespace {

// The first PDF that the queue has finished writing into the folder, or
// empty: one that cannot be rendered yet is still being written.
QString finishedPdf(const QString& folder, const QString& pageImageStem)
{
    const QStringList pdfs = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    for (const QString& name : pdfs) {
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-r"), QStringLiteral("40"), QStringLiteral("-png"),
                      QStringLiteral("-singlefile"), QDir(folder).filePath(name), pageImageStem});
        if (render.waitForFinished(30000) && render.exitStatus() == QProcess::NormalExit
            && render.exitCode() == 0)
            return name;
    }
    return QString();
}

int pixelsNear(const QImage& image, QRgb wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAbs(qRed(pixel) - qRed(wanted)) < 40 && qAbs(qGreen(pixel) - qGreen(wanted)) < 40
                && qAbs(qBlue(pixel) - qBlue(wanted)) < 40)
                ++count;
        }
    return count;
}

} // namespace

class PrintingTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        delete frmHelpGame::instance();
    }

    // Run with PRINTER naming a PDF queue that writes into OSSARIA_PRINT_OUT.
    void printsTheWindowOnTheDefaultPrinter()
    {
        const QString out = qEnvironmentVariable("OSSARIA_PRINT_OUT");
        if (out.isEmpty())
            QSKIP("needs the PDF print queue that CTest sets up (tst_printing_queue)");
        ScriptedToolkit toolkit;
        QTemporaryDir work;
        const QString pageStem = work.filePath(QStringLiteral("page"));

        frmHelpGame* help = frmHelpGame::showInstance(nullptr);
        QTest::mouseClick(help->butPrint, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!finishedPdf(out, pageStem).isEmpty(), 60000);

        const QImage page(pageStem + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        // The legend's samples are the window's only yellow, pure blue and
        // dark red: finding all three shows the window on the page.
        QVERIFY(pixelsNear(page, qRgb(255, 255, 0)) > 0);
        QVERIFY(pixelsNear(page, qRgb(0, 0, 255)) > 0);
        QVERIFY(pixelsNear(page, qRgb(192, 0, 0)) > 0);
        QVERIFY(toolkit.prompts.isEmpty());
        QVERIFY(help->isVisible());
    }

    // Run with CUPS_SERVER naming a socket where no print system listens.
    void doesNothingWithoutAPrinter()
    {
        ScriptedToolkit toolkit;
        frmHelpGame* help = frmHelpGame::showInstance(nullptr);
        QTest::mouseClick(help->butPrint, Qt::LeftButton);
        QVERIFY(!Toolkit::PrintWindow(help));
        QVERIFY(!Toolkit::PrintWindow(nullptr));
        QVERIFY(toolkit.prompts.isEmpty());
        QCOMPARE(toolkit.beeps, 0);
        QVERIFY(help->isVisible());
        QTest::mouseClick(help->butDone, Qt::LeftButton);
        QTRY_VERIFY(!frmHelpGame::instance());
    }
};

QTEST_MAIN(PrintingTest)
#include "tst_printing.moc"
