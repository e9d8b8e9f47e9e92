#include "Commands.h"

#include "SoundCheck.h"
#include "SoundFile.h"
#include "SoundTable.h"

#include <cstdio>
#include <fstream>

namespace contentgen {

int makeSounds(const std::string& outDir, const std::string& listPath)
{
    std::ofstream list(listPath, std::ios::trunc);
    int failures = 0;
    for (const SoundEntry& entry : soundTable()) {
        Stereo sound = entry.render();
        normalise(sound, entry.peak);
        const bool stereo = entry.format == SoundFormat::OggStream;
        const std::vector<int16_t> pcm = stereo ? toPcm16(sound) : toPcm16(sound.left);
        const int channels = stereo ? 2 : 1;
        const Bytes bytes = entry.format == SoundFormat::Wav ? encodeWav(pcm, channels, kRate)
                                                             : encodeOgg(pcm, channels, kRate, stereo ? 0.3f : 0.2f);
        const std::string path = outDir + "/" + entry.item;
        writeFile(path, bytes);
        list << entry.item << "=" << path << "\n";

        const SoundMeasure m = measureSound(bytes);
        const std::string verdict = judgeSound(m, entry.looping);
        std::printf("%3d %-22s %6.2fs peak %.3f rms %.3f %s: %s (%s)\n", entry.index, entry.item.c_str(), double(m.frames) / kRate,
                    m.peak, m.rms, entry.looping ? "loop" : "one-shot", verdict.empty() ? "ok" : verdict.c_str(), entry.what.c_str());
        if (!verdict.empty())
            ++failures;
    }
    if (failures)
        std::fprintf(stderr, "content-gen: %d sounds failed their check\n", failures);
    return failures ? 1 : 0;
}

} // namespace contentgen
