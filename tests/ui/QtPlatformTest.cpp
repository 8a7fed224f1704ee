#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <thread>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "form/MainForm.h"
#include "history/ResidualPoints.h"
#include "report/Language.h"
#include "ui/NuovoPuntoDialog.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

// Enter takes the default answer and closing a question is a refusal; a closed residual-points
// question chooses nothing.
TEST(QtPlatform, DefaultAndClosingAnswersOfEachQuestionAndTheSaveDialogsFilter) {
    QWidget owner;
    QtPlatform platform(&owner);
    // The platform, its next question answered by this key or, with none, closed.
    const auto answering = [&platform](std::optional<Qt::Key> key) -> QtPlatform& {
        QTimer::singleShot(0, [key] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            key ? QTest::keyClick(modal, *key) : void(modal->close());
        });
        return platform;
    };
    const Text question = Text::verbatim("Salvare?");
    const MsgButtons replace = MsgButtons::ReplaceSaveAsCancel;
    EXPECT_EQ(std::tuple(answering(Qt::Key_Return).messageBox(question, MsgButtons::YesNo),
                         answering(Qt::Key_Escape).messageBox(question, MsgButtons::YesNo),
                         answering(Qt::Key_Return).messageBox(question, replace),
                         answering(Qt::Key_Escape).messageBox(question, replace),
                         answering(Qt::Key_Escape).inputBox(question, question, "Giocatore A"),
                         answering(std::nullopt).askResidualPoints(4, true)),
              std::tuple(MsgAnswer::Yes, MsgAnswer::No, MsgAnswer::SaveAs, MsgAnswer::Cancel, "",
                         ResidualAnswer::Cancel));

    // The save dialog starts on the filter asked for, and a name typed without extension takes
    // that of the filter in use when the dialog is accepted.
    QTemporaryDir dir;
    const std::vector<Text> filters{kFileFilter, kDocumentFilter};
    for (const auto& [selected, switchTo, file] :
         {std::tuple(std::size_t{1}, -1, "x.courtlog"), std::tuple(std::size_t{1}, 0, "x.clg"),
          std::tuple(std::size_t{0}, -1, "x.clg")}) {
        QString started;
        QTimer::singleShot(0, [&, switchTo = switchTo] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            started = dialog->selectedNameFilter();
            if (switchTo >= 0) {
                // As the user's choice in the dialog's list does.
                dialog->selectNameFilter(dialog->nameFilters().value(switchTo));
                emit dialog->filterSelected(dialog->nameFilters().value(switchTo));
            }
            dialog->selectFile(dir.filePath("x"));
            static_cast<QDialog*>(dialog)->accept();  // as the Save button does
        });
        const FileChoice choice = platform.saveFileDialog("x.courtlog", filters, selected);
        EXPECT_EQ(std::tuple(started, choice.title), std::tuple(say(filters[selected]), file));
    }
}

// The settings are where QSettings puts them by the program's name. A pipe in the place of
// their file is never waited on (a writer that finds it open says the start would have hung
// there), read as no settings and left a pipe.
TEST(QtPlatform, SettingsLiveInTheirFileAndAPipeThereIsNeverWaitedOn) {
    QtPlatform platform(nullptr);  // no window: nothing is shown
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    QTemporaryDir other;
    qputenv("XDG_CONFIG_HOME", other.path().toUtf8());
    const std::string pipe = other.path().toStdString() + "/Courtlog/Courtlog.conf";
    ASSERT_TRUE(QDir(other.path()).mkdir(QStringLiteral("Courtlog")));
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> done = false, waitedOn = false;
    std::thread writer([&] {
        for (int tries = 0; tries < 500 && !done; ++tries) {
            if (const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                waitedOn = true;  // and let the reader go
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });
    const std::optional<std::string> read = platform.getSetting("Courtlog", "Opzioni", "Chiave");
    platform.saveSetting("Courtlog", "Opzioni", "Chiave", "True");
    done = true;
    writer.join();
    EXPECT_EQ(std::tuple(read, waitedOn.load(), std::filesystem::is_fifo(pipe)),
              std::tuple(std::nullopt, false, true));

    qputenv("XDG_CONFIG_HOME", config);
    platform.saveSetting("Courtlog", "Opzioni", "Chiave", "True");
    EXPECT_EQ(std::tuple(QSettings("Courtlog", "Courtlog").value("Opzioni/Chiave").toString(),
                         platform.getSetting("Courtlog", "Opzioni", "Chiave")),
              std::tuple(QString("True"), std::optional<std::string>("True")));
}

// In a recovery folder it may not write (as nobody, when run as root) the window takes no lock
// and says so in its notice once it has a point to keep.
TEST(QtPlatform, ARecoveryFolderTheUserMayNotWriteIsSaidInTheNotice) {
    QTemporaryDir data;
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data.filePath("readonly").toUtf8());
    QtPlatform platform(nullptr);
    const std::string folder = platform.recoveryFolder();
    std::filesystem::create_directories(folder);
    ASSERT_EQ(::chmod(folder.c_str(), 0555) | ::chmod(data.path().toUtf8().constData(), 0755), 0);
    const pid_t nobody = fork();
    if (nobody == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            _exit(2);
        }
        MainForm form(platform);
        form.Form_Activate("");
        form.PuntoGiocatore_Click(0);
        _exit(form.view().Avviso.text().italian().find(folder) == std::string::npos);
    }
    int result = -1;
    waitpid(nobody, &result, 0);
    EXPECT_TRUE(WIFEXITED(result) && WEXITSTATUS(result) == 0) << "no notice where none may write";
    qputenv("XDG_DATA_HOME", saved);
}

// A lock hides its file only while a window of the program holds it, however
// old it grows: one left by a process that died, one that cannot be read or makes no sense, and
// one from another machine whose file has not changed for a day are taken. One that cannot be
// put away hides nothing either: the file is used unlocked.
TEST(QtPlatform, RecoveryFolderAndItsLocks) {
    QTemporaryDir data;                          // outlives the locks in it
    QtPlatform first(nullptr), second(nullptr);  // no window: nothing is shown
    // The lock of a file written `hours` ago: these bytes, or one taken by the first window, or
    // a folder, which no one can put away.
    const auto lockOf = [&](const char* name, const std::string& bytes, int hours) {
        const std::string file = data.filePath(QString::fromUtf8(name)).toStdString(),
                          lock = file + ".lock";
        std::ofstream(file) << "{}";
        bytes == "held"     ? void(first.lockFile(lock))
        : bytes == "folder" ? void(std::filesystem::create_directory(lock))
                            : void(std::ofstream(lock) << bytes);
        for (const std::string& f : {file, lock}) {
            std::filesystem::last_write_time(
                f, std::filesystem::file_time_type::clock::now() - std::chrono::hours(hours));
        }
        return lock;
    };
    const std::string here = QSysInfo::machineHostName().toStdString(),
                      elsewhere = "4242\ncourtlog\nanother-machine\n";
    std::string taken;  // "+" taken or "-" refused, by the second window then by the first
    for (const auto& [name, bytes, hours] : std::vector<std::tuple<const char*, std::string, int>>{
             {"live", "held", 48},
             {"dead", "99999999\nui_tests\n" + here + "\n", 0},
             {"empty", "", 0},
             {"garbage", "\xff\xfe-1\n\n", 0},
             {"elsewhere-old", elsewhere, 25},
             {"elsewhere-young", elsewhere, 23},
             {"stuck", "folder", 0}}) {
        const std::string path = lockOf(name, bytes, hours);
        taken += second.lockFile(path) ? "+" : "-";
        taken += first.lockFile(path) ? "+ " : "- ";
    }
    first.unlockFile(data.filePath("live.lock").toStdString());
    taken += second.lockFile(data.filePath("live.lock").toStdString()) ? "+" : "-";
    EXPECT_EQ(taken, "-+ +- +- +- +- -- ++ +");
}

// Deleting the later points is offered only when there are several, inserting only when the
// list has room. Enter overwrites, Escape chooses nothing; each shown button gives its own
// answer.
TEST(NuovoPuntoDialog, ShowsTheOfferedChoicesAndAnswersForEachWayOut) {
    // The later points, whether inserting is offered, the key or the button pressed, the answer.
    const std::tuple<int, bool, int, ResidualAnswer, const char*> cases[] = {
        {1, true, Qt::Key_Return, ResidualAnswer::Overwrite, "E' presente un ulteriore punto."},
        {2, true, Qt::Key_Escape, ResidualAnswer::Cancel, "Sono presenti 2 ulteriori punti."},
        {12, true, 1, ResidualAnswer::Insert, "Sono presenti 12 ulteriori punti."},
        {3, false, 2, ResidualAnswer::DeleteLater, "Sono presenti 3 ulteriori punti."},
    };
    for (const auto& [residual, offerInsert, press, answer, message] : cases) {
        SCOPED_TRACE(message);
        NuovoPuntoDialog dialog(residualQuestion(residual, offerInsert), nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        const auto choice = [&](int i) {
            return dialog.findChild<QPushButton*>(QStringLiteral("Scelta_%1").arg(i));
        };
        EXPECT_EQ(std::tuple(dialog.findChild<QLabel*>("Messaggio")->text(), choice(1)->isHidden(),
                             choice(2)->isHidden()),
                  std::tuple(QString::fromUtf8(message) + " Cosa vuoi farne?", !offerInsert,
                             residual == 1));
        press < 3 ? QTest::mouseClick(choice(press), Qt::LeftButton)
                  : QTest::keyClick(&dialog, Qt::Key(press));
        EXPECT_EQ(std::pair(dialog.isVisible(), dialog.answer()), std::pair(false, answer));
    }
}

}  // namespace
}  // namespace courtlog::ui
