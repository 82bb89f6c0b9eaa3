#include "widgets/deferred_sound_player.h"

#include <QCoreApplication>
#include <QLibrary>
#include <system_error>

#include "texts/wave_bytes.h"

namespace brinox {

namespace {

// Beside the program in the build folder; in lib/brinox once installed.
std::filesystem::path soundModule() {
    const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
    const auto beside = programFolder / "brinox_sound.so";
    std::error_code ec;
    if (std::filesystem::exists(beside, ec)) return beside;
    return programFolder.parent_path() / "lib" / "brinox" / "brinox_sound.so";
}

}  // namespace

DeferredSoundPlayer::DeferredSoundPlayer() : DeferredSoundPlayer(soundModule()) {}

DeferredSoundPlayer::DeferredSoundPlayer(std::filesystem::path module) : m_module(std::move(module)) {}

// The module stays loaded for the rest of the run, so the player's code is still there.
DeferredSoundPlayer::~DeferredSoundPlayer() = default;

SoundPlayer* DeferredSoundPlayer::player() {
    if (!m_tried) {
        m_tried = true;
        using Make = SoundPlayer* (*)();
        const auto make = reinterpret_cast<Make>(
            QLibrary::resolve(QString::fromStdString(m_module.string()), "brinoxMakeSoundPlayer"));
        if (make) m_player.reset(make());
    }
    return m_player.get();
}

void DeferredSoundPlayer::play(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec) || !player()) return;
    if (auto corrected = waveFileWithoutPadByte(file)) {
        m_player->playBytes(std::move(*corrected));
    } else {
        m_player->play(file);
    }
}

void DeferredSoundPlayer::playBytes(std::vector<std::uint8_t> wave) {
    if (player()) m_player->playBytes(std::move(wave));
}

void DeferredSoundPlayer::stop() {
    if (m_player) m_player->stop();
}

bool DeferredSoundPlayer::stopped() const { return m_player && m_player->stopped(); }

void DeferredSoundPlayer::close() {
    if (m_player) m_player->close();
}

}  // namespace brinox
