#pragma once

#include <QByteArray>
#include <QLibraryInfo>
#include <QProcessEnvironment>

#include <functional>

namespace pipwell {

/* The Qt platform this process shows its window through: Wayland where the compositor draws
   the title bar itself and Qt's Wayland plugin is installed, X everywhere else. Empty leaves
   the choice to Qt: QT_QPA_PLATFORM is set, or there is no display to prefer. The two
   questions are asked only on a Wayland session, the compositor's only where it decides. */
QByteArray choosePlatform(const QProcessEnvironment &env,
                          const std::function<bool()> &waylandPluginInstalled,
                          const std::function<bool()> &compositorDrawsTitleBars);

/* Whether Qt would find its Wayland platform plugin: in its own plugin folder (given, for the
   tests), QT_PLUGIN_PATH or QT_QPA_PLATFORM_PLUGIN_PATH. */
bool waylandPluginInstalled(
    const QProcessEnvironment &env,
    const QString &qtPluginsFolder = QLibraryInfo::path(QLibraryInfo::PluginsPath));

/* Whether the Wayland compositor of this session offers to draw its clients' title bars
   (xdg-decoration); false when it cannot be reached. */
bool compositorDrawsTitleBars();

/* choosePlatform() for this process. */
QByteArray platformForThisProcess();

} // namespace pipwell
