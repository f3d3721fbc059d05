#include "app/help.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "languages/languages.h"
#include "ui/form/message_sink.h"
#include "ui/form/screen_fit.h"

namespace tarvel {

namespace {

struct HelpState {
    QString book;
    QStringList folders;
    bool foldersSet = false;
    MessageSink* sink = nullptr;
};

HelpState& State() {
    static HelpState state;
    return state;
}

QStringList Folders() {
    HelpState& state = State();
    return state.foldersSet ? state.folders : DefaultDataFolders();
}

}  // namespace

void SetHelpBook(const QString& book) {
    State().book = book;
}

QString HelpBook() {
    return State().book;
}

void SetHelpFolders(const QStringList& folders) {
    State().folders = folders;
    State().foldersSet = true;
}

void SetHelpMessageSink(MessageSink* sink) {
    State().sink = sink;
}

QString HelpTopicPath(const QString& topic) {
    const QStringList folders = Folders();
    const QString book = HelpBook();
    QString folder = folders.isEmpty() ? QCoreApplication::applicationDirPath() : folders.first();
    for (const QString& candidate : folders) {
        if (!book.isEmpty() && QFileInfo(candidate + QLatin1Char('/') + book).isDir()) {
            folder = candidate;
            break;
        }
    }
    QString path = folder + QLatin1Char('/');
    if (!book.isEmpty()) {
        path += book + QLatin1Char('/');
    }
    return path + topic;
}

QWidget* ShowHelpTopic(QWidget* owner, const QString& topic) {
    const QString path = HelpTopicPath(topic);
    if (QFileInfo(path).isReadable()) {
        auto* window = new CHelpWindow(owner);
        if (window->Open(path)) {
            window->show();
            window->raise();
            window->activateWindow();
            return window;
        }
        delete window;
    }
    MessageSink* sink = State().sink != nullptr ? State().sink : &DefaultMessageSink();
    sink->ShowMessage(owner, QStringLiteral("Cannot find help file:\n\n") + path,
                      QStringLiteral("Error"), QMessageBox::Warning);
    return nullptr;
}

CHelpWindow::CHelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("helpWindow"));
    OpenWithinScreen(this, QSize(720, 560));
    browser_ = new QTextBrowser(this);
    browser_->setOpenLinks(true);
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    connect(browser_, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(browser_->documentTitle()); });
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

bool CHelpWindow::Open(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    file.close();
    browser_->setSearchPaths({QFileInfo(path).absolutePath()});
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    setWindowTitle(browser_->documentTitle());
    return true;
}

}  // namespace tarvel
