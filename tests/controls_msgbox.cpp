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

private slots:
    void initTestCase();
    void cleanup();

    void pluginOffersTheComponent();
    void secondNoticeReplacesTheFirst();
    void captionIsTheTitleOrMessage();
    void dismissedBoxComesBackFreshAndCentred();
    void okEnterAndCloseBoxDismiss_data();
    void okEnterAndCloseBoxDismiss();
    void emptyMessageShowsEmptyLabel();
    void messageIsPlainWrappedText();
    void neverBlocksNorBeepsNorOwns();

private:
    QWidget* showNotice(const QString& message, const QString& title = QString());
    static QLabel* label(QWidget* box) { return box->findChild<QLabel*>(QStringLiteral("lblMessage")); }
    static QPushButton* okButton(QWidget* box) { return box->findChild<QPushButton*>(QStringLiteral("butOk")); }

    ScriptedToolkit m_toolkit;
    QWidget m_host;
    QWidget* m_component = nullptr;
};

void ControlsMsgBox::initTestCase()
{
    QString failure;
    m_component = ControlHarness::createComponent(&m_host, &failure);
    QVERIFY2(m_component, qPrintable(failure));
}

void ControlsMsgBox::cleanup()
{
    for (QWidget* box : ControlHarness::shownWindows(QStringLiteral("frmMsgBox")))
        box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QWidget* ControlsMsgBox::showNotice(const QString& message, const QString& title)
{
    const bool called = title.isNull()
                            ? QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message))
                            : QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message),
                                                        Q_ARG(QString, title));
    const QList<QWidget*> shown = ControlHarness::shownWindows(QStringLiteral("frmMsgBox"));
    return called && shown.size() == 1 ? shown.first() : nullptr;
}

void ControlsMsgBox::pluginOffersTheComponent()
{
    const QJsonObject meta = ControlHarness::metaData();
    QCOMPARE(meta.value(QStringLiteral("ProgID")).toString(), QStringLiteral("QuorvaneControls.QvControls"));
    // The game calls these by name with text arguments only.
    const QMetaObject* type = m_component->metaObject();
    QVERIFY(type->indexOfMethod("MsgBox(QString)") >= 0);
    QVERIFY(type->indexOfMethod("MsgBox(QString,QString)") >= 0);
    QVERIFY(type->indexOfMethod("OpenChat(QString,QString)") >= 0);
    QVERIFY(type->indexOfMethod("CloseChat()") >= 0);
}

void ControlsMsgBox::secondNoticeReplacesTheFirst()
{
    QWidget* first = showNotice(QStringLiteral("You Win!"));
    QVERIFY(first);
    QWidget* second = showNotice(QStringLiteral("You Lose!"));
    QVERIFY(second);
    QCOMPARE(second, first);
    QCOMPARE(label(second)->text(), QStringLiteral("You Lose!"));
}

void ControlsMsgBox::captionIsTheTitleOrMessage()
{
    QWidget* box = showNotice(QStringLiteral("Sunk"), QStringLiteral("Fleet"));
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("Fleet"));
    box = showNotice(QStringLiteral("Sunk again"));
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("Message"));
}

void ControlsMsgBox::dismissedBoxComesBackFreshAndCentred()
{
    QPointer<QWidget> old = showNotice(QStringLiteral("first"));
    QVERIFY(old);
    old->move(3, 3);
    okButton(old)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!old);

    QWidget* fresh = showNotice(QStringLiteral("second"));
    QVERIFY(fresh);
    QCOMPARE(label(fresh)->text(), QStringLiteral("second"));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2((fresh->geometry().center() - screen.center()).manhattanLength() <= 2,
             qPrintable(QStringLiteral("box at %1,%2").arg(fresh->x()).arg(fresh->y())));
    QCOMPARE(fresh->size(), QSize(3795 / 15, 1170 / 15));
}

void ControlsMsgBox::okEnterAndCloseBoxDismiss_data()
{
    QTest::addColumn<int>("way");
    QTest::newRow("Ok") << 0;
    QTest::newRow("Enter") << 1;
    QTest::newRow("close box") << 2;
}

void ControlsMsgBox::okEnterAndCloseBoxDismiss()
{
    QFETCH(int, way);
    QPointer<QWidget> box = showNotice(QStringLiteral("Please select a ship to position"));
    QVERIFY(box);
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY2(box->isVisible(), "Escape is not a way to dismiss the box");
    if (way == 0)
        QTest::mouseClick(okButton(box), Qt::LeftButton);
    else if (way == 1)
        QTest::keyClick(box, Qt::Key_Return);
    else
        box->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!box);
    QVERIFY(ControlHarness::shownWindows(QStringLiteral("frmMsgBox")).isEmpty());
}

void ControlsMsgBox::emptyMessageShowsEmptyLabel()
{
    QWidget* box = showNotice(QString(""));
    QVERIFY(box);
    QVERIFY(label(box)->text().isEmpty());
    QCOMPARE(okButton(box)->text(), QStringLiteral("Ok"));
    QVERIFY(okButton(box)->isVisible());
    QVERIFY(okButton(box)->isDefault());
}

void ControlsMsgBox::messageIsPlainWrappedText()
{
    const QString markup = QStringLiteral("<b>Carrier</b> &amp; <i>PT boat</i>");
    QWidget* box = showNotice(markup);
    QVERIFY(box);
    QCOMPARE(label(box)->textFormat(), Qt::PlainText);
    QCOMPARE(label(box)->text(), markup);

    // The game's longest notice wraps onto two lines and fits in the label.
    const QString longest = QStringLiteral("This ship is completely positionned, please select another one.");
    box = showNotice(longest);
    QVERIFY(box);
    QLabel* text = label(box);
    QVERIFY(text->wordWrap());
    const QFontMetrics metrics(text->font());
    const int wrapped =
        metrics.boundingRect(QRect(0, 0, text->width(), 10000), Qt::TextWordWrap, longest).height();
    QVERIFY2(wrapped > metrics.height(), "the longest notice should need more than one line");
    QVERIFY2(wrapped <= text->height(), "the longest notice should fit in the label");
    QVERIFY(box->rect().contains(text->geometry()));
}

void ControlsMsgBox::neverBlocksNorBeepsNorOwns()
{
    QWidget* box = showNotice(QStringLiteral("Could not send data to opponent, please try again."));
    QVERIFY(box);
    QVERIFY(!box->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!box->parentWidget());
    QCOMPARE(m_toolkit.beeps, 0);
    QVERIFY(m_toolkit.prompts.isEmpty());
}

QTEST_MAIN(ControlsMsgBox)
#include "controls_msgbox.moc"
