// Where the calendar page goes: standard output, names that are not regular files, names that are
// not UTF-8, a full disk, and the real program under any display setting.
#include "cli_test_support.h"
#include "file_size_limit.h"
#include "tiny_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace biteclock::cli {
namespace {

using testing::CliRun;
using testing::runWith;

const std::vector<std::string> kPlace = {"--lat", "40:43N", "--lon", "74:00W", "--gmt", "-5"};

std::vector<std::string> calendarTo(const std::string& output) {
    std::vector<std::string> args = {"calendar", "--month", "2000-03", "--output", output};
    args.insert(args.end(), kPlace.begin(), kPlace.end());
    return args;
}

std::string bytesOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool isOneLine(const std::string& text) {
    return !text.empty() && text.find('\n') == text.size() - 1;
}

class CliCalendarOutput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static int argc = 1;
            static char name[] = "cli_tests";
            static char* argv[] = {name, nullptr};
            app_ = std::make_unique<QGuiApplication>(argc, argv);
        }
    }
    static void TearDownTestSuite() { app_.reset(); }

    // The name's own bytes after the folder's.
    std::string path(const char* name) const {
        return QFile::encodeName(dir_.path()).toStdString() + "/" + name;
    }

    QTemporaryDir dir_;
    static inline std::unique_ptr<QGuiApplication> app_;
};

TEST_F(CliCalendarOutput, ADashWritesThePdfToStandardOutput) {
    const auto run = runWith(calendarTo("-"));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("%PDF-", 0), 0u);
    EXPECT_NE(run.out.find("%%EOF", run.out.size() - 16), std::string::npos);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-")));
}

TEST_F(CliCalendarOutput, NamesThatAreNotRegularFilesAreRefusedWithExitOne) {
    const std::string fifo = path("fifo.pdf");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string folder = path("folder.pdf");
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const std::string link = path("link.pdf");
    ASSERT_EQ(::symlink(fifo.c_str(), link.c_str()), 0);
    std::vector<std::string> names = {fifo, folder, link};
    // A device node of the full device's numbers, made here: never /dev itself.
    const std::string device = path("full");
    if (::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0) {
        names.push_back(device);
    }
    for (const std::string& name : names) {
        const auto run = runWith(calendarTo(name));
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(isOneLine(run.err)) << run.err;
        EXPECT_EQ(run.err, "biteclock-cli: " + name + " could not be written: It is not a regular file.\n");
        struct stat info {};
        ASSERT_EQ(::lstat(name.c_str(), &info), 0);
        EXPECT_FALSE(S_ISREG(info.st_mode)) << name << " was replaced";
    }
}

TEST_F(CliCalendarOutput, AFileNameIsKeptByteForByte) {
    const std::string name = path("n\xff.pdf");
    const auto run = runWith(calendarTo(name));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(bytesOf(name).rfind("%PDF-", 0), 0u);
    struct stat info {};
    EXPECT_NE(::stat(path("n\xef\xbf\xbd.pdf").c_str(), &info), 0) << "no file named with U+FFFD";
    ::unlink(name.c_str());

    const std::string unwritable = path("missing/n\xff\n.pdf");
    const auto failed = runWith(calendarTo(unwritable));
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(isOneLine(failed.err)) << failed.err;
    EXPECT_NE(failed.err.find("missing/n\\xFF\\n.pdf could not be written: No such file or directory"),
              std::string::npos)
        << failed.err;
}

TEST_F(CliCalendarOutput, AFullDiskIsExitOneAndTheOlderCalendarStays) {
    const TinyTmpfs disk;
    if (!disk.mounted()) {
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs the superuser)";
    }
    const std::string target = QFile::encodeName(disk.filePath(QStringLiteral("cal.pdf"))).toStdString();
    {
        std::ofstream(target, std::ios::binary) << "an older calendar";
        // Leave a few kilobytes: less than a page.
        std::ofstream filler(QFile::encodeName(disk.filePath(QStringLiteral("filler"))).toStdString(),
                             std::ios::binary);
        filler << std::string(64 * 1024 - 4096 - 4096, 'f');
    }
    const auto run = runWith(calendarTo(target));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "biteclock-cli: " + target + " could not be written: No space left on device\n");
    EXPECT_EQ(bytesOf(target), "an older calendar");
    EXPECT_EQ(disk.entries(), (QStringList{QStringLiteral("cal.pdf"), QStringLiteral("filler")}));
}

TEST_F(CliCalendarOutput, AFileSizeLimitIsExitOneToo) {
    const std::string target = path("cal.pdf");
    std::ofstream(target, std::ios::binary) << "an older calendar";
    CliRun run;
    {
        const FileSizeLimit limit(4096);
        run = runWith(calendarTo(target));
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "biteclock-cli: " + target + " could not be written: File too large\n");
    EXPECT_EQ(bytesOf(target), "an older calendar");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("cal.pdf")});
}

// --- The program itself ---

struct ProgramRun {
    int exitCode = -1;
    bool crashed = true;
    std::string out;
    std::string err;
};

ProgramRun runProgram(const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(BITECLOCK_CLI_PROGRAM), args);
    ProgramRun r;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return r;
    }
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.exitCode = p.exitCode();
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

class CliProgram : public ::testing::Test {
protected:
    void SetUp() override {
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    }
    void writeStore(const QByteArray& settings) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(QStringLiteral("config/Biteclock"))));
        QFile f(storeFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Settings]\n" + settings);
    }
    QString storeFile() const { return dir.filePath(QStringLiteral("config/Biteclock/Bitetray.ini")); }

    QTemporaryDir dir;
    QProcessEnvironment env;
};

TEST_F(CliProgram, TheCalendarDrawsOffScreenWhateverPlatformIsNamed) {
    for (const QString& platform : {QStringLiteral("xcb"), QStringLiteral("wayland"),
                                    QStringLiteral("no-such"), QStringLiteral("offscreen")}) {
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        const QString pdf = dir.filePath(platform + QStringLiteral(".pdf"));
        const ProgramRun run =
            runProgram({QStringLiteral("calendar"), QStringLiteral("--month"), QStringLiteral("2000-03"),
                        QStringLiteral("--gmt"), QStringLiteral("0"), QStringLiteral("--lat"),
                        QStringLiteral("0"), QStringLiteral("--lon"), QStringLiteral("0"),
                        QStringLiteral("-platform"), QStringLiteral("xcb"), QStringLiteral("--output"), pdf},
                       env);
        // "-platform" is the command's, not Qt's: refused as an unknown option, without an abort.
        EXPECT_FALSE(run.crashed) << platform.toStdString();
        EXPECT_EQ(run.exitCode, 2) << platform.toStdString() << run.err;
        const ProgramRun drawn = runProgram(
            {QStringLiteral("calendar"), QStringLiteral("--month"), QStringLiteral("2000-03"),
             QStringLiteral("--gmt"), QStringLiteral("0"), QStringLiteral("--lat"), QStringLiteral("0"),
             QStringLiteral("--lon"), QStringLiteral("0"), QStringLiteral("--output"), pdf},
            env);
        EXPECT_FALSE(drawn.crashed) << platform.toStdString();
        EXPECT_EQ(drawn.exitCode, 0) << platform.toStdString() << drawn.err;
        EXPECT_EQ(drawn.err, "");
        EXPECT_TRUE(QFileInfo(pdf).size() > 1000) << platform.toStdString();
    }
}

QStringList dayArgs(const QStringList& more = {}) {
    return QStringList{QStringLiteral("day"), QStringLiteral("--date"), QStringLiteral("2000-06-21"),
                       QStringLiteral("--format"), QStringLiteral("json")} +
           more;
}

TEST_F(CliProgram, WithTheOffsetNotTypedTheComputersOffsetIsUsedAsTheWindowDoes) {
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Kolkata"));
    const ProgramRun given =
        runProgram(dayArgs({QStringLiteral("--lat"), QStringLiteral("40:42N"), QStringLiteral("--lon"),
                            QStringLiteral("74:00W"), QStringLiteral("--gmt"), QStringLiteral("5.5")}),
                   env);
    ASSERT_EQ(given.exitCode, 0) << given.err;
    for (const QByteArray& gmt : {QByteArray("-5"), QByteArray("1e20")}) {
        writeStore(
            "currentloc=Home\nlatdeg=40\nlatmin=42\nNorS=N\nlondeg=74\nlonmin=0\nWorE=W\ncustom=False\ngmt=" +
            gmt + "\n");
        const ProgramRun stored = runProgram(dayArgs(), env);
        EXPECT_EQ(stored.exitCode, 0) << stored.err;
        EXPECT_EQ(stored.err, "");
        EXPECT_EQ(stored.out, given.out) << "stored gmt " << gmt.toStdString();
    }
}

TEST_F(CliProgram, ATypedOffsetThePanelRefusesIsExitTwoNamingTheKeyAndTheFile) {
    writeStore("currentloc=Home\nlatdeg=40\nlatmin=42\nNorS=N\nlondeg=74\nlonmin=0\nWorE=W\ncustom=True\ngmt="
               "1e20\n");
    const ProgramRun run = runProgram(dayArgs(), env);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(isOneLine(run.err)) << run.err;
    EXPECT_EQ(run.err.rfind("biteclock-cli: " + storeFile().toStdString() + ": gmt is '1e20'", 0), 0u)
        << run.err;
}

TEST_F(CliProgram, WithNoStoredPlaceTheDefaultsAreNamed) {
    const ProgramRun run = runProgram(dayArgs(), env);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(
        run.err.rfind("biteclock-cli: no current location is stored in " + storeFile().toStdString(), 0), 0u)
        << run.err;
    EXPECT_TRUE(isOneLine(run.err));
}

} // namespace
} // namespace biteclock::cli
