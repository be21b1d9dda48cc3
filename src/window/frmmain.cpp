#include "frmmain.h"

#include "announcer.h"
#include "crispicon.h"
#include "dice.h"
#include "help.h"
#include "narration.h"
#include "odds.h"
#include "playsoundfile.h"
#include "soundplayer.h"
#include "ui_frmmain.h"
#include "windowlog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleFactory>

#include <cmath>

static void initPictures() {
    // Pictures compiled into a static library must be registered by name.
    Q_INIT_RESOURCE(pictures);
}

namespace pipwell {

Q_LOGGING_CATEGORY(lcWindow, "pipwell.window", QtWarningMsg)

FrmMain::FrmMain(Services services, QWidget *parent)
    : QMainWindow(parent)
    , ui_(std::make_unique<Ui::frmmain>())
    , services_(std::move(services)) {
    initPictures();
    ui_->setupUi(this);

    if (services_.dice == nullptr) {
        ownDice_ = std::make_unique<RandomDice>();
        services_.dice = ownDice_.get();
    }
    if (services_.sound == nullptr) {
        ownSound_ = std::make_unique<SystemSoundPlayer>();
        services_.sound = ownSound_.get();
    }
    announcer_ = new Announcer(this);
    if (!services_.announce)
        services_.announce = [this](const QString &text) { showPlainMessage(this, text); };
    // What the move said so far (the last tile shut) is heard before the message box. When
    // the box closes, a window manager hands the window its focus back, and a screen reader
    // reads the button that takes it with its board: the board with every tile shut, not the
    // last throw's.
    services_.announce = [this, show = std::move(services_.announce)](const QString &text) {
        announcer_->flush();
        describeBoard();
        show(text);
    };
    if (!services_.narrate)
        services_.narrate = [this](const QString &text) { announcer_->say(text); };
    if (services_.programDir.isEmpty())
        services_.programDir = QCoreApplication::applicationDirPath();

    board_.tiles = {ui_->Command1, ui_->Command2, ui_->Command3, ui_->Command4, ui_->Command5,
                    ui_->Command6, ui_->Command7, ui_->Command8, ui_->Command9};
    board_.numbers = {ui_->Text1, ui_->Text2, ui_->Text3, ui_->Text4, ui_->Text5,
                      ui_->Text6, ui_->Text7, ui_->Text8, ui_->Text9};
    board_.die1 = ui_->die1_txt;
    board_.die2 = ui_->die2_txt;
    board_.sum = ui_->dietotal_txt;
    board_.roll = ui_->cmdRoll;
    board_.newGame = ui_->cmdReset;
    board_.die1Faces = {ui_->d1p1, ui_->d1p2, ui_->d1p3, ui_->d1p4, ui_->d1p5, ui_->d1p6};
    board_.die2Faces = {ui_->d2p1, ui_->d2p2, ui_->d2p3, ui_->d2p4, ui_->d2p5, ui_->d2p6};
    board_.counters = {ui_->txtStats, ui_->txtTotal, ui_->txtWin};
    board_.sounds = ui_->mnusounds;

    for (int n = 1; n <= 9; ++n)
        board_.tiles.at(n - 1)->setToolTip(QString::number(throwsThatShut(n)));

    applyRoleColours();
    sharpenPictures();
    describeForAssistiveTechnology();
    describeBoard();
    ui_->cmdRoll->setFocus();
    setFixedSize(sizeHint());
    // The window cannot grow: no maximise box, on X (the Motif hints) and in the title bar
    // Qt draws itself on Wayland. Naming the hints leaves out the ones not named.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    turns_ = new TurnFlow(board_, services_, this);
    connectEvents();
}

FrmMain::~FrmMain() = default;

// A key presses its button about 100 ms after the key (access keys, Enter); a mouse click in
// between may disable the button meanwhile, and a disabled button takes no click.
void FrmMain::onClick(QAbstractButton *button, std::function<void()> handler) {
    connect(button, &QAbstractButton::clicked, this, [button, handler = std::move(handler)] {
        if (button->isEnabled())
            handler();
    });
}

void FrmMain::connectEvents() {
    // Roll and New Game disable themselves; the focus of either would pass down the Tab chain
    // (New Game, read out with the throw; Exit) before it reaches where the next move is.
    onClick(ui_->cmdRoll, [this] {
        const QWidget *focusBefore = QApplication::focusWidget();
        ui_->cmdRoll->clearFocus();
        turns_->cmdRoll_Click();
        afterMove(focusBefore);
    });
    onClick(ui_->cmdReset, [this] {
        ui_->cmdReset->clearFocus();
        turns_->cmdReset_Click();
        afterMove();
    });
    onClick(ui_->cmdQuit, [this] { cmdQuit_Click(); });
    // Command1_Click to Command9_Click: one routine, with the tile's number.
    for (int n = 1; n <= 9; ++n) {
        onClick(board_.tiles.at(n - 1), [this, n] {
            const bool shuts = tileMatches(board_, n);
            // A disabled button hands its focus on down the Tab chain, and a screen reader
            // would name each button it passes (Exit, before a win's message); the focus
            // goes straight to where the next move is instead, once the tile is shut.
            if (shuts)
                board_.tiles.at(n - 1)->clearFocus();
            turns_->Command_Click(n);
            if (shuts)
                afterMove();
        });
    }
    connect(ui_->mnuReset, &QAction::triggered, this, &FrmMain::mnuReset_Click);
    connect(ui_->mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    // A checkable menu item flips itself before it reports the trigger; the handler owns the
    // flip, so the automatic one is undone first.
    connect(ui_->mnusounds, &QAction::triggered, this, [this](bool checked) {
        ui_->mnusounds->setChecked(!checked);
        mnusounds_Click();
    });
    connect(ui_->mnuInstructions, &QAction::triggered, this, &FrmMain::mnuInstructions_Click);
    connect(ui_->mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    // The digits press their tiles; the same as a click, and nothing while the tile is shut.
    for (int n = 1; n <= 9; ++n) {
        auto *key = new QShortcut(QKeySequence(Qt::Key_0 + n), this);
        QAbstractButton *tile = board_.tiles.at(n - 1);
        connect(key, &QShortcut::activated, tile, &QAbstractButton::click);
    }
    // 0 has a screen reader say the whole board, wherever the focus is.
    connect(new QShortcut(QKeySequence(Qt::Key_0), this), &QShortcut::activated, this, [this] {
        announcer_->say(Narration::state(board_));
        announcer_->flush();
    });
    // Enter presses the focused button, as Space does.
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        button->installEventFilter(this);
    connect(SoundEvents::instance(), &SoundEvents::allSoundsEnded, this, [this] {
        if (closeWaitsForSound_)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
}

void FrmMain::applyRoleColours() {
    // These follow the desktop's colour scheme, so they are taken from it rather than fixed.
    const QPalette desktop = QApplication::palette();
    const auto recolour = [&desktop](QWidget *widget, QPalette::ColorRole role,
                                     QPalette::ColorRole from) {
        QPalette palette = widget->palette();
        palette.setColor(role, desktop.color(from));
        widget->setPalette(palette);
    };
    for (QWidget *caption : std::initializer_list<QWidget *>{ui_->Frame1, ui_->Frame2, ui_->Label3,
                                                             ui_->Label5, ui_->Label6})
        recolour(caption, QPalette::WindowText, QPalette::HighlightedText);
    for (QWidget *label : {ui_->Label1, ui_->Label2})
        recolour(label, QPalette::WindowText, QPalette::ButtonText);
    for (QWidget *box : {ui_->die1_txt, ui_->die2_txt, ui_->dietotal_txt, ui_->txtStats,
                         ui_->txtTotal, ui_->txtWin}) {
        recolour(box, QPalette::Base, QPalette::Window);
        recolour(box, QPalette::Text, QPalette::WindowText);
    }
}

void FrmMain::sharpenPictures() {
    setWindowIcon(crispIcon(QStringLiteral(":/pictures/icon.png")));
    for (int n = 1; n <= 9; ++n)
        board_.tiles.at(n - 1)->setIcon(crispIcon(QStringLiteral(":/pictures/tile%1.png").arg(n)));
    ui_->cmdRoll->setIcon(crispIcon(QStringLiteral(":/pictures/roll.png")));
    ui_->cmdReset->setIcon(crispIcon(QStringLiteral(":/pictures/reset.png")));
    ui_->cmdQuit->setIcon(crispIcon(QStringLiteral(":/pictures/quit.png")));
    // Drawn at the screen's scale, each face once for both dice.
    const qreal ratio = qApp->devicePixelRatio();
    for (int k = 1; k <= 6; ++k) {
        const QImage image = readPicture(QStringLiteral(":/faces/face%1.bmp").arg(k), "bmp");
        const QPixmap face = enlarged(image, ratio);
        for (QWidget *box : {board_.die1Faces.at(k - 1), board_.die2Faces.at(k - 1)})
            static_cast<QLabel *>(box)->setPixmap(face);
    }
}

void FrmMain::describeForAssistiveTechnology() {
    // A screen reader needs words where the window shows pictures.
    for (int n = 1; n <= 9; ++n) {
        QAbstractButton *tile = board_.tiles.at(n - 1);
        tile->setAccessibleName(tr("Tile %1").arg(n));
        tile->setAccessibleDescription(
            tr("%1 of 36 throws can shut this tile").arg(throwsThatShut(n)));
        board_.numbers.at(n - 1)->setAccessibleName(tr("Number of tile %1").arg(n));
    }
    ui_->die1_txt->setAccessibleName(tr("Die 1"));
    ui_->die2_txt->setAccessibleName(tr("Die 2"));
    ui_->dietotal_txt->setAccessibleName(tr("Sum"));
    for (int k = 1; k <= 6; ++k) {
        board_.die1Faces.at(k - 1)->setAccessibleName(tr("Die 1 shows %1").arg(k));
        board_.die2Faces.at(k - 1)->setAccessibleName(tr("Die 2 shows %1").arg(k));
    }
    for (QLineEdit *box : {board_.die1, board_.die2, board_.sum})
        readAsLabel(box);
    ui_->txtStats->setAccessibleName(ui_->Label3->text());
    ui_->txtTotal->setAccessibleName(ui_->Label5->text());
    ui_->txtWin->setAccessibleName(ui_->Label6->text());
}

// The board in words where the focus usually is, for a screen reader's "where am I".
void FrmMain::describeBoard() {
    const QString state = Narration::state(board_);
    board_.roll->setAccessibleDescription(state);
    board_.newGame->setAccessibleDescription(state);
}

// The focus goes where the next move is: a shut tile cannot keep it, and Qt would otherwise
// pass it on down the tab chain, as far as Exit, where Space ends the game.
void FrmMain::afterMove(const QWidget *focusBefore) {
    QWidget *next = board_.newGame;
    if (board_.roll->isEnabled()) {
        next = board_.roll;
    } else if (const int tile = Narration::firstMatchingTile(board_); tile != 0) {
        next = board_.tiles.at(tile - 1);
    }
    // The focus comes to New Game only at a stuck throw, and the board it reads out then has
    // the throw; announced as well, the throw would be heard twice. Where New Game had the
    // focus already, nothing is read out, so the throw is announced.
    const bool throwReadOnFocus = next == board_.newGame && focusBefore != next && isActiveWindow();
    next->setFocus(Qt::OtherFocusReason);
    describeBoard();
    if (throwReadOnFocus) {
        announcer_->discard();
    } else {
        announcer_->flush();
    }
}

bool FrmMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (button != nullptr && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            button->animateClick();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::loadAndShow() {
    Form_Load();
    show();
}

QString FrmMain::introPath(const QString &programDir) {
    return soundPath(programDir, QStringLiteral("intro.wav"));
}

void FrmMain::Form_Load() {
    playSafely(*services_.sound, introPath(services_.programDir));
}

void FrmMain::closeEvent(QCloseEvent *event) {
    if (soundPlaying()) {
        // Honoured as soon as the sound has ended.
        qCDebug(lcWindow, "closing once the sound that plays has ended");
        closeWaitsForSound_ = true;
        event->ignore();
        return;
    }
    closeWaitsForSound_ = false;
    event->accept();
}

void FrmMain::unloadWindow() {
    close();
}

void FrmMain::cmdQuit_Click() {
    unloadWindow();
}

void FrmMain::mnuExit_Click() {
    unloadWindow();
}

void FrmMain::mnuReset_Click() {
    stats::mnuReset_Click(board_.counters);
}

void FrmMain::mnusounds_Click() {
    ui_->mnusounds->setChecked(!ui_->mnusounds->isChecked());
}

void FrmMain::mnuInstructions_Click() {
    HyperJump(help::readmePath(services_.programDir));
}

void FrmMain::mnuAbout_Click() {
    help::showAbout(this);
}

qint32 FrmMain::HyperJump(const QString &path) {
    return help::hyperJump(path);
}

namespace {

// Fusion, but without the picture for a menu bar too narrow for its menus: the fixed window
// never needs it, and Qt would try every image plugin on the disk to read it at start-up.
class DesignStyle final : public QProxyStyle {
public:
    DesignStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option,
                       const QWidget *widget) const override {
        if (icon == SP_ToolBarHorizontalExtensionButton && qobject_cast<const QMenuBar *>(widget))
            return {};
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

} // namespace

void applyDesktopLook() {
    QApplication::setStyle(new DesignStyle);
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}

void showPlainMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pipwell"), text, QMessageBox::Ok, parent);
    help::execReadably(box);
}

} // namespace pipwell
