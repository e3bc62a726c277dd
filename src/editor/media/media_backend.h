// Whether sounds and movies can play here. Qt plays them through GStreamer on Linux, and
// its back end crashes instead of reporting when GStreamer's base and good plugins are
// missing, so the editor looks for the plugins it needs before it makes a player.
#pragma once

#include <QString>
#include <QStringList>

namespace orv::editor {

// The folders GStreamer loads plugins from: GST_PLUGIN_SYSTEM_PATH_1_0 and GST_PLUGIN_PATH
// when set, then the system's own.
QStringList mediaPluginFolders();

// What to tell the user when a plugin the player needs is in none of the folders (naming
// the packages that bring them); empty when playing can go ahead, also when another
// back end than GStreamer is chosen (QT_MEDIA_BACKEND).
QString missingMediaPlugins(const QStringList& folders);

}  // namespace orv::editor
