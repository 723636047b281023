#pragma once

#include <QString>

// Short real video files made with ffmpeg, for tests that need a player to reach its end.
namespace TestClip {

bool ffmpegAvailable();
// A silent MPEG-4 .avi of the given length; creates the folders on the way.
bool make(const QString &path, double seconds = 0.5, const QString &colour = "blue");
// A file with a sound track and no picture at all.
bool makeAudioOnly(const QString &path, double seconds = 0.5);

} // namespace TestClip
