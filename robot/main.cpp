// SPDX-License-Identifier: GPL-3.0-or-later
// kelvask-robot: a computer opponent for the game, on the game's own
// connection. See --help.

#include "RobotSession.h"
#include "Simulation.h"
#include "strategies/Strategy.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <limits>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

using namespace Robot;

namespace {

constexpr int SimulationThreads = 2;

const char* const Description = R"(A computer opponent for Kelvask. It plays the game's own protocol on TCP
port 6431, so the game cannot tell it from another copy of the game.

  --host          listen on 6431 and play every guest that connects, one at a time;
                  in the game, type 127.0.0.1 and press Connect
  --join ADDRESS  join a game that listens at ADDRESS (press Receive in the game);
                  with --wait, try again once a second until it listens

Either way it lets a peer go that sends nothing for --idle seconds (600, ten
minutes, unless told otherwise) or stops reading the answers, and waits for
the next player; it joins again a second after a connection has ended.

It places a random fleet, answers every shot truthfully and fires by the
chosen strategy:
  random   any square not fired at yet
  hunt     the neighbours of hits first, otherwise any open square
  density  the square that most fleets agreeing with every answer so far cover

One line per event is printed on standard output:
  seed S                    the seed of this run (give it to --seed to repeat it)
  listening on 6431         waiting for a guest
  connecting to ADDRESS     joining; "waiting for ADDRESS" while no game listens
  connected to ADDRESS      a match begins with the peer at ADDRESS
  fleet: T1 T2 ... T17      the robot's ship squares, ascending tile indexes 0..99
  ready                     the robot's ready code has been sent
  opponent ready            the peer's ready code has arrived
  started                   both sides are ready
  my turn | their turn      who shoots first
  fire T                    a shot at tile T; then "hit T" or "miss T"
  incoming T hit|miss       the peer fired at tile T and got this answer
  won                       the 17th hit: the defeat code has been sent
  lost                      the peer sent the defeat code; the robot closes
  closed                    the connection has ended
  garbage V                 a value that means nothing, ignored
  unexpected V              an answer or turn code out of place, ignored
  error TEXT                a connection failed or broke, or the robot let go
                            of a peer that did not read its answers ("error No
                            buffer space is available: ...") or sent nothing
                            for too long ("error idle: ...")
  summary: ...              at the end: matches, won, lost, abandoned, shots, garbage

A match counts when its connection ends, won, lost or abandoned. After each
match the robot waits for the next one.

Exit status: 0 once the matches asked for are played, or on an interrupt or
termination signal (the summary comes first); 1 when it cannot listen or its
connection fails, with the reason on standard error; 2 for options it cannot
use.)";

// SIGINT and SIGTERM end the run through the event loop, so that the
// summary is still printed.
int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

// The lines of one pass of the event loop leave together: a peer that sends
// a flood of values costs one write of many lines, not one write per line.
void printLine(const QString& line)
{
    static bool flushDue = false;
    std::fputs(qPrintable(line), stdout);
    std::fputc('\n', stdout);
    if (flushDue)
        return;
    flushDue = true;
    QTimer::singleShot(0, [] {
        flushDue = false;
        std::fflush(stdout);
    });
}

void printError(const QString& message)
{
    std::fprintf(stderr, "kelvask-robot: %s\n", qPrintable(message));
}

int fail(const QString& message)
{
    printError(message);
    return 2;
}

bool readNumber(const QCommandLineParser& parser, const QString& name, qint64 low, qint64 high,
                qint64& number)
{
    if (!parser.isSet(name))
        return true;
    bool ok = false;
    number = parser.value(name).toLongLong(&ok);
    return ok && number >= low && number <= high;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvask-robot"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KELVASK_ROBOT_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("host"), QStringLiteral("Listen on port 6431 for games that join.")},
        {QStringLiteral("join"), QStringLiteral("Join the game listening at <address>."),
         QStringLiteral("address")},
        {QStringLiteral("wait"), QStringLiteral("With --join: retry once a second until a game listens.")},
        {QStringLiteral("games"), QStringLiteral("Stop after <n> matches (default: never)."),
         QStringLiteral("n")},
        {QStringLiteral("seed"), QStringLiteral("Seed the fleets, draws and shots, to repeat a run."),
         QStringLiteral("s")},
        {QStringLiteral("strategy"), QStringLiteral("random, hunt or density (default)."),
         QStringLiteral("name"), QStringLiteral("density")},
        {QStringLiteral("delay"), QStringLiteral("Wait <ms> before each shot (default 600)."),
         QStringLiteral("ms"), QStringLiteral("600")},
        {QStringLiteral("idle"),
         QStringLiteral("Let a peer go that sends nothing for <seconds> (default 600)."),
         QStringLiteral("seconds"), QStringLiteral("600")},
        {QStringLiteral("simulate"),
         QStringLiteral("Play <n> offline games per strategy against random fleets and print "
                        "shots (mean, median, 95th percentile, maximum) and time per shot."),
         QStringLiteral("n")},
    });
    // QCommandLineParser::process() would end a usage error with status 1.
    if (!parser.parse(app.arguments()))
        return fail(parser.errorText());
    parser.process(app);
    if (!parser.positionalArguments().isEmpty())
        return fail(QStringLiteral("unexpected argument \"%1\" (see --help)")
                        .arg(parser.positionalArguments().constFirst()));

    qint64 games = 0;
    qint64 delay = 600;
    qint64 idle = 600;
    qint64 simulated = 0;
    qint64 seed = 0;
    if (!readNumber(parser, QStringLiteral("games"), 1, 1'000'000'000, games))
        return fail(QStringLiteral("--games needs a whole number of at least 1"));
    if (!readNumber(parser, QStringLiteral("delay"), 0, 3'600'000, delay))
        return fail(QStringLiteral("--delay needs milliseconds, 0 or more"));
    if (!readNumber(parser, QStringLiteral("idle"), 1, 86'400, idle))
        return fail(QStringLiteral("--idle needs seconds, 1 to 86400"));
    if (!readNumber(parser, QStringLiteral("simulate"), 1, 100'000'000, simulated))
        return fail(QStringLiteral("--simulate needs a whole number of at least 1"));
    if (!readNumber(parser, QStringLiteral("seed"), 0, std::numeric_limits<qint64>::max(), seed))
        return fail(QStringLiteral("--seed needs a whole number, 0 or more"));
    if (!parser.isSet(QStringLiteral("seed")))
        seed = qint64(std::random_device{}() >> 1);

    const int modes = int(parser.isSet(QStringLiteral("host"))) + int(parser.isSet(QStringLiteral("join")))
                      + int(parser.isSet(QStringLiteral("simulate")));
    if (modes != 1)
        return fail(QStringLiteral("give one of --host, --join ADDRESS or --simulate N (see --help)"));
    if (parser.isSet(QStringLiteral("join")) && parser.value(QStringLiteral("join")).trimmed().isEmpty())
        return fail(QStringLiteral("--join needs the address of a game"));

    if (parser.isSet(QStringLiteral("simulate"))) {
        std::printf("seed %lld\n", static_cast<long long>(seed));
        simulate(int(simulated), std::uint64_t(seed), SimulationThreads, stdout);
        return 0;
    }

    RobotSettings settings;
    settings.host = parser.isSet(QStringLiteral("host"));
    settings.address = parser.value(QStringLiteral("join"));
    settings.wait = parser.isSet(QStringLiteral("wait"));
    settings.games = int(games);
    settings.delayMs = int(delay);
    settings.idleSeconds = int(idle);
    settings.seed = std::uint64_t(seed);
    settings.strategy = strategyNamed(parser.value(QStringLiteral("strategy")).toStdString());
    if (!settings.strategy)
        return fail(QStringLiteral("unknown strategy \"%1\": random, hunt or density")
                        .arg(parser.value(QStringLiteral("strategy"))));

    RobotSession session(settings);
    QObject::connect(&session, &RobotSession::logged, &printLine);
    QObject::connect(&session, &RobotSession::finished, &app, [] { QCoreApplication::exit(0); },
                     Qt::QueuedConnection);
    QObject::connect(&session, &RobotSession::failed, &app, [](const QString& reason) {
        printError(reason);
        QCoreApplication::exit(1);
    }, Qt::QueuedConnection);

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) == 0) {
        auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, [&session] {
            printLine(session.summary());
            QCoreApplication::exit(0);
        });
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }

    printLine(QStringLiteral("seed %1").arg(seed));
    session.start();
    return app.exec();
}
