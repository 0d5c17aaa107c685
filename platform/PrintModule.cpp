// SPDX-License-Identifier: GPL-3.0-or-later
// The print support, a module of its own that the platform library loads on
// the first print: starting the game does not load the print system.

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

extern "C" Q_DECL_EXPORT bool ossariaPrintWindow(QWidget* window)
{
    // No print system or no default printer: nothing to print on.
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return false;

    const QPixmap image = window->grab();
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    printer.setColorMode(QPrinter::Color);
    printer.setDocName(window->windowTitle());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The window comes out as large as it is on the screen, and smaller only
    // when the page cannot hold it.
    const qreal printerDotsPerPixel = printer.resolution() / qreal(window->logicalDpiX());
    QSizeF printed = image.deviceIndependentSize() * printerDotsPerPixel;
    const QSizeF page = painter.viewport().size();
    if (printed.width() > page.width() || printed.height() > page.height())
        printed.scale(page, Qt::KeepAspectRatio);
    painter.drawPixmap(QRectF(QPointF(0, 0), printed), image, QRectF(image.rect()));
    return painter.end() && printer.printerState() != QPrinter::Error;
}
