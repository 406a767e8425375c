// A tool session wired to a simulated radio over an in-process line on a
// virtual clock, with scripted answers to every question.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "image/codec.h"
#include "image/defaults.h"
#include "link/clone_link.h"
#include "link/transfers.h"
#include "sim/radio_simulator.h"
#include "sim/simulated_line.h"
#include "support/doubles.h"
#include "support/sessions.h"

namespace kv::test {

// The image of the session's settings, as a programmed radio holds it.
inline void Encode(RadioSession& s) {
    EncodeImage(s);
    NormalizeImage(s);
    ImageChecksum(s.image);
}

// The model's default image as a new radio holds it.
inline RadioSession DefaultSession(int model, bool sel1 = true, uint8_t region = kNoRegion) {
    RadioSession s = FreshSession(model, {2012, 6, 1});
    SetVariantBits(s.image, sel1);
    if (region != kNoRegion) s.image[map::RegionByte] = region;
    s.region = RegionFromByte(model, region);
    Encode(s);
    DecodeImage(s);
    return s;
}

// A radio someone programmed: LMR channels and names that differ from the defaults.
inline RadioImage ProgrammedRadio(int model, bool sel1 = true, uint8_t region = kNoRegion) {
    RadioSession s = DefaultSession(model, sel1, region);
    if (HasNames(model)) {
        for (int n = 0; n < 8; ++n) {
            ChannelRecord& ch = s.settings.CHEXP[n];
            ch.Enable = true;
            ch.Rxfreq = ch.Txfreq = 155.0 + n * 0.025;
            ch.Narrow = true;
            ch.ChTag = "RADIO" + std::to_string(n);
        }
        s.settings.UsableGroups[kLmrGroup].Enable = true;
    }
    s.settings.Common.SQL = 7;
    Encode(s);
    s.image[map::clone::RadioOwnedByte] = 0x5A;  // a radio-owned byte with a value of its own
    sim::WriteRadioIdentification(s.image, model);
    return s.image;
}

class RecordingEvents : public TransferEvents {
public:
    void Progress(const TransferProgress& p) override { progress.push_back(p); }
    void Note(const std::string& text) override { notes.push_back(text); }
    void Waiting(const std::string& text) override { waits.push_back(text); }
    void Phase(const std::string& text) override { phases.push_back(text); }
    bool Pump() override {
        if (pump) pump();
        return false;
    }
    std::vector<TransferProgress> progress;
    std::vector<std::string> notes, waits, phases;
    std::function<void()> pump;
};

inline sim::SimOptions Synced(bool synced = true) { return {synced, {}}; }

struct LinkRig {
    LinkRig(RadioSession toolSession, const RadioImage& radioImage, sim::SimOptions options = Synced(),
            std::deque<Answer> answers = {})
        : session(std::move(toolSession)),
          radio(radioImage, std::move(options)),
          line(radio, clock),
          prompt(std::move(answers)),
          link(LinkContext{line, clock, prompt, events}, state),
          runner(link, session) {}

    TransferOutcome Run(TransferMode mode) {
        state.TransferMode = mode;
        return runner.Run();
    }
    TransferOutcome Read() { return Run(TransferMode::Read); }
    TransferOutcome Program() { return Run(TransferMode::Program); }
    Texts Shown() const { return TextsOf(prompt); }
    // Presses Cancel once, when the radio has served that many block requests.
    void CancelAt(int requests) {
        events.pump = [this, requests, pressed = false]() mutable {
            if (!pressed && radio.blockRequests() == requests) state.CancelFlag = pressed = true;
        };
    }

    RadioSession session;
    sim::RadioSimulator radio;
    VirtualClock clock;
    sim::SimulatedLine line;
    ScriptedPrompt prompt;
    RecordingEvents events;
    TransferState state;
    CloneLink link;
    TransferRunner runner;
};

}  // namespace kv::test
