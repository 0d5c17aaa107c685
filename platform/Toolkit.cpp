// SPDX-License-Identifier: GPL-3.0-or-later
#include "Toolkit.h"

#include "EventGate.h"
#include "ThemeBell.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <xcb/xcb.h>

#include <chrono>
#include <random>

namespace Toolkit {
namespace {

class WidgetBackend final : public Backend {
public:
    int messageBox(const QString& prompt, int buttons, const QString& title) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::NoButton,
                        QApplication::activeWindow());
        // Prompts can carry text from the network (error descriptions, a
        // port text); never let the box read them as markup.
        box.setTextFormat(Qt::PlainText);
        QAbstractButton* yes = nullptr;
        QAbstractButton* no = nullptr;
        QAbstractButton* ok = nullptr;
        QAbstractButton* cancel = nullptr;
        if (buttons == vbYesNo) {
            yes = box.addButton(QMessageBox::Yes);
            no = box.addButton(QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            ok = box.addButton(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            if (buttons == vbOKCancel) {
                cancel = box.addButton(QMessageBox::Cancel);
                box.setEscapeButton(cancel);
            } else {
                box.setEscapeButton(ok);
            }
        }
        EventGate::Hold hold;
        box.exec();
        QAbstractButton* pressed = box.clickedButton();
        if (pressed == yes)
            return vbYes;
        if (pressed == no)
            return vbNo;
        if (pressed == ok)
            return vbOK;
        // The close box of a Yes/No question counts as No, of any other box
        // as Cancel.
        return buttons == vbYesNo ? vbNo : vbCancel;
    }

    // On X, each beep is a bell request to the display. A peer that floods
    // the game with refused values rings thousands of them in one pass of the
    // event loop: they go out together at the end of the pass, instead of one
    // write to the display each. A display without a bell (Wayland) has the
    // sound theme's bell played instead. The platforms that draw on no screen
    // (the offscreen one that the tests run on, the minimal one) stay silent:
    // nobody is there to hear the bell of a window nobody sees.
    void beep() override
    {
        const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        // The offscreen platform answers as X11 without a display connection.
        if (xcb_connection_t* display = x11 ? x11->connection() : nullptr)
            ringXBell(display);
        else if (!drawsOnNoScreen())
            ThemeBell::ring();
    }

    void randomize() override
    {
        m_engine.seed(static_cast<std::mt19937::result_type>(
            std::chrono::system_clock::now().time_since_epoch().count()));
    }

    float random() override
    {
        // 24 random bits give every float in [0, 1) on a grid of 2^-24 and
        // can never round up to 1.
        return static_cast<float>(m_engine() >> 8) * 0x1.0p-24f;
    }

private:
    void ringXBell(xcb_connection_t* display)
    {
        xcb_bell(display, 0);
        if (m_bellsPending)
            return;
        m_bellsPending = true;
        QMetaObject::invokeMethod(qApp, [this, display] {
            m_bellsPending = false;
            xcb_flush(display);
        }, Qt::QueuedConnection);
    }

    static bool drawsOnNoScreen()
    {
        const QString platform = QGuiApplication::platformName();
        return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    }

    std::mt19937 m_engine{std::random_device{}()};
    bool m_bellsPending = false;
};

WidgetBackend& widgetBackend()
{
    static WidgetBackend backend;
    return backend;
}

Backend* g_backend = nullptr;

Backend& backend()
{
    return g_backend ? *g_backend : widgetBackend();
}

} // namespace

void setBackend(Backend* replacement)
{
    g_backend = replacement;
}

int MsgBox(const QString& prompt, int buttons, const QString& title)
{
    return backend().messageBox(prompt, buttons, title.isEmpty() ? AppTitle() : title);
}

void Beep()
{
    backend().beep();
}

void Randomize()
{
    backend().randomize();
}

float Rnd()
{
    return backend().random();
}

QString AppTitle()
{
    return QStringLiteral(OSSARIA_TITLE);
}

int AppMajor()
{
    return OSSARIA_VERSION_MAJOR;
}

int AppMinor()
{
    return OSSARIA_VERSION_MINOR;
}

int AppRevision()
{
    return OSSARIA_VERSION_PATCH;
}

} // namespace Toolkit
