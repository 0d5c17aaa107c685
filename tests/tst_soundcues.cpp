// SPDX-License-Identifier: GPL-3.0-or-later
// Which sound each event of a match asks for, whether it waits for it, and
// which file it is.

#include "MatchDriver.h"

#include <QTemporaryDir>

using namespace MatchDriver;

class SoundCuesTest : public QObject {
    Q_OBJECT
    ScriptedToolkit toolkit;

private slots:
    void eachEventAsksForItsSound_data()
    {
        QTest::addColumn<bool>("soundOn");
        QTest::addColumn<QStringList>("hostSounds");
        QTest::addColumn<QStringList>("guestSounds");
        QTest::newRow("on") << true
                            << QStringList{"sound waitingconnect", "sound connect wait", "sound positionships",
                                           "sound waitingopp", "sound yourturn", // ready first, then drawn to shoot
                                           "sound fire", "sound hit",            // our shot and its answer
                                           "sound fire wait", "sound missed wait", "sound yourturn", // theirs
                                           "sound disconnected wait", "sound newgame"}
                            << QStringList{"sound connect wait", "sound positionships", "sound oppready",
                                           "sound fire wait", "sound hit wait", "sound yourturn",
                                           "sound fire", "sound missed", "sound newgame"};
        QTest::newRow("off") << false << QStringList() << QStringList();
    }

    // Connect, ready (host first), one hit by the host, one miss by the guest,
    // then the guest starts a new game. Sound stays as it was through the reset;
    // switched on, the next event is heard.
    void eachEventAsksForItsSound()
    {
        QFETCH(bool, soundOn);
        QFETCH(QStringList, hostSounds);
        QFETCH(QStringList, guestSounds);
        GameWindow host;
        GameWindow guest;
        if (!soundOn) {
            host->mnuOptionsSound->trigger();
            guest->mnuOptionsSound->trigger();
        }
        toolkit.nextDraw = 0.9f;
        QVERIFY(connectPair(host, guest));
        QVERIFY(startMatch(host, guest));
        QVERIFY(fire(host, guest, 0));
        QVERIFY(fire(guest, host, 99));
        guest->mnuFileNew->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(host->editStatus->lines() == QStringList{"New Game..."}, Wait);
        const auto sounds = [](const GameWindow& side) { return side.journal.filter(QRegularExpression("^sound ")); };
        QCOMPARE(sounds(host), hostSounds);
        QCOMPARE(sounds(guest), guestSounds);

        if (!soundOn)
            host->mnuOptionsSound->trigger();
        host->butReceive->click();
        QCOMPARE(sounds(host).mid(hostSounds.size()), QStringList{"sound waitingconnect"});
    }

    // Sounds missing from the current folder come from where the game is installed.
    void theCurrentFolderComesFirst()
    {
        const auto back = qScopeGuard([from = QDir::currentPath()] { QDir::setCurrent(from); });
        QTemporaryDir here;
        QVERIFY(QDir::setCurrent(here.path()) && QDir().mkdir(QStringLiteral("sounds")));
        QVERIFY(QFile(QStringLiteral("sounds/hit.wav")).open(QIODevice::WriteOnly));
        GameWindow game;
        game.sound->files.clear();
        game->PlaySound(QStringLiteral("hit"), true);
        game->PlaySound(QStringLiteral("fire"), false);
        QCOMPARE(game.sound->files,
                 (QStringList{"sounds/hit.wav", QCoreApplication::applicationDirPath() + "/sounds/fire.wav"}));
    }
};

QTEST_MAIN(SoundCuesTest)
#include "tst_soundcues.moc"
