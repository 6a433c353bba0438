#pragma once
// The one thread that owns the process's audio devices. SDL's audio
// subsystem starts, opens, closes and stops only here, so that a slow, dead
// or frozen sound server can hold up this thread but never the window.
// Players post what they want (a voice to look after, to look at again, or
// to let go) and read the outcome from the voice's atomics.
//
// A device is open only while its voice plays: opened when the voice is set
// playing, closed at once when it is stopped (dropping what the device holds
// queued) and a short grace after the song has ended unrestarted, so that a
// loop's restart finds it still open. A device that is lost, or that cannot
// be opened, stops its voice where it was; the next Play tries again.
#include <chrono>
#include <memory>
#include <optional>

#include "platform/AudioVoice.h"

namespace platform {

// Device buffers last about 100 to 200 ms: few wake-ups for the audio thread
// and the sound server. A power of two, and no more than SDL takes.
int DeviceBufferFrames(int sampleRate);

namespace audio_worker {

// The audio subsystem is kept up, ready for a song to open without delay,
// while anyone holds it.
void Hold();
void Release();

// Starts looking after `voice`; its device follows its playing flag.
void Attach(std::shared_ptr<TVoice> voice);
// Looks at the voices again soon, after one was played or stopped.
void Wake();
// Closes the voice's device and lets it go; returns at once.
void Detach(const std::shared_ptr<TVoice>& voice);
// Waits up to `limit` for the voice to be let go; false when it was not.
bool WaitDetached(const TVoice& voice, std::chrono::milliseconds limit);

// Whether the machine has any sound output at all, asked of the audio
// subsystem without opening a device; nothing when no answer came in `limit`.
// Returns at once when the subsystem is up and lists an output.
std::optional<bool> HasOutput(std::chrono::milliseconds limit);

// Seams for tests: how many devices are open, and a pretended loss of them
// all, as if their sound server had gone away.
int OpenDevicesForTesting();
void LoseDevicesForTesting();

}  // namespace audio_worker
}  // namespace platform
