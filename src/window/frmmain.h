#pragma once

#include "board.h"
#include "turnflow.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAbstractButton;

namespace Ui {
class frmmain;
} // namespace Ui

namespace pipwell {

class Announcer;
class RandomDice;
class SystemSoundPlayer;

// The one window. It owns every control of the game (the state lives in them) and routes
// the controls' events to their handlers.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    using Services = TurnFlow::Services;

    /* Services left empty get the program's own: random dice, real sounds, a real message
       box and the folder the executable stands in. */
    explicit FrmMain(Services services = {}, QWidget *parent = nullptr);
    ~FrmMain() override;

    /* Start-up: the load step (the intro sound, to its end), then the window appears. */
    void loadAndShow();
    /* The sound the load step plays. */
    static QString introPath(const QString &programDir);

    /* Hands a file to the desktop to open with its associated program. Above 32 is success;
       2: no such file; 5: unreadable; 31: nothing could open it. */
    qint32 HyperJump(const QString &path);

    const Board &board() const { return board_; }
    const Services &services() const { return services_; }

    void Form_Load();
    void cmdQuit_Click();
    void mnuExit_Click();
    void mnuReset_Click();
    void mnusounds_Click();
    void mnuInstructions_Click();
    void mnuAbout_Click();
    // Command1_Click to Command9_Click are TurnFlow::Command_Click with the tile's number.

protected:
    /* Form_Unload: never refuses, but waits for a sound that is playing to end. */
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void unloadWindow();
    void applyRoleColours();
    void sharpenPictures();
    void describeForAssistiveTechnology();
    void connectEvents();
    void onClick(QAbstractButton *button, std::function<void()> handler);
    // `focusBefore`: where the focus was when the move began.
    void afterMove(const QWidget *focusBefore = nullptr);
    void describeBoard();

    std::unique_ptr<Ui::frmmain> ui_;
    std::unique_ptr<RandomDice> ownDice_;
    std::unique_ptr<SystemSoundPlayer> ownSound_;
    Services services_;
    Board board_;
    TurnFlow *turns_ = nullptr;
    Announcer *announcer_ = nullptr;
    bool closeWaitsForSound_ = false;
};

/* The look the window is designed for: Fusion style and the DejaVu fonts. */
void applyDesktopLook();

/* Shows a modal message box with OK only, no icon, captioned with the application's name. */
void showPlainMessage(QWidget *parent, const QString &text);

} // namespace pipwell
