// SPDX-License-Identifier: GPL-3.0-or-later
#include "Toolkit.h"

#include <QFileInfo>
#include <QLibrary>

#include <dlfcn.h>

namespace Toolkit {
namespace {

using PrintFunction = bool (*)(QWidget*);

// The print module lies beside this library, in the build as when installed;
// it is loaded on the first print only.
PrintFunction printFunction()
{
    static const PrintFunction function = []() -> PrintFunction {
        Dl_info self{};
        if (!dladdr(reinterpret_cast<void*>(&PrintWindow), &self) || !self.dli_fname)
            return nullptr;
        const QString folder = QFileInfo(QString::fromLocal8Bit(self.dli_fname)).absolutePath();
        QLibrary module(folder + QStringLiteral("/libossaria-printing.so"));
        return reinterpret_cast<PrintFunction>(module.resolve("ossariaPrintWindow"));
    }();
    return function;
}

} // namespace

// Without the module there is nothing to print with, as without a printer.
bool PrintWindow(QWidget* window)
{
    const PrintFunction print = window ? printFunction() : nullptr;
    return print && print(window);
}

} // namespace Toolkit
