#pragma once

#include <QString>

// Where the tests find the catalogues: their sources, and as the build makes them.
namespace catalogues {

#ifdef Q_OS_WIN
inline const QString host = "Z:"; // Wine shows the host's files as drive Z:
#else
inline const QString host;
#endif

inline QString sources()
{
    return host + VORRINTAL_SOURCE_DIR "/translations";
}

inline QString built()
{
    return host + VORRINTAL_BINARY_DIR "/translations";
}

} // namespace catalogues
