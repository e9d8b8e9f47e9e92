#include "sound/vorbis/VorbisDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace sound {

// The vorbisfile state together with the memory it reads from.
struct VorbisFile {
    OggVorbis_File vf{};
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t cursor = 0;
    bool opened = false;
};

namespace {

// Damaged data can report a gap again and again; past this many in one read it has ended.
constexpr int kMaxHoles = 64;

size_t readMemory(void* out, size_t itemSize, size_t count, void* source)
{
    auto* file = static_cast<VorbisFile*>(source);
    if (itemSize == 0)
        return 0;
    size_t items = std::min(count, (file->size - file->cursor) / itemSize);
    std::memcpy(out, file->data + file->cursor, items * itemSize);
    file->cursor += items * itemSize;
    return items;
}

int seekMemory(void* source, ogg_int64_t offset, int whence)
{
    auto* file = static_cast<VorbisFile*>(source);
    ogg_int64_t base = whence == SEEK_SET ? 0
        : whence == SEEK_CUR              ? ogg_int64_t(file->cursor)
                                          : ogg_int64_t(file->size);
    ogg_int64_t target = base + offset;
    if (target < 0 || target > ogg_int64_t(file->size))
        return -1;
    file->cursor = size_t(target);
    return 0;
}

long tellMemory(void* source)
{
    return long(static_cast<VorbisFile*>(source)->cursor);
}

} // namespace

std::unique_ptr<VorbisDecoder> VorbisDecoder::open(const uint8_t* data, size_t size)
{
    std::unique_ptr<VorbisDecoder> decoder(new VorbisDecoder);
    decoder->file_ = std::make_unique<VorbisFile>();
    VorbisFile& file = *decoder->file_;
    file.data = data;
    file.size = size;
    ov_callbacks callbacks{readMemory, seekMemory, nullptr, tellMemory};
    if (ov_open_callbacks(&file, &file.vf, nullptr, 0, callbacks) != 0)
        return nullptr;
    file.opened = true;
    vorbis_info* info = ov_info(&file.vf, -1);
    if (info == nullptr || info->channels < 1 || info->channels > 2)
        return nullptr;
    if (info->rate < kMinSourceRate || info->rate > kMaxSourceRate)
        return nullptr;
    decoder->rate_ = int(info->rate);
    decoder->channels_ = info->channels;
    return decoder;
}

VorbisDecoder::~VorbisDecoder()
{
    if (file_ && file_->opened)
        ov_clear(&file_->vf);
}

int VorbisDecoder::read(int16_t* out, int frames)
{
    int done = 0;
    int frameBytes = 2 * channels_;
    int holes = 0;
    while (done < frames) {
        int section = 0;
        long got = ov_read(&file_->vf, reinterpret_cast<char*>(out + done * channels_),
            (frames - done) * frameBytes, 0, 2, 1, &section);
        if (got == OV_HOLE && ++holes < kMaxHoles)
            continue; // a gap in the pages: decoding goes on after it
        if (got <= 0)
            break;
        // A chained stream may change its layout; what follows such a change is not played.
        vorbis_info* info = ov_info(&file_->vf, section);
        if (info == nullptr || info->channels != channels_)
            break;
        done += int(got / frameBytes);
    }
    return done;
}

bool VorbisDecoder::rewind()
{
    return ov_seekable(&file_->vf) && ov_raw_seek(&file_->vf, 0) == 0;
}

} // namespace sound
