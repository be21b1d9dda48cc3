#include "platform.h"

#include "windowlog.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <wayland-client.h>

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

bool waylandPluginInstalled(const QProcessEnvironment &env, const QString &qtPluginsFolder) {
    QStringList folders = {qtPluginsFolder + QStringLiteral("/platforms")};
    const QString more = env.value(QStringLiteral("QT_PLUGIN_PATH"));
    for (const QString &folder : more.split(QDir::listSeparator(), Qt::SkipEmptyParts))
        folders << folder + QStringLiteral("/platforms");
    folders << env.value(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"));
    // The plugins' own metadata, as Qt reads it to choose one, without loading them: the files'
    // names changed with Qt's versions (one plugin since Qt 6.10, two before).
    for (const QString &folder : std::as_const(folders)) {
        if (folder.isEmpty())
            continue;
        const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files);
        for (const QFileInfo &file : files) {
            if (!QLibrary::isLibrary(file.fileName()))
                continue;
            const QJsonObject meta = QPluginLoader(file.filePath()).metaData();
            if (!meta.value(QLatin1String("IID"))
                     .toString()
                     .startsWith(QLatin1String(
                         "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface"))) {
                continue;
            }
            const QJsonArray keys = meta.value(QLatin1String("MetaData"))
                                        .toObject()
                                        .value(QLatin1String("Keys"))
                                        .toArray();
            for (const QJsonValue &key : keys) {
                if (key.toString().compare(QLatin1String("wayland"), Qt::CaseInsensitive) == 0)
                    return true;
            }
        }
    }
    return false;
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
