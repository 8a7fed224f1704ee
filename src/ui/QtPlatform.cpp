#include "ui/QtPlatform.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <cstdlib>
#include <memory>

#include "history/ResidualPoints.h"
#include "report/Language.h"
#include "ui/AboutDialog.h"
#include "ui/NuovoPuntoDialog.h"
#ifdef _WIN32
#include "platform/WindowsRegistry.h"
#else
#include "platform/MemoryRegistry.h"
#endif

namespace courtlog::ui {

namespace {

FileChoice chosen(const QString& path) {
    if (path.isEmpty()) {
        return {};
    }
    return {path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

// The settings store of the application, or nothing when it cannot be used. On Windows it is
// the registry. Elsewhere it is the file QSettings would choose by the application's name,
// named here so that it can be looked at first: QSettings opens it at once and would wait for
// ever on a pipe, so a settings file (or its lock) that is there but is no file is left alone,
// and the options are those of a fresh window.
std::unique_ptr<QSettings> openSettings(const std::string& app) {
    const QString name = QString::fromStdString(app);
#ifdef _WIN32
    return std::make_unique<QSettings>(name, name);
#else
    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QLatin1Char('/') + name + QLatin1Char('/') + name + QLatin1String(".conf");
    for (const QString& path : {file, file + QLatin1String(".lock")}) {
        const QFileInfo info(path);
        if (info.exists() && !info.isFile()) {
            return nullptr;
        }
    }
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
#endif
}

// The name of this machine as a lock records it.
QString machineName() {
#ifdef _WIN32
    return qEnvironmentVariable("COMPUTERNAME");
#else
    return QSysInfo::machineHostName();
#endif
}

// Whether a lock that QLockFile would not take is held by no live window. QLockFile has already
// found its process running on this machine, or could not tell: a lock it cannot read or make
// sense of, or one taken on another machine (a shared folder), of which it cannot know whether
// it is still live. A window charting elsewhere writes its file after every point, so a day
// without a change means it is gone.
bool lockIsStale(const QLockFile& lock) {
    qint64 pid = 0;
    QString host, app;
    if (!lock.getLockInfo(&pid, &host, &app)) {
        return true;
    }
    if (host.isEmpty() || host == machineName()) {
        return false;
    }
    QString guarded = lock.fileName();
    guarded.chop(QStringLiteral(".lock").size());
    const QFileInfo file(QFileInfo::exists(guarded) ? guarded : lock.fileName());
    return file.lastModified().secsTo(QDateTime::currentDateTime()) > 24 * 3600;
}

}  // namespace

QtPlatform::QtPlatform(QWidget* owner)
    : owner_(owner),
#ifdef _WIN32
      registry_(std::make_unique<WindowsRegistry>())
#else
      registry_(std::make_unique<MemoryRegistry>())
#endif
{
}

QtPlatform::~QtPlatform() = default;

std::string QtPlatform::shown(const Text& text) {
    return sayUtf8(text);
}

MsgAnswer QtPlatform::messageBox(const Text& text, MsgButtons buttons, const Text& title) {
    QMessageBox box(owner_);
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(title.empty() ? QString::fromUtf8(kAppTitle) : say(title));
    // Names typed by the user end up in messages; show them as typed, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(say(text));
    if (buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    if (buttons == MsgButtons::ReplaceSaveAsCancel) {
        QPushButton* replace = box.addButton(tr("Sostituisci"), QMessageBox::DestructiveRole);
        QPushButton* saveAs = box.addButton(tr("Salva con nome…"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(tr("Annulla"), QMessageBox::RejectRole);
        // Enter keeps both versions; closing the box writes nothing.
        box.setDefaultButton(saveAs);
        box.setEscapeButton(cancel);
        box.exec();
        return box.clickedButton() == replace  ? MsgAnswer::Replace
               : box.clickedButton() == saveAs ? MsgAnswer::SaveAs
                                               : MsgAnswer::Cancel;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box without choosing is a refusal.
    box.setEscapeButton(QMessageBox::No);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes) ? MsgAnswer::Yes : MsgAnswer::No;
}

std::string QtPlatform::inputBox(const Text& prompt, const Text& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString answer = QInputDialog::getText(owner_, say(title), say(prompt), QLineEdit::Normal,
                                                 QString::fromStdString(defaultText), &ok);
    return ok ? answer.toStdString() : std::string();
}

ResidualAnswer QtPlatform::askResidualPoints(int residualPoints, bool offerInsert) {
    NuovoPuntoDialog dialog(residualQuestion(residualPoints, offerInsert), owner_);
    return dialog.ask();
}

FileChoice QtPlatform::saveFileDialog(const std::string& defaultName,
                                      const std::vector<Text>& filters, std::size_t selected) {
    QStringList patterns;
    for (const Text& filter : filters) {
        patterns << say(filter);
    }
    QFileDialog dialog(owner_, tr("Salva con nome"));
    dialog.setNameFilters(patterns);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // A name typed without extension takes that of the filter in use: "clg" of "(*.clg)".
    const auto useSuffixOf = [&dialog](const QString& pattern) {
        const qsizetype dot = pattern.lastIndexOf(QLatin1String("*."));
        dialog.setDefaultSuffix(dot >= 0 ? pattern.mid(dot + 2).remove(QLatin1Char(')'))
                                         : QString());
    };
    if (selected < filters.size()) {
        dialog.selectNameFilter(patterns[static_cast<qsizetype>(selected)]);
        useSuffixOf(patterns[static_cast<qsizetype>(selected)]);
    }
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useSuffixOf);
    dialog.selectFile(QString::fromStdString(defaultName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return chosen(dialog.selectedFiles().constFirst());
}

FileChoice QtPlatform::openFileDialog() {
    // Either kind of match, told apart by its contents once opened.
    const QString filters = say(CL_TEXT("Files", "Partite di Courtlog (*.clg *.courtlog)")) +
                            QLatin1String(";;") + say(kFileFilter) + QLatin1String(";;") +
                            say(kDocumentFilter);
    return chosen(QFileDialog::getOpenFileName(owner_, tr("Apri"), QString(), filters));
}

FileChoice QtPlatform::openVideoDialog(const std::string& folder) {
    // The usual containers of a broadcast or a camera; any other file may still be chosen.
    const QString filters =
        say(CL_TEXT("Files",
                    "Video (*.mp4 *.mkv *.mov *.avi *.webm *.ts *.mts *.m2ts *.mpg "
                    "*.mpeg *.m4v *.wmv *.flv)")) +
        QLatin1String(";;") + say(CL_TEXT("Files", "Tutti i file (*)"));
    return chosen(QFileDialog::getOpenFileName(owner_, tr("Apri il video"),
                                               QString::fromStdString(folder), filters));
}

std::optional<std::string> QtPlatform::getSetting(const std::string& app,
                                                  const std::string& section,
                                                  const std::string& key) {
    const std::unique_ptr<QSettings> settings = openSettings(app);
    if (!settings) {
        return std::nullopt;
    }
    settings->beginGroup(QString::fromStdString(section));
    const QString name = QString::fromStdString(key);
    if (!settings->contains(name)) {
        return std::nullopt;
    }
    return settings->value(name).toString().toStdString();
}

void QtPlatform::saveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
    const std::unique_ptr<QSettings> settings = openSettings(app);
    if (settings) {
        settings->beginGroup(QString::fromStdString(section));
        settings->setValue(QString::fromStdString(key), QString::fromStdString(value));
    }
}

void QtPlatform::showAbout() {
    AboutDialog about(*this, owner_);
    about.exec();
}

bool QtPlatform::fileExists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}

bool QtPlatform::startProgram(const std::string& path) {
    return QProcess::startDetached(QString::fromStdString(path), {});
}

std::string QtPlatform::recoveryFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    if (base.isEmpty()) {
        return {};
    }
    // Made by the program when it writes there, which can then say why it could not.
    return (base + QLatin1String("/recovery")).toStdString();
}

bool QtPlatform::lockFile(const std::string& path) {
    if (locks_.contains(path)) {
        return true;
    }
    auto lock = std::make_unique<QLockFile>(QString::fromStdString(path));
    // A window may chart for hours: its lock must never pass for stale by its age alone. One
    // whose process has died is still taken.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError) {
        if (!lockIsStale(*lock)) {
            return false;
        }
        lock->removeStaleLockFile();
        if (!lock->tryLock(0) && lock->error() == QLockFile::LockFailedError &&
            !lockIsStale(*lock)) {
            return false;  // a window took it meanwhile
        }
    }
    // A lock that cannot be made or put away (a full disk, a folder the user may not write)
    // hides nothing: the file is used unlocked.
    if (lock->isLocked()) {
        locks_.emplace(path, std::move(lock));
    }
    return true;
}

void QtPlatform::unlockFile(const std::string& path) {
    // The lock file goes with its QLockFile.
    locks_.erase(path);
}

void QtPlatform::exitProgram() {
    // At once: the window's close step (options, the offer to save) must not run.
    std::exit(0);
}

}  // namespace courtlog::ui
