#include "qt/QtUi.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QProgressDialog>
#include <QSettings>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <limits>
#include <thread>

#include "dialogs/DialogModel.h"
#include "qt/DialogViewRegistry.h"
#include "qt/HelpWindow.h"
#include "qt/QtPath.h"
#include "qt/QtText.h"

QString MessageBoxCaption() {
    const QString name = QApplication::applicationDisplayName();
    return name.isEmpty() ? QStringLiteral("Tavorin") : name;
}

namespace {

// While a dialog or a message box waits for the user, the wait cursor steps aside.
class CWaitCursorPause {
public:
    explicit CWaitCursorPause(int depth) : depth_(depth) {
        for (int i = 0; i < depth_; ++i) {
            QApplication::restoreOverrideCursor();
        }
    }
    ~CWaitCursorPause() {
        for (int i = 0; i < depth_; ++i) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    CWaitCursorPause(const CWaitCursorPause&) = delete;
    CWaitCursorPause& operator=(const CWaitCursorPause&) = delete;

private:
    int depth_;
};

// A modal progress window that stays hidden until its caller's timer shows it (never by the
// dialog's own timing), and stays open until the work is done.
void PrepareHiddenProgress(QProgressDialog& progress) {
    progress.setWindowTitle(MessageBoxCaption());
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(std::numeric_limits<int>::max());
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.hide();
}

}  // namespace

QWidget* CQtUi::CurrentParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return QApplication::activeWindow();
}

void CQtUi::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::Warning, MessageBoxCaption(), MessageToQt(text), QMessageBox::Ok,
                    CurrentParent());
    CWaitCursorPause pause(waitDepth_);
    box.exec();
}

void CQtUi::ShowInformation(const std::string& text) {
    QMessageBox box(QMessageBox::Information, MessageBoxCaption(), MessageToQt(text),
                    QMessageBox::Ok, CurrentParent());
    CWaitCursorPause pause(waitDepth_);
    box.exec();
}

bool CQtUi::AskYesNo(const std::string& text) {
    return Ask(text, QMessageBox::Yes);
}

bool CQtUi::AskYesNoDefaultNo(const std::string& text) {
    return Ask(text, QMessageBox::No);
}

bool CQtUi::Ask(const std::string& text, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(QMessageBox::Question, MessageBoxCaption(), MessageToQt(text),
                    QMessageBox::Yes | QMessageBox::No, CurrentParent());
    box.setDefaultButton(defaultButton);
    CWaitCursorPause pause(waitDepth_);
    return box.exec() == QMessageBox::Yes;
}

// Work run by RunBusy may take the wait cursor as it would in place; the cursor belongs to the
// screen's thread, which already shows it for the work.
static bool OnScreenThread() {
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

void CQtUi::BeginWaitCursor() {
    if (!OnScreenThread()) {
        return;
    }
    ++waitDepth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUi::EndWaitCursor() {
    if (OnScreenThread() && waitDepth_ > 0) {
        --waitDepth_;
        QApplication::restoreOverrideCursor();
    }
}

void CQtUi::RunBusy(const std::string& what, const std::function<void()>& work) {
    CWaitCursor wait(*this);
    QEventLoop loop;
    std::atomic<bool> done = false;
    std::thread worker([&] {
        work();
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QProgressDialog progress(ToQt(what), QString(), 0, 0, CurrentParent());
    PrepareHiddenProgress(progress);
    QTimer::singleShot(250, &progress, [&progress] { progress.show(); });
    // The quit may have been posted before the loop runs; it is then delivered to it at once.
    while (!done) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    worker.join();
}

void CQtUi::RunWithProgress(const std::string& what, const std::function<void(CProgress&)>& work) {
    // The work tells its progress from its own thread; the screen's thread shows it every tenth
    // of a second and hands Cancel back through the next report.
    class CSharedProgress : public CProgress {
    public:
        bool Report(std::size_t done, std::size_t total) override {
            done_ = done;
            total_ = total;
            return !cancelled;
        }
        std::atomic<std::size_t> done_ = 0;
        std::atomic<std::size_t> total_ = 0;
        std::atomic<bool> cancelled = false;
    } shared;
    CWaitCursor wait(*this);
    QEventLoop loop;
    std::atomic<bool> finished = false;
    std::thread worker([&] {
        work(shared);
        finished = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    QProgressDialog progress(ToQt(what), QStringLiteral("Cancel"), 0, 100, CurrentParent());
    PrepareHiddenProgress(progress);
    QObject::connect(&progress, &QProgressDialog::canceled, [&shared, &progress] {
        shared.cancelled = true;
        progress.setLabelText(QStringLiteral("Cancelling..."));
    });
    QTimer show;
    show.setSingleShot(true);
    QObject::connect(&show, &QTimer::timeout, &progress, [&progress, &loop] {
        progress.show();
        QApplication::setOverrideCursor(Qt::ArrowCursor);  // the bar has a button to press
        loop.quit();                                       // to take input again, for Cancel
    });
    show.start(250);
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &progress, [&shared, &progress] {
        const std::size_t total = shared.total_;
        if (total > 0 && !shared.cancelled) {
            progress.setValue(static_cast<int>(shared.done_ * 100 / total));
        }
    });
    tick.start(100);
    // Until the bar shows, no click reaches the windows behind it; then only Cancel can.
    while (!finished) {
        loop.exec(progress.isVisible() ? QEventLoop::AllEvents
                                       : QEventLoop::ExcludeUserInputEvents);
    }
    worker.join();
    if (!show.isActive()) {
        QApplication::restoreOverrideCursor();
    }
}

int CQtUi::RunDialog(CDialogModel& model) {
    auto view = CreateDialogView(model, *this, CurrentParent());
    if (!view) {
        ShowMessage("This part of the program is not available in this version (dialog " +
                    std::to_string(model.ResourceId()) + ").");
        return IDCANCEL;
    }
    CWaitCursorPause pause(waitDepth_);
    return view->exec();
}

CQtUi::CQtUi() = default;
CQtUi::~CQtUi() = default;

void CQtUi::OpenHelp(unsigned context) {
    if (!help_) {
        help_ = std::make_unique<CHelpWindow>();
    }
    help_->ShowTopic(context);
}

std::string CQtUi::AskForSetupFile() {
    QSettings settings;
    const QString lastFolder =
        settings.value(QStringLiteral("lastSetupFolder"), QDir::homePath()).toString();
    CWaitCursorPause pause(waitDepth_);
    const QString chosen = QFileDialog::getOpenFileName(
        CurrentParent(), QStringLiteral("Open the organizer's setup file"), lastFolder,
        QStringLiteral("Competition setup files (*.stu *.STU);;All files (*)"));
    if (chosen.isEmpty()) {
        return {};
    }
    settings.setValue(QStringLiteral("lastSetupFolder"), QFileInfo(chosen).absolutePath());
    return PathFromQt(chosen);
}

namespace {
const QString kRecentCompetitionsKey = QStringLiteral("recentCompetitions");
}

std::vector<std::string> CQtUi::RecentCompetitions() {
    std::vector<std::string> paths;
    for (const QString& path : QSettings().value(kRecentCompetitionsKey).toStringList()) {
        paths.push_back(PathFromQt(path));
    }
    return paths;
}

void CQtUi::KeepRecentCompetitions(const std::vector<std::string>& setupPaths) {
    QStringList paths;
    for (const std::string& path : setupPaths) {
        paths << PathToQt(path);
    }
    QSettings().setValue(kRecentCompetitionsKey, paths);
}

std::string CQtUi::RunFileDialog(QFileDialog& dialog, const std::vector<std::string>& filters,
                                 const std::string& suggestedName, const std::string& startFolder) {
    QSettings settings;
    QStringList names;
    for (const auto& filter : filters) {
        names << ToQt(filter);
    }
    dialog.setNameFilters(names);
    dialog.setDirectory(
        !startFolder.empty()
            ? QFile::decodeName(startFolder.c_str())
            : settings.value(QStringLiteral("lastPersonsFolder"), QDir::homePath()).toString());
    if (!suggestedName.empty()) {
        dialog.selectFile(PathToQt(suggestedName));
    }
    CWaitCursorPause pause(waitDepth_);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    const QString chosen = dialog.selectedFiles().front();
    settings.setValue(QStringLiteral("lastPersonsFolder"), QFileInfo(chosen).absolutePath());
    return PathFromQt(chosen);
}

std::string CQtUi::AskForFileToOpen(const std::string& caption,
                                    const std::vector<std::string>& filters,
                                    const std::string& startFolder) {
    QFileDialog dialog(CurrentParent(), ToQt(caption));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, filters, {}, startFolder);
}

std::string CQtUi::AskForFileToSave(const std::string& caption,
                                    const std::vector<std::string>& filters,
                                    const std::string& suggestedName) {
    QFileDialog dialog(CurrentParent(), ToQt(caption));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(dialog, filters, suggestedName);
}

std::string CQtUi::AskForFolder(const std::string& caption) {
    QFileDialog dialog(CurrentParent(), ToQt(caption));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    return RunFileDialog(dialog, {}, {});
}
