#pragma once

// The real window with scripted dice, recorded sounds and recorded winner messages.

#include "frmmain.h"
#include "seams.h"

#include <functional>

namespace pipwell::testing {

struct TestWindow {
    enum Visibility { Hidden, Shown };

    ScriptedDice dice;
    RecordingSound sound;
    QStringList messages; // winner messages, answered at once
    // Runs inside each winner message, after it is recorded: the board as the player sees it.
    std::function<void()> onMessage;
    FrmMain frm;

    explicit TestWindow(Visibility visibility = Shown,
                        const QString &programDir = QStringLiteral("/opt/pipwell"))
        : frm(services(programDir)) {
        if (visibility == Shown)
            frm.show();
    }
    const Board &board() const { return frm.board(); }
    template <typename W = QWidget> W *find(const char *name) const {
        W *w = frm.findChild<W *>(QString::fromLatin1(name));
        if (w == nullptr)
            qFatal("no control %s", name);
        return w;
    }
    QAction *action(const char *name) const { return find<QAction>(name); }

private:
    FrmMain::Services services(const QString &programDir) {
        FrmMain::Services s;
        s.dice = &dice;
        s.sound = &sound;
        s.programDir = programDir;
        s.announce = [this](const QString &text) {
            messages << text;
            if (onMessage)
                onMessage();
        };
        return s;
    }
};

} // namespace pipwell::testing
