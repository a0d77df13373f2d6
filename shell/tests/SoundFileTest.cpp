// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The music file checks: damaged MIDI files (the ones that crashed or hung
// the decoder at every start among them), damaged WAV and MP3 files, and the
// well-formed files that must pass.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "SoundFile.h"

using numora::CheckSoundBytes;
using numora::CheckSoundFile;
using numora::SoundKind;

namespace {

std::string Big(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>(v >> (8 * i));
    return s;
}
std::string Little(std::uint32_t v, int bytes) {
    std::string s;
    for (int i = 0; i < bytes; ++i) s += static_cast<char>(v >> (8 * i));
    return s;
}

const std::string kNotes = std::string("\x00\xFF\x51\x03\x07\xA1\x20", 7) + std::string("\x00\xC0\x00", 3) +
                           std::string("\x00\x90\x3C\x64\x60\x80\x3C\x00", 8) +  // a note on and off
                           std::string("\x00\x40\x40", 3) +                      // running status: note on again
                           std::string("\x00\xFF\x2F\x00", 4);                   // the end of the track

std::string Header(std::uint32_t format, std::uint32_t tracks, std::uint32_t division = 96, std::uint32_t length = 6) {
    return "MThd" + Big(length, 4) + Big(format, 2) + Big(tracks, 2) + Big(division, 2);
}
std::string Track(const std::string& events, std::uint32_t length) { return "MTrk" + Big(length, 4) + events; }
std::string Track(const std::string& events) { return Track(events, static_cast<std::uint32_t>(events.size())); }
std::string Midi() { return Header(0, 1) + Track(kNotes); }

std::string Wave(std::uint32_t channels = 1, std::uint32_t rate = 22050, std::uint32_t fmtLength = 16) {
    std::string fmt = Little(1, 2) + Little(channels, 2) + Little(rate, 4) + Little(rate * 2, 4) + Little(2, 2) +
                      Little(16, 2);
    fmt.resize(fmtLength < 16 ? fmtLength : 16);
    const std::string data(400, '\x10');
    const std::string body = "WAVE" + ("fmt " + Little(fmtLength, 4) + fmt) + "data" + Little(400, 4) + data;
    return "RIFF" + Little(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string Frame() { return std::string("\xFF\xFB\x90\xC4", 4) + std::string(413, '\0'); }
std::string Id3(std::uint32_t size) {
    // The size in four bytes of seven bits.
    std::string s("ID3\x03\x00\x00", 6);
    for (int i = 3; i >= 0; --i) s += static_cast<char>((size >> (7 * i)) & 0x7F);
    return s + std::string(size, '\0');
}

struct Row {
    const char* name;
    std::string bytes;
    SoundKind kind;
    bool damaged;
};

}  // namespace

TEST(SoundFile, DamagedAndWellFormedFiles) {
    const std::string midi = Midi();
    std::string patched = midi;
    patched.replace(18, 4, "\xFF\xFF\xFF\xFF");  // the track length of a good file
    const Row rows[] = {
        {"a well-formed MIDI file", midi, SoundKind::Midi, false},
        {"format 1, two tracks and an extra chunk",
         Header(1, 2) + Track(kNotes) + "XFIR" + Big(3, 4) + "abc" + Track(kNotes), SoundKind::Midi, false},
        {"bytes after the last chunk", midi + std::string(3, '\0'), SoundKind::Midi, false},
        {"no end of track", Header(0, 1) + Track(kNotes.substr(0, kNotes.size() - 4)), SoundKind::Midi, false},
        {"SMPTE division", Header(0, 1, 0xE728) + Track(kNotes), SoundKind::Midi, false},
        {"a longer header", Header(0, 1, 96, 8) + std::string(2, '\0') + Track(kNotes), SoundKind::Midi, false},
        // Those that crashed or hung the decoder at every start.
        {"26 bytes, a track length of 0xFFFFFFFF", Header(0, 1) + Track("\x00\xFF\x2F\x00", 0xFFFFFFFF).substr(0, 12),
         SoundKind::Midi, true},
        {"a good file with that length", patched, SoundKind::Midi, true},
        {"a header that claims 65535 tracks", Header(1, 65535) + Track(kNotes), SoundKind::Midi, true},
        // More damage of the same kind.
        {"cut inside the header", midi.substr(0, 10), SoundKind::Midi, true},
        {"a header length beyond the file", Header(0, 1, 96, 0x7FFFFFFF) + Track(kNotes), SoundKind::Midi, true},
        {"a header length below 6", Header(0, 1, 96, 4) + Track(kNotes), SoundKind::Midi, true},
        {"cut inside the track", midi.substr(0, midi.size() - 5), SoundKind::Midi, true},
        {"format 3", Header(3, 1) + Track(kNotes), SoundKind::Midi, true},
        {"format 0 with two tracks", Header(0, 2) + Track(kNotes) + Track(kNotes), SoundKind::Midi, true},
        {"no tracks", Header(1, 0), SoundKind::Midi, true},
        {"a division of 0", Header(0, 1, 0) + Track(kNotes), SoundKind::Midi, true},
        {"a meta event longer than its track", Header(0, 1) + Track(std::string("\x00\xFF\x01\x7F" "abc", 7)),
         SoundKind::Midi, true},
        {"a sysex longer than its track", Header(0, 1) + Track(std::string("\x00\xF0\x83\xFF\xFF\x7F", 6)),
         SoundKind::Midi, true},
        {"an event time of five bytes", Header(0, 1) + Track(std::string("\x81\x81\x81\x81\x01\x90\x3C\x64", 8)),
         SoundKind::Midi, true},
        {"a data byte without a status", Header(0, 1) + Track(std::string("\x00\x3C\x64", 3)), SoundKind::Midi, true},
        {"a system message in a track", Header(0, 1) + Track(std::string("\x00\xF4\x00", 3)), SoundKind::Midi, true},
        {"a note cut short", Header(0, 1) + Track(std::string("\x00\x90\x3C", 3)), SoundKind::Midi, true},
        {"a MIDI file in RIFF", "RIFF" + Little(4 + 8 + static_cast<std::uint32_t>(midi.size()), 4) + "RMID" + "data" +
                                    Little(static_cast<std::uint32_t>(midi.size()), 4) + midi,
         SoundKind::Midi, false},
        {"a damaged MIDI file in RIFF", "RIFF" + Little(0, 4) + "RMID" + "data" + Little(static_cast<std::uint32_t>(patched.size()), 4) + patched,
         SoundKind::Midi, true},
        // WAV and MP3.
        {"a well-formed WAV file", Wave(), SoundKind::Wave, false},
        {"a WAV file without channels", Wave(0), SoundKind::Wave, true},
        {"a WAV file without a rate", Wave(1, 0), SoundKind::Wave, true},
        {"a WAV format chunk longer than the file", Wave(1, 22050, 0x7FFFFFF0), SoundKind::Wave, true},
        {"a WAV file cut in its sound", Wave().substr(0, 100), SoundKind::Wave, false},
        {"a WAV file without data", Wave().substr(0, 44 - 8), SoundKind::Wave, true},
        {"MPEG frames", Frame() + Frame(), SoundKind::Mp3, false},
        {"a tag, then frames", Id3(300) + Frame(), SoundKind::Mp3, false},
        {"a tag longer than the file", Id3(300).substr(0, 100), SoundKind::Mp3, true},
        {"a tag and nothing after it", Id3(300) + std::string(1000, '\x11'), SoundKind::Mp3, true},
        // Left to the decoder.
        {"an empty file", "", SoundKind::Other, false},
        {"text", "not music at all\n", SoundKind::Other, false},
    };
    for (const Row& row : rows) {
        const auto check = CheckSoundBytes(row.bytes, row.bytes.size());
        EXPECT_EQ(check.kind, row.kind) << row.name;
        EXPECT_EQ(check.damaged, row.damaged) << row.name << ": " << check.why;
    }
}

// From a file: only what the checks need is read; a MIDI file beyond the
// limit is not read at all.
TEST(SoundFile, ReadsFilesAsTheyLie) {
    const std::string path = ::testing::TempDir() + "numora-sound-check.mid";
    auto write = [&](const std::string& bytes) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
    };
    write(Midi());
    EXPECT_FALSE(CheckSoundFile(path).damaged);
    write(Header(1, 65535) + Track(kNotes));
    EXPECT_TRUE(CheckSoundFile(path).damaged);
    write(Id3(100000) + Frame());  // the frame lies beyond the first 64 KiB
    EXPECT_FALSE(CheckSoundFile(path).damaged);
    write(Header(0, 1) + Track(std::string(numora::kMaxMidiBytes, '\0')));
    EXPECT_TRUE(CheckSoundFile(path).damaged);
    std::remove(path.c_str());
    EXPECT_EQ(CheckSoundFile(path).kind, SoundKind::Other);  // missing: the player says so
}
