// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundFile.h"

#include <algorithm>
#include <fstream>

namespace numora {
namespace {

std::uint32_t Big32(std::string_view b, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(b[at])} << 24) |
           (std::uint32_t{static_cast<unsigned char>(b[at + 1])} << 16) |
           (std::uint32_t{static_cast<unsigned char>(b[at + 2])} << 8) | static_cast<unsigned char>(b[at + 3]);
}
std::uint32_t Big16(std::string_view b, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(b[at])} << 8) | static_cast<unsigned char>(b[at + 1]);
}
std::uint32_t Little16(std::string_view b, std::size_t at) {
    return (std::uint32_t{static_cast<unsigned char>(b[at + 1])} << 8) | static_cast<unsigned char>(b[at]);
}
std::uint32_t Little32(std::string_view b, std::size_t at) { return (Little16(b, at + 2) << 16) | Little16(b, at); }

SoundCheck Damaged(SoundKind kind, std::string why) { return {kind, true, std::move(why)}; }

// A variable-length quantity of at most four bytes inside [at, end); false
// when it runs past the end or is longer.
bool ReadVarLen(std::string_view b, std::size_t& at, std::size_t end, std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (at >= end) return false;
        const auto c = static_cast<unsigned char>(b[at++]);
        value = (value << 7) | (c & 0x7F);
        if ((c & 0x80) == 0) return true;
    }
    return false;
}

// The events of one track in [at, end): every length fits the track. Sets
// `why` and returns false at the first that does not.
bool TrackFits(std::string_view b, std::size_t at, std::size_t end, std::string& why) {
    auto fail = [&why](const char* what) {
        why = what;
        return false;
    };
    int running = 0;  // the status a data byte continues, 0 before the first
    while (at < end) {
        std::uint32_t delta = 0;
        if (!ReadVarLen(b, at, end, delta)) return fail("an event time runs past its track");
        if (at >= end) return fail("a track ends inside an event");
        int status = static_cast<unsigned char>(b[at]);
        if (status >= 0x80)
            ++at;
        else if (running != 0)
            status = running;  // running status: the byte is the first data byte
        else
            return fail("a data byte without a status");
        if (status == 0xFF || status == 0xF0 || status == 0xF7) {
            int type = -1;
            if (status == 0xFF) {
                if (at >= end) return fail("a meta event without its type");
                type = static_cast<unsigned char>(b[at++]);
            }
            std::uint32_t length = 0;
            if (!ReadVarLen(b, at, end, length) || length > end - at) return fail("an event is longer than its track");
            at += length;
            running = 0;
            if (type == 0x2F) return true;  // the end of the track: what follows is never read
            continue;
        }
        if (status >= 0xF0) return fail("a system message that has no place in a file");
        running = status;
        const std::size_t data = (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
        if (data > end - at) return fail("a track ends inside an event");
        at += data;
    }
    return true;
}

SoundCheck CheckMidi(std::string_view b, std::uint64_t size) {
    constexpr SoundKind kind = SoundKind::Midi;
    if (size > kMaxMidiBytes) return Damaged(kind, "larger than any MIDI file");
    if (b.size() < size) return Damaged(kind, "not read in full");
    if (size < 14) return Damaged(kind, "shorter than its header");
    const std::uint32_t headerLength = Big32(b, 4);
    if (headerLength < 6 || headerLength > size - 8) return Damaged(kind, "the header's length does not fit the file");
    const std::uint32_t format = Big16(b, 8), tracks = Big16(b, 10), division = Big16(b, 12);
    if (format > 2) return Damaged(kind, "an unknown format");
    if (tracks == 0 || (format == 0 && tracks != 1)) return Damaged(kind, "a track count its format does not allow");
    if (division & 0x8000) {
        const int frames = -static_cast<int>(static_cast<signed char>(division >> 8));
        if ((frames != 24 && frames != 25 && frames != 29 && frames != 30) || (division & 0xFF) == 0)
            return Damaged(kind, "an unknown time division");
    } else if (division == 0) {
        return Damaged(kind, "no ticks to a quarter note");
    }
    std::size_t at = 8 + headerLength;
    std::uint32_t found = 0;
    std::string why;
    // Chunks to the end; fewer than eight bytes left over are no chunk.
    while (size - at >= 8) {
        const std::uint32_t length = Big32(b, at + 4);
        if (length > size - at - 8) return Damaged(kind, "a chunk is longer than the file");
        if (b.substr(at, 4) == "MTrk") {
            ++found;
            if (!TrackFits(b, at + 8, at + 8 + length, why)) return Damaged(kind, why);
        }
        at += 8 + length;
    }
    if (found < tracks) return Damaged(kind, "fewer tracks than the header says");
    return {kind, false, {}};
}

// RIFF chunks from `at`: calls visit(id, start, length) with the chunk's
// claimed length; stops when visit returns false or a chunk header does not fit.
template <class Visit>
void EachRiffChunk(std::string_view b, std::size_t at, Visit&& visit) {
    while (at + 8 <= b.size()) {
        const std::uint32_t length = Little32(b, at + 4);
        if (!visit(b.substr(at, 4), at + 8, length)) return;
        at += 8 + length + (length & 1);  // chunks are padded to even lengths
    }
}

SoundCheck CheckWave(std::string_view b, std::uint64_t size) {
    constexpr SoundKind kind = SoundKind::Wave;
    bool format = false, data = false;
    std::string why;
    EachRiffChunk(b, 12, [&](std::string_view id, std::size_t start, std::uint32_t length) {
        if (id == "data") {
            data = true;  // the sound may run past the end of a cut recording
            return false;
        }
        if (length > size - start) why = "a chunk is longer than the file";
        else if (id == "fmt " && (length < 16 || start + 16 > b.size())) why = "a format chunk that is too short";
        else if (id == "fmt " && (Little16(b, start + 2) == 0 || Little32(b, start + 4) == 0 || Little16(b, start + 12) == 0))
            why = "no channels, rate or block size";
        else if (id == "fmt ") format = true;
        return why.empty();
    });
    if (!why.empty()) return Damaged(kind, why);
    if (!data) return Damaged(kind, "no sound data");
    if (!format) return Damaged(kind, "sound data before its format");
    return {kind, false, {}};
}

// An MPEG audio frame header at `at`: the sync bits, a known version and
// layer, a bit rate and a sample rate that are not reserved.
bool MpegFrame(std::string_view b, std::size_t at) {
    if (at + 4 > b.size()) return false;
    const auto b1 = static_cast<unsigned char>(b[at + 1]), b2 = static_cast<unsigned char>(b[at + 2]);
    return static_cast<unsigned char>(b[at]) == 0xFF && (b1 & 0xE0) == 0xE0 && ((b1 >> 3) & 3) != 1 &&
           ((b1 >> 1) & 3) != 0 && (b2 >> 4) != 0xF && (b2 >> 4) != 0 && ((b2 >> 2) & 3) != 3;
}

std::uint64_t Id3Size(std::string_view b) {
    // Four bytes of seven bits each, then the ten bytes of the tag's header.
    std::uint64_t size = 0;
    for (std::size_t i = 6; i < 10; ++i) size = (size << 7) | (static_cast<unsigned char>(b[i]) & 0x7F);
    return size + 10 + ((static_cast<unsigned char>(b[5]) & 0x10) ? 10 : 0);  // a footer
}

SoundCheck CheckMp3(std::string_view b, std::uint64_t size) {
    constexpr SoundKind kind = SoundKind::Mp3;
    std::size_t at = 0;
    if (b.starts_with("ID3")) {
        if (b.size() < 10) return Damaged(kind, "a tag cut short");
        for (std::size_t i = 6; i < 10; ++i)
            if (static_cast<unsigned char>(b[i]) & 0x80) return Damaged(kind, "a tag size that is no tag size");
        const std::uint64_t tag = Id3Size(b);
        if (tag > size) return Damaged(kind, "a tag longer than the file");
        at = static_cast<std::size_t>(tag);
    }
    // The first frame may follow after some padding.
    const std::size_t end = std::min(b.size(), at + kSoundHeadBytes);
    for (std::size_t i = at; i + 4 <= end; ++i)
        if (MpegFrame(b, i)) return {kind, false, {}};
    return Damaged(kind, "no MPEG audio frame");
}

}  // namespace

SoundCheck CheckSoundBytes(std::string_view head, std::uint64_t fileSize) {
    if (head.starts_with("MThd")) return CheckMidi(head, fileSize);
    if (head.size() >= 12 && head.starts_with("RIFF")) {
        if (head.substr(8, 4) == "WAVE") return CheckWave(head, fileSize);
        if (head.substr(8, 4) == "RMID") {
            // A standard MIDI file in the RIFF "data" chunk.
            SoundCheck check{SoundKind::Midi, true, "no MIDI data"};
            EachRiffChunk(head, 12, [&](std::string_view id, std::size_t start, std::uint32_t length) {
                if (id != "data") return true;
                if (length > fileSize - start || start + length > head.size())
                    check = Damaged(SoundKind::Midi, "a chunk is longer than the file");
                else
                    check = CheckMidi(head.substr(start, length), length);
                return false;
            });
            return check;
        }
    }
    if (head.starts_with("ID3") || MpegFrame(head, 0)) return CheckMp3(head, fileSize);
    return {};
}

SoundCheck CheckSoundFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    const std::streamoff end = in.tellg();
    if (end < 0) return {};
    const auto size = static_cast<std::uint64_t>(end);
    in.seekg(0);
    auto read = [&](std::uint64_t count) {
        std::string bytes(static_cast<std::size_t>(std::min<std::uint64_t>(count, size)), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
        return bytes;
    };
    std::string head = read(16);
    const bool midi = head.starts_with("MThd") || (head.starts_with("RIFF") && head.substr(8, 4) == "RMID");
    std::uint64_t want = kSoundHeadBytes;
    if (midi) want = size > kMaxMidiBytes ? 16 : size;
    if (head.size() >= 10 && head.starts_with("ID3")) want = std::min<std::uint64_t>(Id3Size(head), kMaxMidiBytes) + kSoundHeadBytes;
    if (want > head.size()) head += read(want - head.size());
    return CheckSoundBytes(head, size);
}

}  // namespace numora
