// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenshotRun.h"

#include "actions/DeleteFilesDialog.h"
#include "actions/FileCMFrm.h"
#include "actions/FileInfoFrm.h"
#include "actions/FilePropertiesFrm.h"
#include "actions/PicturePreview.h"
#include "app/AboutFrm.h"
#include "app/BugFrm.h"
#include "app/ElidedLabel.h"
#include "app/FeedbackFrm.h"
#include "app/FuzzyFrm.h"
#include "app/HelpFrm.h"
#include "app/MainFrm.h"
#include "app/ScanProgressBar.h"
#include "app/TellFrm.h"
#include "app/TipFrm.h"
#include "core/RaisedError.h"
#include "platform/Settings.h"
#include "results/AdvMarkFrm.h"
#include "results/ResultModel.h"
#include "results/ResultView.h"
#include "results/WarningFrm.h"
#include "search/FolderFrm.h"
#include "search/SearchLocationModel.h"
#include "search/SizeLimitDialog.h"
#include "search/TooManyFilesDialog.h"
#include "sessions/ExportDialog.h"
#include "sessions/SaveFrm.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>
#include <QToolButton>

namespace
{
template <typename T> T *named(QWidget *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

void clickNamed(QWidget *parent, const char *name)
{
    if (auto *button = named<QAbstractButton>(parent, name))
        button->click();
}
} // namespace

ErrorChoice NotingReporter::report(const ErrorReport &report)
{
    ++m_count;
    QTextStream(stderr) << "failure in \"" << report.label << "\": " << report.number << ' ' << report.description
                        << '\n';
    return ErrorChoice::Abort;
}

ScreenshotRun::ScreenshotRun(Folders folders) : m_folders(std::move(folders)), m_shooter(m_folders.output) {}

ScreenshotRun::~ScreenshotRun() = default;

bool ScreenshotRun::run()
{
    m_window = std::make_unique<MainFrm>(MainFrmServices{m_prompter, m_errors, Settings::instance(), {}});
    m_window->show();
    Shooter::settle(300);

    searchSetup();
    if (scan())
    {
        previewAndMark();
        mainWindow();
        sessions();
        exportWizard();
        fileActions();
        marking();
        longComparison();
    }
    periphery();

    m_window->close();
    m_window.reset();

    QTextStream out(stdout);
    for (const QString &path : m_shooter.written())
        out << path << '\n';
    QTextStream err(stderr);
    for (const QString &what : m_shooter.failures())
        err << "not taken: " << what << '\n';
    return m_shooter.failures().isEmpty() && m_errors.count() == 0;
}

QAction *ScreenshotRun::action(const char *name) const
{
    return m_window->findChild<QAction *>(QString::fromLatin1(name));
}

void ScreenshotRun::searchSetup()
{
    auto *add = named<QToolButton>(m_window.get(), "cmdAdd");
    m_prompter.answerNextPicker(m_folders.search);
    m_shooter.modal<FolderFrm>(
        QStringLiteral("folder-add"), [add] { add->click(); },
        [this](FolderFrm *f) {
            m_shooter.save(f, QStringLiteral("folder-add"));
            f->okButton->click();
        });
    if (m_folders.excluded.isEmpty())
        return;
    m_prompter.answerNextPicker(m_folders.excluded);
    m_shooter.modal<FolderFrm>(
        QStringLiteral("folder-exclude"), [add] { add->click(); },
        [this](FolderFrm *f) {
            f->excludeCheck->click();
            m_shooter.save(f, QStringLiteral("folder-exclude"));
            f->okButton->click();
        });
}

bool ScreenshotRun::scan()
{
    action("MScan")->trigger();
    if (m_window->results().isEmpty())
    {
        m_shooter.fail(QStringLiteral("the scan found no duplicates: ") +
                       m_window->panel(MainFrm::Panel::Activity)->text());
        return false;
    }
    return true;
}

int ScreenshotRun::firstPictureRow() const
{
    const ResultModel &rows = m_window->results();
    for (int r = 0; r < rows.size(); ++r)
    {
        if (PicturePreview::isPictureFile(rows.row(r).name()))
            return r;
    }
    return -1;
}

void ScreenshotRun::clickResultCell(int row, int column)
{
    auto *view = named<ResultView>(m_window.get(), "RLV");
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    const QPointF at = view->visualRect(index).center();
    const QPointF global = view->viewport()->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &release);
}

void ScreenshotRun::previewAndMark()
{
    // A click on a picture's row (away from the mark at the left edge) shows it in the viewer.
    const int picture = firstPictureRow();
    if (picture >= 0)
    {
        clickResultCell(picture, ResultRow::ColSize);
        m_shooter.save(m_window->findChild<FileInfoFrm *>(), QStringLiteral("picture-viewer"));
    }
    action("MMarkAllDuplicates")->trigger();
}

void ScreenshotRun::mainWindow()
{
    m_shooter.save(m_window.get(), QStringLiteral("main-window"));
    const std::pair<const char *, QString> menus[] = {
        {"MnuFile", QStringLiteral("menu-file")},
        {"MAction", QStringLiteral("menu-action")},
        {"MMark", QStringLiteral("menu-mark-quick")},
        {"MHelp", QStringLiteral("menu-help")},
    };
    for (const auto &[name, shot] : menus)
    {
        auto *menu = named<QMenu>(m_window.get(), name);
        menu->popup(m_window->mapToGlobal(QPoint(40, 40)));
        m_shooter.save(menu, shot);
        menu->hide();
    }
}

void ScreenshotRun::sessions()
{
    const QString session = m_folders.scratch + QStringLiteral("/Holiday search.cvf");
    m_prompter.answerNextPicker(session);
    m_shooter.modal<SaveFrm>(
        QStringLiteral("session-save"), [this] { action("MSaveSession")->trigger(); },
        [this](SaveFrm *d) {
            clickNamed(d, "cmdAdd");
            m_shooter.save(d, QStringLiteral("session-save"));
            clickNamed(d, "Command1");
        });
    m_prompter.answerNextPicker(session);
    m_shooter.modal<SaveFrm>(
        QStringLiteral("session-open"), [this] { action("MLoadSession")->trigger(); },
        [this](SaveFrm *d) {
            clickNamed(d, "cmdAdd");
            m_shooter.save(d, QStringLiteral("session-open"));
        });
}

void ScreenshotRun::exportWizard()
{
    m_prompter.answerNextPicker(m_folders.scratch + QStringLiteral("/duplicates.csv"));
    m_shooter.modal<ExportDialog>(
        QStringLiteral("export"), [this] { action("MExport")->trigger(); },
        [this](ExportDialog *w) {
            m_shooter.save(w, QStringLiteral("export-format"));
            clickNamed(w, "btn");
            clickNamed(w, "cmdAdd");
            m_shooter.save(w, QStringLiteral("export-output"));
        });
}

void ScreenshotRun::fileActions()
{
    // Each dialog is pictured before its OK, then cancelled: no file is touched.
    m_shooter.modal<DeleteFilesDialog>(
        QStringLiteral("delete"), [this] { action("MDelete")->trigger(); },
        [this](DeleteFilesDialog *d) { m_shooter.save(d, QStringLiteral("delete")); });
    m_prompter.answerNextPicker(m_folders.scratch);
    m_shooter.modal<FileCMFrm>(
        QStringLiteral("copy"), [this] { action("MCopyMarkFiles")->trigger(); },
        [this](FileCMFrm *d) { m_shooter.save(d, QStringLiteral("copy")); });
    m_prompter.answerNextPicker(m_folders.scratch);
    m_shooter.modal<FileCMFrm>(
        QStringLiteral("move"), [this] { action("MMoveSelected")->trigger(); },
        [this](FileCMFrm *d) { m_shooter.save(d, QStringLiteral("move")); });

    action("MFileProperties")->trigger();
    auto *properties = m_window->findChild<FilePropertiesFrm *>();
    m_shooter.save(properties, QStringLiteral("file-properties"));
    if (properties)
        properties->close();
}

void ScreenshotRun::marking()
{
    action("mnuAdvMarkForm")->trigger();
    if (auto *advanced = m_window->findChild<AdvMarkFrm *>())
    {
        m_shooter.save(advanced, QStringLiteral("adv-marking-range"));
        named<QTabWidget>(advanced, "TabStrip1")->setCurrentIndex(1);
        m_shooter.save(advanced, QStringLiteral("adv-marking-folders"));
        advanced->close();
    }
    else
    {
        m_shooter.fail(QStringLiteral("adv-marking (no window opened)"));
    }

    SizeLimitDialog limit(m_prompter, Settings::instance(), m_window.get());
    limit.show();
    m_shooter.save(&limit, QStringLiteral("max-size"));
    limit.close();

    // The warning as the action driver shows it for a group whose every file is marked.
    std::vector<int> group;
    const ResultModel &rows = m_window->results();
    for (int r = 0; r < rows.size(); ++r)
    {
        if (rows.row(r).group == rows.row(0).group)
            group.push_back(r);
    }
    WarningFrm warning(m_window->results(), m_prompter, m_window.get());
    warning.setGroupRows(group);
    warning.show();
    m_shooter.save(&warning, QStringLiteral("keep-one-warning"));
    warning.close();
}

void ScreenshotRun::longComparison()
{
    // Three copies of a large video: sparse files, which take no room on the disk and are read
    // as fast as memory, yet make a comparison long enough to be seen.
    const QString videos = m_folders.scratch + QStringLiteral("/Videos");
    QDir().mkpath(videos + QStringLiteral("/old"));
    constexpr qint64 Size = qint64{2} << 30;
    for (const char *name : {"/Holiday.mp4", "/Holiday (copy).mp4", "/old/Holiday.mp4"})
    {
        QFile video(videos + QLatin1String(name));
        if (!video.open(QIODevice::WriteOnly) || !video.resize(Size))
        {
            m_shooter.fail(QStringLiteral("scan-progress (no room for the videos)"));
            return;
        }
    }
    action("MNone")->trigger(); // no marks to be asked about
    SearchLocation location;
    location.folder = videos;
    location.subFolders = QStringLiteral("Yes");
    location.mask = QStringLiteral("All files(*.*)");
    location.minSize = QStringLiteral("10");
    SearchLocationList locations;
    locations.append(location);
    m_window->locations().setLocations(locations);

    // Pictured once the comparison is well under way.
    bool taken = false;
    ScanProgressBar *bar = m_window->progressBar();
    const QMetaObject::Connection watch = QObject::connect(bar, &QProgressBar::valueChanged, [&](int value) {
        if (taken || bar->maximum() == 0 || value < bar->maximum() / 3)
            return;
        taken = true;
        m_shooter.save(m_window.get(), QStringLiteral("scan-progress"));
    });
    action("MScan")->trigger();
    QObject::disconnect(watch);
    if (!taken)
        m_shooter.fail(QStringLiteral("scan-progress (the comparison ended before it could be pictured)"));
    for (const char *name : {"/Holiday.mp4", "/Holiday (copy).mp4", "/old/Holiday.mp4"})
        QFile::remove(videos + QLatin1String(name));
}

void ScreenshotRun::periphery()
{
    m_shooter.modal<AboutFrm>(
        QStringLiteral("about"), [this] { action("MAbout")->trigger(); },
        [this](AboutFrm *w) { m_shooter.save(w, QStringLiteral("about")); });
    m_shooter.modal<TipFrm>(
        QStringLiteral("tip-of-the-day"), [this] { action("mnuTip")->trigger(); },
        [this](TipFrm *w) { m_shooter.save(w, QStringLiteral("tip-of-the-day")); });
    m_shooter.modal<TellFrm>(
        QStringLiteral("tell-a-friend"), [this] { action("mnuTellaFriend")->trigger(); },
        [this](TellFrm *w) { m_shooter.save(w, QStringLiteral("tell-a-friend")); });

    action("MHelpTopics")->trigger();
    auto *help = m_window->findChild<HelpFrm *>();
    m_shooter.save(help, QStringLiteral("help"));
    if (help)
        help->close();

    auto still = [this](QWidget &w, const QString &name) {
        w.show();
        m_shooter.save(&w, name);
        w.close();
    };
    FuzzyFrm fuzzy(m_window.get());
    still(fuzzy, QStringLiteral("fuzzy"));
    TooManyFilesDialog tooMany(m_window.get());
    tooMany.setTotalFiles(187342);
    still(tooMany, QStringLiteral("too-many-files"));
    // The description in the user's language, as a raised error gives it; the step's name stays
    // as the error report keeps it.
    BugFrm bug({13, RaisedError::typeMismatchText(), QStringLiteral("Scanning"), 118}, m_window.get());
    still(bug, QStringLiteral("error-report"));
    FeedbackFrm feedback;
    still(feedback, QStringLiteral("feedback"));
}
