// The game in every language it speaks and in English: every window's
// captions, labels, buttons, options and menu titles fit the controls that
// show them, measured with the fonts the windows are laid out in (the main
// window's layout is fixed, so a longer word would be cut off); and the game
// starts in the desktop's language, with Qt's own buttons in it too.

#include "ControlLibrary.h"
#include "RecordingWavePlayer.h"
#include "TileButton.h"
#include "Translations.h"
#include "frmAbout.h"
#include "frmHelpGame.h"
#include "frmMain.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOption>
#include <QtTest>

namespace {

// What a control shows, the pixels it needs and the pixels it has.
struct Fit {
    QString what;
    int need;
    int room;
};

void fitLabel(QLabel* label, const QFontMetrics& metrics, QList<Fit>& fits)
{
    const QString text = label->text();
    int widest = 0;
    for (const QString& piece : text.split(QRegularExpression(label->wordWrap() ? QStringLiteral("\\s+") : QStringLiteral("\r?\n"))))
        widest = std::max(widest, metrics.horizontalAdvance(piece));
    fits.append({label->objectName() + " " + text, widest, label->width()});
    // Wrapped text must not fall below the label, where it is cut off.
    if (label->wordWrap())
        fits.append({label->objectName() + " height " + text, label->heightForWidth(label->width()), label->height()});
}

// Every text a window shows in a control of its own; text boxes scroll and
// the squares show a mark, not a word.
QList<Fit> fitsOf(QWidget* window)
{
    QList<Fit> fits;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || qobject_cast<TileButton*>(control))
            continue;
        const QFontMetrics metrics(control->font());
        QStyle* style = control->style();
        if (auto* button = qobject_cast<QAbstractButton*>(control); button && !button->text().isEmpty()) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const int room = qobject_cast<QRadioButton*>(button)
                ? style->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width()
                : button->width() - style->pixelMetric(QStyle::PM_ButtonMargin)
                      - 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
            fits.append({button->objectName() + " " + button->text(),
                         metrics.size(Qt::TextShowMnemonic, button->text()).width(), room});
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel;
            const QRect label = style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
            fits.append({frame->objectName() + " " + frame->title(), label.left() * 2 + label.width(), frame->width()});
        } else if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty()) {
            fitLabel(label, metrics, fits);
        } else if (auto* bar = qobject_cast<QMenuBar*>(control)) {
            // One row: the last title ends inside the bar, level with the first.
            const QList<QAction*> titles = bar->actions();
            const QRect first = bar->actionGeometry(titles.first());
            const QRect last = bar->actionGeometry(titles.last());
            fits.append({QStringLiteral("menu bar"), last.right() + 1, last.top() == first.top() ? bar->width() : 0});
        }
    }
    return fits;
}

// Two items of one menu with the same access key would take turns instead
// of running.
QStringList clashingAccessKeys(QWidget* window)
{
    QStringList clashes;
    QList<QWidget*> menus{window->findChild<QMenuBar*>()};
    for (QMenu* menu : window->findChildren<QMenu*>())
        menus << menu;
    for (QWidget* menu : menus) {
        QSet<QChar> keys;
        for (const QAction* item : menu->actions()) {
            const QString text = item->text();
            const qsizetype amp = text.indexOf(u'&');
            if (amp >= 0 && amp + 1 < text.size()) {
                const QChar key = text[amp + 1].toLower();
                if (keys.contains(key))
                    clashes << text;
                keys.insert(key);
            }
        }
    }
    return clashes;
}

// Measures each system message box as it opens, keeps its buttons' texts,
// and closes it as Cancel or No would.
class SystemBoxes : public QObject {
public:
    QList<Fit> fits;
    QStringList buttons;

    SystemBoxes()
    {
        m_watch.setInterval(5);
        connect(&m_watch, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            fits << fitsOf(box);
            QStringList texts;
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            buttons << texts.join(u'/');
            box->done(QDialog::Rejected);
        });
        m_watch.start();
    }

private:
    QTimer m_watch;
};

QWidget* shownWindow(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && window->isVisible())
            return window;
    }
    return nullptr;
}

std::unique_ptr<frmMain> openGame()
{
    auto game = std::make_unique<frmMain>(std::make_unique<RecordingWavePlayer>(), frmMain::defaultControlFolders());
    game->show();
    return game;
}

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextFitsItsControl_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringLiteral("en," OSSARIA_LANGUAGES).split(u','))
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFitsItsControl()
    {
        QFETCH(QString, language);
        const Translations translations({language});
        QCOMPARE(translations.language(), language == "en" ? QString() : language);
        SystemBoxes boxes;
        auto game = openGame();
        QVERIFY(game->QvControls1);
        QList<Fit> fits = fitsOf(game.get());
        QStringList clashes = clashingAccessKeys(game.get());

        for (QWidget* window : {static_cast<QWidget*>(frmHelpGame::showInstance(game.get())),
                                static_cast<QWidget*>(frmAbout::showInstance(game.get()))})
            fits << fitsOf(window);
        // The notices, one at a time in the control library's box; each
        // one is translated, so none is missing from this list.
        for (const char* notice : {"Cannot place two ships on top of the other!", "Please select a ship to position",
                                   "This ship is completely positionned, please select another one.",
                                   "All parts the ship must be adjacent!", "Carrier not fully positionned",
                                   "Destroyer not fully positionned", "Cruiser not fully positionned",
                                   "Submarine not fully positionned", "PTBoat not fully positionned", "You Win!",
                                   "You Lose!", "Please connect before shooting!",
                                   "Could not send data to opponent, please try again."}) {
            const QString shown = frmMain::tr(notice);
            QVERIFY2(language == "en" || shown != QLatin1String(notice), notice);
            game->ShowNotice(shown);
            QWidget* box = shownWindow("frmMsgBox");
            QVERIFY(box);
            fits << fitsOf(box);
        }
        // The chat window, and the system boxes: its error box for a port
        // that is no number, the exit and reset questions, Chat > Open alone.
        QVERIFY(ControlLibrary::call(game->QvControls1, "OpenChat", {"127.0.0.1", "none"}));
        QTRY_COMPARE(boxes.buttons.size(), 1);
        game->close();
        QTest::mouseClick(game->butResetShips, Qt::LeftButton);
        game->mnuChatOpen->trigger();
        QCOMPARE(boxes.buttons.size(), 4);
        QVERIFY(shownWindow("frmChat"));
        fits << boxes.fits << fitsOf(shownWindow("frmChat"));

        QStringList overflows;
        for (const Fit& fit : std::as_const(fits)) {
            if (fit.need > fit.room)
                overflows << QStringLiteral("%1: %2 px of %3").arg(fit.what).arg(fit.need).arg(fit.room);
        }
        // The narrowest margins, for whoever rewords a text.
        std::sort(fits.begin(), fits.end(), [](const Fit& a, const Fit& b) { return a.room - a.need < b.room - b.need; });
        for (const Fit& fit : fits.first(3))
            qInfo("%s: margin %d px, %s", qPrintable(language), fit.room - fit.need, qPrintable(fit.what.simplified()));
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(u'\n')));
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u' ')));
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }

    // As the game starts: in the desktop's language, Qt's standard buttons
    // too, or in English exactly as documented. CTest runs each row under
    // its desktop; under another one a row is skipped.
    void startsInTheDesktopsLanguage_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("de") << QStringList{"LANGUAGE=de"}
                            << QStringList{"Feindgewässer", "Heimatgewässer", "Neu aufstellen", "Bereit zum Spiel",
                                           "Schiffe", "Träger (5)", "Zerstörer (4)", "Kreuzer (3)", "U-Boot (3)",
                                           "Schnellboot (2)", "Spielzug", "Dein Zug", "Feind am Zug", "Verbindung",
                                           "Verbinden", "Empfangen", "Trennen", "IP:", "&Spiel", "&Optionen",
                                           "&Chat", "&Hilfe"}
                            << QStringList{"OK/Abbrechen", "&Ja/&Nein"};
        QTest::newRow("C") << QStringList{"LANG=C", "LANGUAGE=", "LC_ALL=", "LC_MESSAGES="}
                           << QStringList{"Enemy Sea", "Home Sea", "Reset Ships", "Ready to Play", "Ships",
                                          "Carrier (5)", "Destroyer (4)", "Cruiser(3)", "Submarine (3)", "PTBoat (2)",
                                          "Turn to Play", "Your Turn", "Enemy's Turn", "Connection", "Connect",
                                          "Receive", "Disconnect", "IP:", "&Game", "&Options", "&Chat", "&Help"}
                           << QStringList{"OK/Cancel", "&Yes/&No"};
    }

    void startsInTheDesktopsLanguage()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, buttons);
        for (const QString& setting : desktop) {
            if (qEnvironmentVariable(qPrintable(setting.section(u'=', 0, 0))) != setting.section(u'=', 1))
                QSKIP("for another desktop");
        }
        const Translations translations;
        SystemBoxes boxes;
        auto game = openGame();
        QStringList shown;
        for (QWidget* control : game->centralWidget()->findChildren<QWidget*>()) {
            if (auto* frame = qobject_cast<QGroupBox*>(control))
                shown << frame->title();
            else if (auto* button = qobject_cast<QAbstractButton*>(control); button && !qobject_cast<TileButton*>(control))
                shown << button->text();
        }
        shown << game->lblIP->text();
        for (const QAction* menu : game->menuBar()->actions())
            shown << menu->text();
        QCOMPARE(shown, captions);
        game->close();
        QTest::mouseClick(game->butResetShips, Qt::LeftButton);
        QCOMPARE(boxes.buttons, buttons);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
