#include "frmmain.h"

#include "dice.h"
#include "help.h"
#include "odds.h"
#include "playsoundfile.h"
#include "soundplayer.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QMessageBox>
#include <QStyleFactory>

static void initPictures() {
    // Pictures compiled into a static library must be registered by name.
    Q_INIT_RESOURCE(pictures);
}

namespace pipwell {

FrmMain::FrmMain(Services services, QWidget *parent)
    : QMainWindow(parent)
    , services_(std::move(services)) {
    initPictures();
    ui_.setupUi(this);

    if (services_.dice == nullptr) {
        ownDice_ = std::make_unique<RandomDice>();
        services_.dice = ownDice_.get();
    }
    if (services_.sound == nullptr) {
        ownSound_ = std::make_unique<SystemSoundPlayer>();
        services_.sound = ownSound_.get();
    }
    if (!services_.announce)
        services_.announce = [this](const QString &text) { showPlainMessage(this, text); };
    if (services_.programDir.isEmpty())
        services_.programDir = QCoreApplication::applicationDirPath();

    board_.tiles = {ui_.Command1, ui_.Command2, ui_.Command3, ui_.Command4, ui_.Command5,
                    ui_.Command6, ui_.Command7, ui_.Command8, ui_.Command9};
    board_.numbers = {ui_.Text1, ui_.Text2, ui_.Text3, ui_.Text4, ui_.Text5,
                      ui_.Text6, ui_.Text7, ui_.Text8, ui_.Text9};
    board_.die1 = ui_.die1_txt;
    board_.die2 = ui_.die2_txt;
    board_.sum = ui_.dietotal_txt;
    board_.roll = ui_.cmdRoll;
    board_.newGame = ui_.cmdReset;
    board_.die1Faces = {ui_.d1p1, ui_.d1p2, ui_.d1p3, ui_.d1p4, ui_.d1p5, ui_.d1p6};
    board_.die2Faces = {ui_.d2p1, ui_.d2p2, ui_.d2p3, ui_.d2p4, ui_.d2p5, ui_.d2p6};
    board_.counters = {ui_.txtStats, ui_.txtTotal, ui_.txtWin};
    board_.sounds = ui_.mnusounds;

    for (int n = 1; n <= 9; ++n)
        board_.tiles.at(n - 1)->setToolTip(QString::number(throwsThatShut(n)));

    applyRoleColours();
    setFixedSize(sizeHint());
    turns_ = new TurnFlow(board_, services_, this);
    connectEvents();
}

FrmMain::~FrmMain() = default;

void FrmMain::connectEvents() {
    connect(ui_.cmdRoll, &QAbstractButton::clicked, turns_, &TurnFlow::cmdRoll_Click);
    connect(ui_.cmdReset, &QAbstractButton::clicked, turns_, &TurnFlow::cmdReset_Click);
    connect(ui_.cmdQuit, &QAbstractButton::clicked, this, &FrmMain::cmdQuit_Click);
    connect(ui_.Command1, &QAbstractButton::clicked, this, &FrmMain::Command1_Click);
    connect(ui_.Command2, &QAbstractButton::clicked, this, &FrmMain::Command2_Click);
    connect(ui_.Command3, &QAbstractButton::clicked, this, &FrmMain::Command3_Click);
    connect(ui_.Command4, &QAbstractButton::clicked, this, &FrmMain::Command4_Click);
    connect(ui_.Command5, &QAbstractButton::clicked, this, &FrmMain::Command5_Click);
    connect(ui_.Command6, &QAbstractButton::clicked, this, &FrmMain::Command6_Click);
    connect(ui_.Command7, &QAbstractButton::clicked, this, &FrmMain::Command7_Click);
    connect(ui_.Command8, &QAbstractButton::clicked, this, &FrmMain::Command8_Click);
    connect(ui_.Command9, &QAbstractButton::clicked, this, &FrmMain::Command9_Click);
    connect(ui_.mnuReset, &QAction::triggered, this, &FrmMain::mnuReset_Click);
    connect(ui_.mnuExit, &QAction::triggered, this, &FrmMain::mnuExit_Click);
    // A checkable menu item flips itself before it reports the trigger; the handler owns the
    // flip, so the automatic one is undone first.
    connect(ui_.mnusounds, &QAction::triggered, this, [this](bool checked) {
        ui_.mnusounds->setChecked(!checked);
        mnusounds_Click();
    });
    connect(ui_.mnuInstructions, &QAction::triggered, this, &FrmMain::mnuInstructions_Click);
    connect(ui_.mnuAbout, &QAction::triggered, this, &FrmMain::mnuAbout_Click);
    connect(SoundEvents::instance(), &SoundEvents::allSoundsEnded, this, [this] {
        if (closeWaitsForSound_)
            QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    });
}

void FrmMain::applyRoleColours() {
    // These follow the desktop's colour scheme, so they are taken from it rather than fixed.
    const QPalette desktop = QApplication::palette();
    for (QGroupBox *frame : {ui_.Frame1, ui_.Frame2}) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::WindowText, desktop.color(QPalette::HighlightedText));
        frame->setPalette(palette);
    }
    for (QLabel *label : {ui_.Label3, ui_.Label5, ui_.Label6}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, desktop.color(QPalette::HighlightedText));
        label->setPalette(palette);
    }
    for (QLabel *label : {ui_.Label1, ui_.Label2}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, desktop.color(QPalette::ButtonText));
        label->setPalette(palette);
    }
    for (QLineEdit *box :
         {ui_.die1_txt, ui_.die2_txt, ui_.dietotal_txt, ui_.txtStats, ui_.txtTotal, ui_.txtWin}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Base, desktop.color(QPalette::Window));
        palette.setColor(QPalette::Text, desktop.color(QPalette::WindowText));
        box->setPalette(palette);
    }
}

void FrmMain::loadAndShow() {
    Form_Load();
    show();
}

void FrmMain::Form_Load() {
    // Start-up goes on whatever the sound does.
    try {
        services_.sound->play(QDir(services_.programDir).filePath(QStringLiteral("intro.wav")));
    } catch (...) {
    }
}

void FrmMain::closeEvent(QCloseEvent *event) {
    if (soundPlaying()) {
        // Honoured as soon as the sound has ended.
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
    ui_.mnusounds->setChecked(!ui_.mnusounds->isChecked());
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

void applyDesktopLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
}

void showPlainMessage(QWidget *parent, const QString &text) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pipwell"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace pipwell
