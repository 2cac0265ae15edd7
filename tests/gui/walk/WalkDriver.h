#pragma once
// Plays a user through the program as one script, read from top to bottom: each step names the
// window it expects ("Person data", or the text of a message box) and what the user does there.
// The program runs its own modal windows; the driver watches for the next expected one to be on
// top and active, and plays its step. A window that does not come within the time limit fails
// the walk, which then closes whatever is open so the program ends.
#include <QElapsedTimer>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

class CWalkDriver {
public:
    using Act = std::function<void(QWidget*)>;

    // `pauseMs` is waited in front of every step, so that a watcher can follow; 0 in tests.
    // Pictures of the windows go to `pictureFolder` when it is not empty.
    CWalkDriver(int pauseMs, QString pictureFolder);
    ~CWalkDriver();

    // The user acts in the window whose caption is `caption`.
    void In(const QString& caption, Act act);
    // A message box whose text is `text` is answered with `button`.
    void Answer(const QString& text, QMessageBox::StandardButton button);
    // A picture of the window whose caption is `caption`, named `name`.
    void Picture(const QString& caption, const QString& name);

    // Watches the screen until every step has been played (or the walk failed).
    void Start();
    bool Done() const { return steps_.empty(); }
    // What went wrong, or an empty text.
    const QString& Failure() const { return failure_; }
    int PauseMs() const { return pauseMs_; }

private:
    struct Step {
        bool message;  // a message box, found by its text; else a window, by its caption
        QString text;
        Act act;
    };
    void Poll();
    bool Matches(const Step& step, QWidget* window) const;
    void Fail(const QString& why);
    QString Expected() const;

    std::unique_ptr<QObject> context_;  // pending polls die with the driver
    std::deque<Step> steps_;
    QString failure_;
    QStringList played_;
    QString pictureFolder_;
    int pauseMs_;
    int pictures_ = 0;
    QElapsedTimer waiting_;  // since the front step became the one to play
    QElapsedTimer shown_;    // since its window was first seen on top
    QWidget* lastSeen_ = nullptr;
    std::vector<QPointer<QWidget>> busy_;  // windows whose step is still running
};

// What the user does with keyboard and mouse; each fails the running test when the control
// cannot be found.
void ClickOn(QWidget* window, int id);
void TypeInto(QWidget* window, int id, const QString& text, int keyDelayMs = 0);
// Clicks the line of list `id` whose text begins with `start`; in a list that allows several
// lines, the click adds the line to the choice (or takes it out), as Ctrl+click does.
void ClickLine(QWidget* window, int id, const QString& start);
// Picks `text` in drop-down list `id` by typing it, as a user who knows the name does.
void TypeChoice(QWidget* window, int id, const QString& text, int keyDelayMs = 0);
void PressKey(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
