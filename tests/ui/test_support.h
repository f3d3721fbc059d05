// Helpers shared by the window tests: a message sink that records instead of
// showing, a fixed zone and clock, the computer's time zone set for one test,
// and driving the focus.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QByteArray>
#include <QDateTime>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QVector>
#include <ctime>
#include <functional>
#include <initializer_list>

#include "ui/form/help_request.h"
#include "ui/form/message_sink.h"
#include "ui/main/tarvel_dlg.h"

namespace tarvel::test {

class RecordingSink : public MessageSink {
  public:
    struct Message {
        QString text;
        QString caption;
        QMessageBox::Icon icon;
    };

    void ShowMessage(QWidget*, const QString& text, const QString& caption,
                     QMessageBox::Icon icon) override {
        messages.push_back({text, caption, icon});
    }

    QString LastText() const { return messages.isEmpty() ? QString() : messages.back().text; }

    QVector<Message> messages;
};

// Records the help topics the windows ask for while it lives.
struct RecordedHelp {
    struct Request {
        QWidget* owner;
        QString topic;
    };
    QVector<Request> requests;

    RecordedHelp() {
        SetHelpHandler([this](QWidget* owner, const QString& topic) {
            requests.push_back({owner, topic});
        });
    }
    ~RecordedHelp() { SetHelpHandler(HelpHandler()); }
    RecordedHelp(const RecordedHelp&) = delete;
    RecordedHelp& operator=(const RecordedHelp&) = delete;
};

// Presses F1 with the focus on each of window's controls ids in turn; the
// topics asked for ("another owner" for a request window did not make), then
// "closed" if the window is no longer shown.
template <typename Window>
QStringList F1Topics(const Window& window, std::initializer_list<int> ids) {
    RecordedHelp help;
    for (int id : ids) {
        window.Control(id)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    }
    QStringList topics;
    for (const RecordedHelp::Request& request : help.requests) {
        topics << (request.owner == &window ? request.topic : QStringLiteral("another owner"));
    }
    if (!window.isVisible()) {
        topics << QStringLiteral("closed");
    }
    return topics;
}

// Makes zone (an IANA name) the computer's time zone while it lives, as the
// TZ variable does for the C library's local time and QTimeZone's system zone,
// so that a test behaves the same wherever it runs; then puts back what was
// there.
class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone)
        : wasSet_(qEnvironmentVariableIsSet("TZ")), saved_(qgetenv("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone() {
        if (wasSet_) {
            qputenv("TZ", saved_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

  private:
    bool wasSet_;
    QByteArray saved_;
};

inline QTimeZone Rome() {
    return QTimeZone("Europe/Rome");
}

// Rome's zone, with the present moment fixed at the given local date and time.
inline CTarvelDlg::Environment RomeAt(const QDate& date, const QTime& time) {
    CTarvelDlg::Environment environment;
    environment.zone = Rome();
    const QTimeZone zone = environment.zone;
    environment.now = [date, time, zone] { return QDateTime(date, time, zone); };
    return environment;
}

// Gives the focus to field, replaces its text by typing, and leaves it for
// next (the field loses the focus as when the user moves on).
inline void TypeAndLeave(QLineEdit* field, const QString& text, QWidget* next) {
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    next->setFocus(Qt::TabFocusReason);
}

// Runs action after the current modal run has started: polls for the active
// modal widget of type T and hands it over. Gives up after about 5 seconds so
// that a failing test never hangs.
template <typename T>
void WhenModal(std::function<void(T*)> action) {
    auto* timer = new QTimer;
    auto* tries = new int(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, action] {
        if (auto* widget = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            delete tries;
            action(widget);
            return;
        }
        if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            delete tries;
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
            }
        }
    });
    timer->start(10);
}

}  // namespace tarvel::test
