#pragma once

#include <QString>

// Where the tests find the catalogues: their sources, and as the build makes them. Wine
// shows the host's files as drive Z:.
namespace catalogues {
#ifdef Q_OS_WIN
inline const QString sources = "Z:" VORRINTAL_SOURCE_DIR "/translations";
inline const QString built = "Z:" VORRINTAL_BINARY_DIR "/translations";
#else
inline const QString sources = VORRINTAL_SOURCE_DIR "/translations";
inline const QString built = VORRINTAL_BINARY_DIR "/translations";
#endif
} // namespace catalogues
