// SPDX-License-Identifier: GPL-3.0-or-later
// The game in English and in every language it speaks: each window's
// captions, labels, buttons, options and menu bar fit the controls that show
// them, by the font metrics of the face each window is laid out in (the main
// window's layout is fixed, so a longer word is cut off); and the game starts
// in the desktop's language, Qt's own buttons too.

#include "ControlHarness.h"
#include "ControlLibrary.h"
#include "GameWindow.h"
#include "Translations.h"
#include "frmAbout.h"
#include "frmHelpGame.h"

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

// Each text's margin in its control, in pixels.
using Margins = QMultiMap<int, QString>;

// Every text of a window wider than its control gives it room for, or,
// wrapped, taller. Text boxes scroll; the squares show a mark, not a word.
QStringList overflows(QWidget* window, Margins& margins)
{
    QStringList found;
    auto measure = [&](QWidget* control, const QString& text, int need, int room) {
        const QString what =
            QStringLiteral("%1 \"%2\": %3 px of %4").arg(control->objectName(), text).arg(need).arg(room);
        margins.insert(room - need, what);
        if (need > room)
            found << what;
    };
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window) || qobject_cast<TileButton*>(control))
            continue;
        QStyle* style = control->style();
        if (auto* option = qobject_cast<QRadioButton*>(control)) {
            // The caption is drawn right of the round indicator.
            QStyleOptionButton drawn;
            drawn.initFrom(option);
            measure(control, option->text(), option->fontMetrics().size(Qt::TextShowMnemonic, option->text()).width(),
                    style->subElementRect(QStyle::SE_RadioButtonContents, &drawn, option).width());
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            const int margins =
                style->pixelMetric(QStyle::PM_ButtonMargin) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const int text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width();
            measure(control, button->text(), text + margins, button->width());
        } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
            measure(control, frame->title(), frame->minimumSizeHint().width(), frame->width());
        } else if (auto* label = qobject_cast<QLabel*>(control); label && label->wordWrap()) {
            measure(control, label->text(), label->heightForWidth(label->width()), label->height());
        } else if (label) {
            for (const QString& line : label->text().split(QRegularExpression(QStringLiteral("\r?\n"))))
                measure(control, line, label->fontMetrics().horizontalAdvance(line), label->width());
        } else if (auto* bar = qobject_cast<QMenuBar*>(control)) {
            // One row of titles.
            const QRect first = bar->actionGeometry(bar->actions().first());
            const QRect last = bar->actionGeometry(bar->actions().last());
            measure(control, QString(), last.top() == first.top() ? last.right() + 1 : 1 << 16, bar->width());
        }
    }
    return found;
}

// Each system message box, as it opens: its buttons' texts and what does not
// fit; then it is closed as Cancel or No would close it.
struct SystemBoxes : QTimer {
    QStringList buttons;
    QStringList overflowing;
    Margins margins;

    SystemBoxes()
    {
        callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QStringList texts;
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            buttons << texts.join(u'/');
            overflowing << overflows(box, margins);
            box->done(QDialog::Rejected);
        });
        start(5);
    }
};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        for (const QString& language : QStringLiteral("en," OSSARIA_LANGUAGES).split(u','))
            QTest::newRow(qPrintable(language)) << language;
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        const Translations translations({language});
        SystemBoxes boxes;
        auto game = openGame();
        Margins margins;
        QStringList overflowing = overflows(game.get(), margins);
        overflowing << overflows(frmHelpGame::showInstance(game.get()), margins)
                    << overflows(frmAbout::showInstance(game.get()), margins);
        // The help window's texts, line for line, come in the language too,
        // which shows that the language was loaded.
        QCOMPARE(frmHelpGame::gameText().count("\r\n"), 11);
        QCOMPARE(frmHelpGame::colorsText().count("\r\n"), 2);
        QCOMPARE(frmHelpGame::gameText().startsWith("Playing The Game\r\n"), language == "en");
        // The notices in the control library's box (translations_complete
        // checks that each is translated).
        for (const char* notice :
             {"Cannot place two ships on top of the other!", "Please select a ship to position", "You Win!",
              "This ship is completely positionned, please select another one.", "You Lose!",
              "All parts the ship must be adjacent!", "Carrier not fully positionned", "Destroyer not fully positionned",
              "Cruiser not fully positionned", "Submarine not fully positionned", "PTBoat not fully positionned",
              "Please connect before shooting!", "Could not send data to opponent, please try again."}) {
            game->ShowNotice(frmMain::tr(notice));
            overflowing << overflows(ControlHarness::shownWindows("frmMsgBox").value(0), margins);
        }
        // The chat window with its error box for a port that is no number;
        // the exit and reset questions; Chat > Open while not connected.
        QVERIFY(ControlLibrary::call(game->QvControls1, "OpenChat", {"127.0.0.1", "none"}));
        QTRY_COMPARE(boxes.buttons.size(), 1);
        overflowing << overflows(ControlHarness::shownWindows("frmChat").value(0), margins);
        game->close();
        QTest::mouseClick(game->butResetShips, Qt::LeftButton);
        game->mnuChatOpen->trigger();
        QCOMPARE(boxes.buttons.size(), 4);
        // The narrowest, for whoever rewords a text; message boxes fit
        // themselves to their texts.
        for (auto margin = margins.cbegin(); margin != std::next(margins.cbegin(), 3); ++margin)
            qInfo("%s: margin %d px, %s", qPrintable(language), margin.key(), qPrintable(margin.value().simplified()));
        overflowing << boxes.overflowing;
        QVERIFY2(overflowing.isEmpty(), qPrintable(overflowing.join(u'\n')));
        for (QWidget* window : QApplication::topLevelWidgets())
            window->close();
    }

    // As the game starts: in the desktop's language, or in English exactly
    // as documented. CTest runs each row under its desktop; under another
    // one a row is skipped.
    void startsInTheDesktopsLanguage_data()
    {
        QTest::addColumn<QStringList>("desktop");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("de") << QStringList{"LANGUAGE=de"}
                            << "Feindgewässer|Heimatgewässer|Neu aufstellen|Bereit zum Spiel|Schiffe|Träger (5)|Zerstörer (4)|"
                               "Kreuzer (3)|U-Boot (3)|Schnellboot (2)|Spielzug|Dein Zug|Feind am Zug|Verbindung|Verbinden|"
                               "Empfangen|Trennen|&Spiel|&Optionen|&Chat|&Hilfe" << QStringList{"OK/Abbrechen", "&Ja/&Nein"};
        QTest::newRow("C") << QStringList{"LANG=C", "LANGUAGE=", "LC_ALL=", "LC_MESSAGES="}
                           << "Enemy Sea|Home Sea|Reset Ships|Ready to Play|Ships|Carrier (5)|Destroyer (4)|Cruiser(3)|"
                              "Submarine (3)|PTBoat (2)|Turn to Play|Your Turn|Enemy's Turn|Connection|Connect|Receive|"
                              "Disconnect|&Game|&Options|&Chat|&Help" << QStringList{"OK/Cancel", "&Yes/&No"};
    }

    void startsInTheDesktopsLanguage()
    {
        QFETCH(QStringList, desktop);
        QFETCH(QString, captions);
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
        for (const QAction* menu : game->menuBar()->actions())
            shown << menu->text();
        QCOMPARE(shown.join(u'|'), captions);
        game->close();
        QTest::mouseClick(game->butResetShips, Qt::LeftButton);
        QCOMPARE(boxes.buttons, buttons);
    }
};

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
