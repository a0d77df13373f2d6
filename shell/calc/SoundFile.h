// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The checks a music file passes before the media player gets it. A decoder
// that is handed a damaged file may crash or never end (a MIDI track whose
// length says 0xFFFFFFFF, a header that claims 65535 tracks), so the
// structure that costs little to read is read here first:
//  - a standard MIDI file ("MThd", also inside a RIFF "RMID" file): the
//    header and every chunk length fit the file, the header's format, track
//    count and time division make sense, there are as many tracks as it
//    says, and in each track every event's length fits the track;
//  - a WAV file ("RIFF"/"WAVE"): every chunk before the sound data fits the
//    file, a format chunk with channels, rate and block size precedes the
//    data chunk;
//  - an MP3 file (an "ID3" tag or an MPEG audio frame at the start): the tag
//    fits the file and an MPEG audio frame header follows it.
// Anything else is left to the decoder, which says itself when it cannot
// play a file.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

enum class SoundKind { Midi, Wave, Mp3, Other };

struct SoundCheck {
    SoundKind kind = SoundKind::Other;
    bool damaged = false;
    std::string why;  // what is wrong, for a damaged file (not shown to users)
};

// The longest MIDI file read in full; a longer one counts as damaged (a
// piece of music in MIDI takes kilobytes).
inline constexpr std::size_t kMaxMidiBytes = std::size_t{16} << 20;
// How much of other files the checks read.
inline constexpr std::size_t kSoundHeadBytes = std::size_t{64} << 10;

// The checks on the first bytes of a file of `fileSize` bytes: all of it for
// a MIDI file (up to kMaxMidiBytes), kSoundHeadBytes beyond a leading ID3
// tag for others.
SoundCheck CheckSoundBytes(std::string_view head, std::uint64_t fileSize);

// Reads what CheckSoundBytes needs of the regular file at `path` and checks
// it. A file that cannot be read is left to the player (Other).
SoundCheck CheckSoundFile(const std::string& path);

}  // namespace numora
