#include "WavePlayer.h"

namespace {

class SilentWavePlayer final : public WavePlayer {
public:
    void play(const QString&, bool) override {}
};

} // namespace

std::unique_ptr<WavePlayer> createDefaultWavePlayer()
{
    return std::make_unique<SilentWavePlayer>();
}
