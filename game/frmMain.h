// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Match.h"
#include "WavePlayer.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <memory>

class PictureBox;
class PortMapping;
struct PortMappingReport;
class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class StatusLog;
class TileButton;
class Winsock;

// The game's main window: both seas, the fleet, the turn, the connection, the
// status log and the menus, with every handler. The rules and the match
// state are the core's (Match); the window calls them, paints the seas from
// them, and plays, shows and sends what happened. Its controls and handlers
// carry the names the game documents and are open to the tests, which drive
// the window as a player or a peer would.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // sound: the wave player to use, or nullptr for the default one.
    // controlFolders: where to look for the control library.
    explicit frmMain(std::unique_ptr<WavePlayer> sound = nullptr,
                     const QStringList& controlFolders = defaultControlFolders(),
                     QWidget* parent = nullptr);
    ~frmMain() override;

    static QStringList defaultControlFolders();

    // Plays "sounds/" + name + ".wav" when sound is on.
    void PlaySound(const QString& name, bool wait);

    // ---- Controls -------------------------------------------------------
    QGroupBox* frameEnemy = nullptr;
    QGroupBox* frameHome = nullptr;
    std::array<TileButton*, 100> butEnemyTile{};
    std::array<TileButton*, 100> butHomeTile{};
    std::array<QLabel*, 20> lblLetters{};
    std::array<QLabel*, 20> lblNumbers{};
    QLineEdit* editLastShot = nullptr;
    QLineEdit* editLastIncShot = nullptr;
    QPushButton* butResetShips = nullptr;
    QPushButton* butReady = nullptr;
    PictureBox* picShip = nullptr;
    QGroupBox* frameShips = nullptr;
    QRadioButton* rdoShipCarrier = nullptr;
    QRadioButton* rdoShipDestroyer = nullptr;
    QRadioButton* rdoShipCruiser = nullptr;
    QRadioButton* rdoShipSubmarine = nullptr;
    QRadioButton* rdoShipPTBoat = nullptr;
    QGroupBox* frameTurn = nullptr;
    QRadioButton* rdoHome = nullptr;
    QRadioButton* rdoEnemy = nullptr;
    QGroupBox* frameConnection = nullptr;
    QLabel* lblIP = nullptr;
    QLineEdit* editIP = nullptr;
    QPushButton* butConnect = nullptr;
    QPushButton* butReceive = nullptr;
    QPushButton* butDisconnect = nullptr;
    StatusLog* editStatus = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuOptions = nullptr;
    QAction* mnuOptionsSound = nullptr;
    QAction* mnuOptionsRouter = nullptr;
    QMenu* mnuChat = nullptr;
    QAction* mnuChatOpen = nullptr;
    QAction* mnuChatClose = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpGame = nullptr;
    QAction* mnuHelpAbout = nullptr;

    Winsock* Winsock1 = nullptr;
    WavePlayer* Sound = nullptr;
    // Asks the local router to forward the game's ports from the Internet.
    PortMapping* PortMapping1 = nullptr;
    // The control library's component; null when the library could not be loaded.
    QWidget* QvControls1 = nullptr;

    // The match as the rules hold it, for reading.
    const Match& match() const { return m_match; }

    // ---- Handlers -------------------------------------------------------
    void Form_Load();
    void mnuFileNew_Click();
    void mnuFileExit_Click();
    void mnuOptionsSound_Click();

    void butHomeTile_Click(short Index);
    void butReady_Click();
    void butResetShips_Click();

    void butEnemyTile_Click(short Index);
    void rdoHome_Click();
    void rdoEnemy_Click();
    void Winsock1_DataArrival(long bytesTotal);
    void Winsock1_SendComplete();
    void Winsock1_SendProgress(long bytesSent, long bytesRemaining);
    void ResetGame();

    void butReceive_Click();
    void butConnect_Click();
    void butDisconnect_Click();
    void Winsock1_ConnectionRequest(long requestID);
    void Winsock1_Connect();
    void Winsock1_Close();
    void Winsock1_Error(short Number, const QString& Description);
    void mnuChatOpen_Click();
    void mnuChatClose_Click();

    void mnuOptionsRouter_Click();
    void PortMapping1_Reported(quint64 request, const PortMappingReport& report);

    void mnuHelpGame_Click();
    void mnuHelpAbout_Click();
    void picShip_Click();

    // A notice to the player in the control library's message box, or in the
    // status log when the library is missing.
    void ShowNotice(const QString& message);
    void AppendStatus(const QString& line);

signals:
    // The player has confirmed closing the window.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // What a player meets when the rules have decided.
    void ClearFleet();
    void FireShot();
    void ReceiveShot(const IncomingShot& shot);
    void ApplyShotResult(const ShotResult& result);
    void OpponentReady(Handshake handshake);
    void StartGame(const Start& start);
    void DeclareVictory();

    std::optional<int> selectedShip() const;
    // Each tile shows its square as the rules hold it.
    void paintHome(int index);
    void paintEnemy(int index);
    void paintHomeSea();
    void paintEnemySea();

    void buildWindow();
    void buildSeas(QWidget* client);
    void buildPanels(QWidget* client);
    void buildMenus();
    void connectHandlers();
    void loadControlLibrary(const QStringList& folders);
    void showTurn();
    void reportCallFailure(int number, const QString& description);
    void askRouter(bool hosting);
    void releaseRouter();

    Match m_match;
    bool bSoundOn = false;
    // The router is asked to open the way (Options menu); new games keep it.
    bool bUseRouter = true;
    std::unique_ptr<WavePlayer> m_sound;
    // Where each sound was found, looked for on its first play only: a shot's
    // sound is played before its answer is sent, and a look on disk every
    // time would hold the answer back.
    QHash<QString, QString> m_soundFiles;
    // The request whose report the host shows; 0 while not hosting.
    quint64 m_routerHosting = 0;
};
