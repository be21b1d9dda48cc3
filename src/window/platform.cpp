#include "platform.h"

#include "windowlog.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

#include <wayland-client.h>

#include <algorithm>
#include <cstring>

namespace pipwell {

QByteArray choosePlatform(const QProcessEnvironment &env,
                          const std::function<bool()> &waylandPluginInstalled,
                          const std::function<bool()> &compositorDrawsTitleBars) {
    if (env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        return {};
    const bool x = !env.value(QStringLiteral("DISPLAY")).isEmpty();
    const bool waylandSession = !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
                                env.value(QStringLiteral("XDG_SESSION_TYPE")) == u"wayland";
    // Where the compositor draws no title bar, Qt draws its own, like no desktop's and with a
    // maximise box; X then, under the desktop's own. Without the plugin Qt would warn before
    // falling back to X by itself.
    if (waylandSession && waylandPluginInstalled() && (!x || compositorDrawsTitleBars()))
        return "wayland";
    if (x)
        return "xcb";
    return {};
}

bool waylandPluginInstalled(const QProcessEnvironment &env) {
    QStringList folders = {QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                           QStringLiteral("/platforms")};
    const QString more = env.value(QStringLiteral("QT_PLUGIN_PATH"));
    for (const QString &folder : more.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << folder + QStringLiteral("/platforms");
    folders << env.value(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"));
    return std::any_of(folders.cbegin(), folders.cend(), [](const QString &folder) {
        return !folder.isEmpty() &&
               (QFileInfo::exists(folder + QStringLiteral("/libqwayland-generic.so")) ||
                QFileInfo::exists(folder + QStringLiteral("/libqwayland-egl.so")));
    });
}

bool compositorDrawsTitleBars() {
    // A socket handed down is Qt's to use, once.
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return false;
    wl_display *display = wl_display_connect(nullptr);
    if (display == nullptr)
        return false;
    bool offered = false;
    static const wl_registry_listener listener = {
        [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool *>(data) = true;
        },
        [](void *, wl_registry *, uint32_t) {}};
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, &offered);
    const bool answered = wl_display_roundtrip(display) >= 0;
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return answered && offered;
}

QByteArray platformForThisProcess() {
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QByteArray platform = choosePlatform(
        env, [&env] { return waylandPluginInstalled(env); }, compositorDrawsTitleBars);
    if (platform.isEmpty()) {
        qCDebug(lcWindow, "the platform is Qt's own choice");
    } else {
        qCDebug(lcWindow, "showing the window through %s", platform.constData());
    }
    return platform;
}

} // namespace pipwell
