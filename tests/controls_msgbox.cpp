#include "ControlHarness.h"
#include "ScriptedToolkit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

// The non-modal message box as the game reaches it: MsgBox called by name on
// a component of the plugin loaded from the program folder.
class ControlsMsgBox : public QObject {
    Q_OBJECT
    ScriptedToolkit m_toolkit;
    QWidget m_host;
    QWidget* m_component = nullptr;

    QWidget* showNotice(const QString& message, const QString& title = QString())
    {
        const bool called = title.isNull()
                                ? QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message))
                                : QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message),
                                                            Q_ARG(QString, title));
        const QList<QWidget*> shown = ControlHarness::shownWindows(QStringLiteral("frmMsgBox"));
        return called && shown.size() == 1 ? shown.first() : nullptr;
    }
    static QLabel* label(QWidget* box) { return box->findChild<QLabel*>(QStringLiteral("lblMessage")); }
    static QPushButton* okButton(QWidget* box) { return box->findChild<QPushButton*>(QStringLiteral("butOk")); }

private slots:
    void initTestCase()
    {
        QString failure;
        m_component = ControlHarness::createComponent(&m_host, &failure);
        QVERIFY2(m_component, qPrintable(failure));
    }

    void cleanup()
    {
        for (QWidget* box : ControlHarness::shownWindows(QStringLiteral("frmMsgBox")))
            box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsMessageAndCaption_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no title") << "You Win!" << QString() << "Message";
        QTest::newRow("title") << "Sunk" << "Fleet" << "Fleet";
        QTest::newRow("markup") << "<b>Carrier</b> &amp; <i>PT boat</i>" << QString() << "Message";
        QTest::newRow("longest") << "This ship is completely positionned, please select another one." << QString()
                                 << "Message";
    }

    void showsMessageAndCaption()
    {
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QWidget* box = showNotice(message, title);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(label(box)->text(), message);
        QCOMPARE(label(box)->textFormat(), Qt::PlainText);
        QVERIFY(okButton(box)->isVisible());
        QVERIFY2(!box->parentWidget(), "the box has no owner");
        // Every notice, the longest included, wraps inside the label.
        QLabel* text = label(box);
        const QRect wrapped = QFontMetrics(text->font()).boundingRect(QRect(0, 0, text->width(), 10000),
                                                                       Qt::TextWordWrap, message);
        QVERIFY(text->wordWrap() && wrapped.height() <= text->height() && wrapped.width() <= text->width());
        QVERIFY(box->rect().contains(text->geometry()));
        // A second notice replaces the text of the box on screen.
        QCOMPARE(showNotice(QStringLiteral("You Lose!")), box);
        QCOMPARE(label(box)->text(), QStringLiteral("You Lose!"));
    }

    void dismissedBoxComesBackFreshAndCentred_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Ok") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("close box") << 2;
    }

    void dismissedBoxComesBackFreshAndCentred()
    {
        QFETCH(int, way);
        QPointer<QWidget> old = showNotice(QStringLiteral("first"));
        QVERIFY(old);
        old->move(3, 3);
        QTest::keyClick(old, Qt::Key_Escape);
        QVERIFY2(old->isVisible(), "Escape is not a way to dismiss the box");
        if (way == 0)
            QTest::mouseClick(okButton(old), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(old, Qt::Key_Return);
        else
            old->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old);
        QVERIFY(ControlHarness::shownWindows(QStringLiteral("frmMsgBox")).isEmpty());

        QWidget* fresh = showNotice(QStringLiteral("second"));
        QVERIFY(fresh);
        QCOMPARE(label(fresh)->text(), QStringLiteral("second"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2((fresh->geometry().center() - screen.center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("box at %1,%2").arg(fresh->x()).arg(fresh->y())));
    }
};

QTEST_MAIN(ControlsMsgBox)
#include "controls_msgbox.moc"
