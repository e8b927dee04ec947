#pragma once

// libmpv option, property and command names used by the engine and the two
// player facades, kept in one place so no name is retyped by hand.

namespace kestova::mpvname {

// Properties read or observed.
inline constexpr char TimePos[] = "time-pos";
inline constexpr char Duration[] = "duration";
inline constexpr char FileSize[] = "file-size";
inline constexpr char Seekable[] = "seekable";
inline constexpr char Pause[] = "pause";
inline constexpr char CoreIdle[] = "core-idle";
inline constexpr char PausedForCache[] = "paused-for-cache";
inline constexpr char CacheBufferingState[] = "cache-buffering-state";
inline constexpr char CacheSpeed[] = "cache-speed";
inline constexpr char DemuxerCacheState[] = "demuxer-cache-state";
inline constexpr char RawInputRate[] = "raw-input-rate"; // key inside demuxer-cache-state
inline constexpr char VideoBitrate[] = "video-bitrate";
inline constexpr char AudioBitrate[] = "audio-bitrate";
inline constexpr char Volume[] = "volume";
inline constexpr char Mute[] = "mute";
inline constexpr char KeepAspect[] = "keepaspect";
inline constexpr char CachePauseWait[] = "cache-pause-wait";
inline constexpr char Vid[] = "vid";
inline constexpr char VoConfigured[] = "vo-configured";
inline constexpr char TrackList[] = "track-list";
inline constexpr char Path[] = "path";

// Options set before initialisation.
inline constexpr char Vo[] = "vo";
inline constexpr char Ao[] = "ao";
inline constexpr char NetworkTimeout[] = "network-timeout";

// Commands.
inline constexpr char LoadFile[] = "loadfile";
inline constexpr char Stop[] = "stop";
inline constexpr char Seek[] = "seek";
inline constexpr char PlaylistClear[] = "playlist-clear";

} // namespace kestova::mpvname
